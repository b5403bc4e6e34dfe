#include "app/LanguageMenu.h"

#include "document/Language.h"
#include "document/LanguageSetting.h"
#include "document/MessageBoxes.h"

#include <QActionGroup>

#include <cstring>

namespace zephra {

LanguageMenu::LanguageMenu(std::string settingsPath, MessageBoxes& boxes, QWidget* parent)
    : QMenu(tr("&Language"), parent), settingsPath_(std::move(settingsPath)), boxes_(boxes) {
    setObjectName(QStringLiteral("LanguageMenu"));
    auto* group = new QActionGroup(this);
    const std::string chosen = LanguageSettingIn(ProgramConf::Read(settingsPath_));
    const auto add = [&](const QString& text, const std::string& code) {
        QAction* item = addAction(text);
        item->setCheckable(true);
        item->setChecked(code == chosen);
        group->addAction(item);
        connect(item, &QAction::triggered, this, [this, code] { Choose(code); });
    };
    add(tr("System language"), std::string());
    addSeparator();
    for (const Language& language : Languages())
        add(QString::fromStdString(language.Name), language.Code);
}

void LanguageMenu::Choose(const std::string& code) {
    if (const ProgramConfWrite write = WriteLanguageSetting(settingsPath_, code);
        write.Error != 0) {
        boxes_.Warning((write.NotRead ? tr("%1 could not be read (%2), so it is not written "
                                           "over; the language is not kept.")
                                      : tr("The language could not be kept in %1: %2."))
                           .arg(QString::fromStdString(settingsPath_),
                                QString::fromLocal8Bit(std::strerror(write.Error)))
                           .toStdString());
        return;
    }
    boxes_.Information(tr("The language changes when ZEPHRA starts again.").toStdString());
}

} // namespace zephra

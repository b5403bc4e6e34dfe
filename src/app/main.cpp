#include "app/AppResources.h"
#include "app/Application.h"
#include "app/MainForm.h"
#include "document/Language.h"
#include "document/LanguageSetting.h"
#include "serial/ui/InstallSerialUi.h"
#include "ui_common/QtClock.h"
#include "ui_common/QtFileDialogs.h"
#include "ui_common/QtMessageBoxes.h"
#include "ui_common/Translation.h"

#include <QFont>

#include <cstdlib>

int main(int argc, char* argv[]) {
    zephra::TApplication app(argc, argv);
    zephra::serial::ui::InstallSerialUi(&app);
    QApplication::setApplicationName(QStringLiteral("ZEPHRA"));
    QApplication::setOrganizationName(QStringLiteral("ORVANE"));
    // View → Language wins over the system's language.
    std::string language =
        zephra::LanguageSettingIn(zephra::ProgramConf::Read(zephra::ProgramConfPath()));
    if (language.empty())
        language = zephra::SystemLanguage([](const char* name) { return std::getenv(name); });
    zephra::InstallLanguage(app, QString::fromStdString(language));
    QApplication::setWindowIcon(zephra::ApplicationIcon());
    QFont face(QStringLiteral("Liberation Sans"));
    face.setPixelSize(11);
    QApplication::setFont(face);

    zephra::QtMessageBoxes boxes;
    app.ReportErrorsThrough(boxes);
    zephra::QtFileDialogs dialogs;
    zephra::QtClock clock;
    zephra::TMainForm form(zephra::UiServices{boxes, dialogs, clock});
    if (form.StartFailed())
        return 1;
    form.show();
    // Qt has taken its own options out; what is left names wine files.
    form.OpenAtStart(QApplication::arguments().mid(1));
    return QApplication::exec();
}

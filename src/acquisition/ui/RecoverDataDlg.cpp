#include "acquisition/ui/RecoverDataDlg.h"

#include "ui_common/DialogLook.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace zephra {

TRecoverDataDlg::TRecoverDataDlg(QWidget* owner, const QString& wineName, const QString& fileName,
                                 int readings)
    : QDialog(owner) {
    setWindowTitle(tr("Recover Collected Data"));
    setFont(EntryDialogFont());
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    Message = new QLabel(this);
    Message->setTextFormat(Qt::PlainText);
    Message->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Message->setText(
        tr("ZEPHRA ended while it was collecting data, before they were saved.\n\n"
           "Wine: %1\nFile: %2\nReadings: %3\n\n"
           "Restore the readings into a wine window, or discard them?")
            .arg(wineName, fileName.isEmpty() ? tr("none (the wine was never saved)") : fileName)
            .arg(readings));

    auto* buttons = new QDialogButtonBox(this);
    RestoreButton = buttons->addButton(tr("Restore"), QDialogButtonBox::AcceptRole);
    DiscardButton = buttons->addButton(tr("Discard"), QDialogButtonBox::DestructiveRole);
    RestoreButton->setDefault(true);
    connect(RestoreButton, &QPushButton::clicked, this, [this] {
        chosen_ = Choice::Restore;
        accept();
    });
    connect(DiscardButton, &QPushButton::clicked, this, [this] {
        chosen_ = Choice::Discard;
        accept();
    });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Message);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace zephra

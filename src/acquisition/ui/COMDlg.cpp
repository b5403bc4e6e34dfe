#include "acquisition/ui/COMDlg.h"

#include "acquisition/PortDevice.h"
#include "ui_common/DialogLook.h"

#include <QButtonGroup>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace zephra {

namespace {

constexpr int DeviceLeft = 146;
constexpr int DeviceWidth = 77;

} // namespace

TCOMDlg::TCOMDlg(QWidget* owner) : QDialog(owner) {
    SetUpEntryDialog(*this, QStringLiteral("Set scale connection"), 225, 330);

    Label1 =
        new QLabel(QStringLiteral("Select the COM port to which the scale is connected"), this);
    Label1->setGeometry(42, 24, 143, 26);
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label1->setWordWrap(true);

    OKButton = MakeButton(this, QStringLiteral("OKButton"), QStringLiteral("OK"), 128, 272);
    OKButton->setDefault(true);
    CancelButton =
        MakeButton(this, QStringLiteral("CancelButton"), QStringLiteral("Cancel"), 24, 272);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);

    auto* group = new QButtonGroup(this);
    QWidget* previous = CancelButton;
    setTabOrder(OKButton, CancelButton);
    for (int i = 0; i < 9; ++i) {
        const QString name = QStringLiteral("COM%1").arg(i + 1);
        COM[i] = new QRadioButton(name, this);
        COM[i]->setObjectName(name);
        COM[i]->setGeometry(88, 70 + 20 * i, 57, 17);
        group->addButton(COM[i], i + 1);
        setTabOrder(previous, COM[i]);
        previous = COM[i];

        const std::optional<std::string> device = ComPortDevice(i + 1);
        const QString full =
            device ? QString::fromStdString(*device) : QStringLiteral("not present");
        Device[i] = new QLabel(this);
        Device[i]->setGeometry(DeviceLeft, 70 + 20 * i, DeviceWidth, 17);
        Device[i]->setText(QFontMetrics(font()).elidedText(full, Qt::ElideMiddle, DeviceWidth));
        Device[i]->setToolTip(full);
        Device[i]->setEnabled(device.has_value());
    }
    OKButton->setFocus();
}

int TCOMDlg::SelectedPort() const {
    int n = 0;
    for (int i = 0; i < 9; ++i) {
        if (COM[i]->isChecked())
            n = i + 1;
    }
    return n;
}

void TCOMDlg::SelectPort(int n) {
    if (n >= 1 && n <= 9)
        COM[n - 1]->setChecked(true);
}

} // namespace zephra

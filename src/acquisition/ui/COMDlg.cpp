#include "acquisition/ui/COMDlg.h"

#include "acquisition/ComPortBalance.h"
#include "acquisition/PortDevice.h"
#include "acquisition/TcpTransport.h"
#include "acquisition/WeightReadingText.h"
#include "acquisition/ui/BalanceProbeRunner.h"
#include "ui_common/DialogLook.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace zephra {

namespace {

constexpr int DeviceLeft = 146;
constexpr int DeviceWidth = 77;

// The dialog's size without and with the balance section.
constexpr int ClientWidth = 225;
constexpr int ClientHeight = 330;
constexpr int SectionWidth = 265;

// Left edges of the section's labels and fields.
constexpr int SectionLabel = ClientWidth + 10;
constexpr int SectionField = ClientWidth + 80;

constexpr const char* HandshakeNames[] = {"none", "RTS/CTS", "XON/XOFF"};

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

TCOMDlg::TCOMDlg(QWidget* owner, const std::optional<BalanceProfile>& profile)
    : QDialog(owner), runner_(new BalanceProbeRunner(this)) {
    SetUpEntryDialog(*this, tr("Set scale connection"), ClientWidth, ClientHeight);

    Label1 = new QLabel(tr("Select the COM port to which the scale is connected"), this);
    Label1->setGeometry(42, 24, 143, 26);
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label1->setWordWrap(true);

    OKButton = MakeButton(this, QStringLiteral("OKButton"), tr("OK"), 128, 272);
    OKButton->setDefault(true);
    CancelButton = MakeButton(this, QStringLiteral("CancelButton"), tr("Cancel"), 24, 272);
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
        const QString full = device ? QString::fromStdString(*device) : tr("not present");
        Device[i] = new QLabel(this);
        Device[i]->setGeometry(DeviceLeft, 70 + 20 * i, DeviceWidth, 17);
        Device[i]->setText(QFontMetrics(font()).elidedText(full, Qt::ElideMiddle, DeviceWidth));
        Device[i]->setToolTip(full);
        Device[i]->setEnabled(device.has_value());
    }
    BuildBalanceSection();
    ShowProfile(profile.value_or(BalanceProfile{}));
    ShowBalanceSection(profile.has_value());
    OKButton->setFocus();
}

TCOMDlg::~TCOMDlg() = default;

void TCOMDlg::BuildBalanceSection() {
    BalanceButton = new QPushButton(this);
    BalanceButton->setObjectName(QStringLiteral("BalanceButton"));
    BalanceButton->setGeometry(128, 303, 75, 21);
    connect(BalanceButton, &QPushButton::clicked, this,
            [this] { ShowBalanceSection(!BalanceSectionShown()); });
    setTabOrder(COM[8], BalanceButton);

    auto label = [this](const QString& text, int top) {
        auto* l = new QLabel(text, this);
        l->setGeometry(SectionLabel, top + 3, SectionField - SectionLabel - 4, 15);
        return l;
    };
    auto* heading = new QLabel(tr("Balance"), this);
    heading->setGeometry(SectionLabel, 24, 100, 15);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);

    label(tr("Dialect"), 48);
    Dialect = new QComboBox(this);
    Dialect->setObjectName(QStringLiteral("Dialect"));
    Dialect->setGeometry(SectionField, 48, 170, 21);
    Dialect->addItem(tr("Auto (detect)"));
    for (BalanceDialect dialect : AllDialects()) {
        Dialect->addItem(Text(DialectKey(dialect)), static_cast<int>(dialect));
        Dialect->setItemData(Dialect->count() - 1, Text(DialectDescription(dialect)),
                             Qt::ToolTipRole);
    }
    connect(Dialect, &QComboBox::activated, this, [this] { DialectChosen(); });

    label(tr("Network"), 76);
    Address = new QLineEdit(this);
    Address->setObjectName(QStringLiteral("Address"));
    Address->setGeometry(SectionField, 76, 170, 21);
    Address->setPlaceholderText(QStringLiteral("tcp://host:port"));
    Address->setToolTip(tr("A balance on the network, in place of the COM port; "
                           "empty for the COM port"));

    label(tr("Rate"), 104);
    Baud = new QComboBox(this);
    Baud->setObjectName(QStringLiteral("Baud"));
    Baud->setGeometry(SectionField, 104, 80, 21);
    Baud->setEditable(true);
    for (int rate : {1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200})
        Baud->addItem(QString::number(rate));

    label(tr("Framing"), 132);
    Framing = new QComboBox(this);
    Framing->setObjectName(QStringLiteral("Framing"));
    Framing->setGeometry(SectionField, 132, 80, 21);
    for (const char* framing : {"8N1", "7E1", "7O1", "7N2", "8E1", "8O1", "8N2", "7E2", "7O2"})
        Framing->addItem(QString::fromLatin1(framing));

    label(tr("Handshake"), 160);
    Handshake = new QComboBox(this);
    Handshake->setObjectName(QStringLiteral("Handshake"));
    Handshake->setGeometry(SectionField, 160, 80, 21);
    for (const char* name : HandshakeNames)
        Handshake->addItem(QString::fromLatin1(name));

    DetectButton =
        MakeButton(this, QStringLiteral("DetectButton"), tr("Detect"), SectionLabel, 194);
    TestButton = MakeButton(this, QStringLiteral("TestButton"), tr("Test"), SectionLabel + 85, 194);
    connect(DetectButton, &QPushButton::clicked, this, [this] { Detect(false); });
    connect(TestButton, &QPushButton::clicked, this, [this] { Test(); });

    Result = new QLabel(this);
    Result->setObjectName(QStringLiteral("Result"));
    Result->setGeometry(SectionLabel, 228, SectionWidth - 20, 64);
    Result->setWordWrap(true);
    Result->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Result->setTextInteractionFlags(Qt::TextSelectableByMouse);

    QWidget* previous = BalanceButton;
    for (QWidget* next : std::initializer_list<QWidget*>{Dialect, Address, Baud, Framing, Handshake,
                                                         DetectButton, TestButton}) {
        setTabOrder(previous, next);
        previous = next;
    }
}

bool TCOMDlg::BalanceSectionShown() const {
    return width() > ClientWidth;
}

void TCOMDlg::ShowBalanceSection(bool shown) {
    setFixedSize(shown ? ClientWidth + SectionWidth : ClientWidth, ClientHeight);
    BalanceButton->setText(shown ? tr("<< Balance") : tr("Balance >>"));
}

void TCOMDlg::ShowProfile(const BalanceProfile& profile) {
    Dialect->setCurrentIndex(Dialect->findData(static_cast<int>(profile.Dialect)));
    Address->setText(Text(profile.Address));
    Baud->setCurrentText(QString::number(profile.Line.BaudRate));
    Framing->setCurrentText(Text(FramingText(profile.Line)));
    Handshake->setCurrentIndex(static_cast<int>(profile.Line.Flow));
    UpdateLineControls();
}

// The line settings and Test wait while Auto is chosen: detection tries
// each dialect at its own.
void TCOMDlg::UpdateLineControls() {
    const bool automatic = Dialect->currentIndex() == 0;
    for (QWidget* line : std::initializer_list<QWidget*>{Baud, Framing, Handshake, TestButton})
        line->setEnabled(!automatic);
}

// A dialect the user chooses brings its own line settings.
void TCOMDlg::DialectChosen() {
    UpdateLineControls();
    if (Dialect->currentIndex() == 0)
        return;
    const LineSettings line =
        DefaultLine(static_cast<BalanceDialect>(Dialect->currentData().toInt()));
    Baud->setCurrentText(QString::number(line.BaudRate));
    Framing->setCurrentText(Text(FramingText(line)));
    Handshake->setCurrentIndex(static_cast<int>(line.Flow));
}

std::optional<BalanceProfile> TCOMDlg::Profile() const {
    if (Dialect->currentIndex() <= 0)
        return std::nullopt;
    BalanceProfile profile;
    profile.Dialect = static_cast<BalanceDialect>(Dialect->currentData().toInt());
    const std::optional<int> rate = ParseBaudRate(Baud->currentText().trimmed().toStdString());
    if (!rate || !ParseFraming(Framing->currentText().toStdString(), profile.Line))
        return std::nullopt;
    profile.Line.BaudRate = *rate;
    profile.Line.Flow = static_cast<zephra::Handshake>(Handshake->currentIndex());
    profile.Address = Address->text().trimmed().toStdString();
    if (!profile.Address.empty() && !ParseTcpAddress(profile.Address))
        return std::nullopt;
    return profile;
}

bool TCOMDlg::Probing() const {
    return runner_->Busy();
}

std::string TCOMDlg::Where() {
    const std::string address = Address->text().trimmed().toStdString();
    if (!address.empty()) {
        if (!ParseTcpAddress(address)) {
            Result->setText(tr("The network address must be tcp://HOST:PORT."));
            return {};
        }
        return address;
    }
    if (SelectedPort() == 0) {
        Result->setText(tr("Choose a COM port or enter a network address."));
        return {};
    }
    return BalanceDeviceName(SelectedPort());
}

void TCOMDlg::SetProbing(bool probing, const QString& text) {
    for (QWidget* control : std::initializer_list<QWidget*>{DetectButton, TestButton, OKButton})
        control->setEnabled(!probing);
    if (!probing)
        UpdateLineControls();
    Result->setText(text);
}

void TCOMDlg::Detect(bool acceptWhenFound) {
    const std::string where = Where();
    if (where.empty())
        return;
    SetProbing(true, tr("Trying every dialect on %1...").arg(Text(where)));
    runner_->Detect(where,
                    [this, where, acceptWhenFound](const BalanceProbeRunner::Answer& answer) {
                        if (!answer.failure.empty()) {
                            SetProbing(false, Text(answer.failure));
                            return;
                        }
                        if (!answer.detected) {
                            SetProbing(false, tr("No balance answered on %1 in any dialect. Check "
                                                 "the cable, the port and that the balance is on.")
                                                  .arg(Text(where)));
                            return;
                        }
                        Detected(answer.detected, acceptWhenFound);
                    });
}

void TCOMDlg::Detected(const std::optional<DetectedBalance>& found, bool acceptWhenFound) {
    BalanceProfile profile;
    profile.Dialect = found->dialect;
    profile.Line = DefaultLine(found->dialect);
    profile.Address = Address->text().trimmed().toStdString();
    ShowProfile(profile);
    QString text = tr("Found %1 at %2: %3")
                       .arg(Text(DialectKey(found->dialect)), Text(LineText(profile.Line)),
                            Text(WeightReadingText(found->reading)));
    if (!found->identity.empty())
        text += QStringLiteral(" (%1)").arg(Text(found->identity));
    SetProbing(false, text);
    if (acceptWhenFound)
        QDialog::accept();
}

void TCOMDlg::Test() {
    const std::string where = Where();
    if (where.empty())
        return;
    const std::optional<BalanceProfile> profile = Profile();
    if (!profile) {
        Result->setText(tr("The rate must be a number of bit/s."));
        return;
    }
    SetProbing(true, tr("Asking %1 for a weight...").arg(Text(where)));
    runner_->Read(where, *profile, [this](const BalanceProbeRunner::Answer& answer) {
        SetProbing(false, Text(answer.failure.empty() ? WeightReadingText(answer.reading)
                                                      : answer.failure));
    });
}

void TCOMDlg::accept() {
    if (Probing())
        return;
    if (BalanceSectionShown() && Dialect->currentIndex() == 0) {
        Detect(true);
        return;
    }
    QDialog::accept();
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

#include "support/ChildProcess.h"
#include "support/ScriptedBoxes.h"

#include "acquisition/SettingsFile.h"
#include "acquisition/ui/COMDlg.h"
#include "acquisition/ui/NewDataDlg.h"
#include "acquisition/ui/ScaleConnection.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <filesystem>
#include <fstream>
#include <functional>

using namespace zephra;

namespace {

// Runs `action` on the modal dialog of type T as soon as it is shown.
template <typename T> void WhenShown(std::function<void(T&)> action) {
    QTimer::singleShot(0, [action] {
        auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        action(*dialog);
    });
}

} // namespace

class AcquisitionDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        QVERIFY(config_.isValid());
        qputenv("XDG_CONFIG_HOME", config_.path().toUtf8());
        settingsPath_ = SettingsFilePath();
        env_ = TEnvironmentRec{};
        for (std::size_t i = 0; i < sizeof env_.Reserved; ++i)
            env_.Reserved[i] = static_cast<std::uint8_t>(i);
        QFile::remove(QString::fromStdString(settingsPath_));
    }

    void comDialogSelectsTheStoredPortOrNone_data() {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("selected");
        QTest::newRow("3") << 3 << 3;
        QTest::newRow("9") << 9 << 9;
        QTest::newRow("0") << 0 << 0;
        QTest::newRow("12") << 12 << 0;
    }
    void comDialogSelectsTheStoredPortOrNone() {
        QFETCH(int, stored);
        QFETCH(int, selected);
        TCOMDlg dialog(nullptr);
        dialog.SelectPort(stored);
        QCOMPARE(dialog.SelectedPort(), selected);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Set scale connection"));
        QCOMPARE(dialog.size(), QSize(225, 330));
        QCOMPARE(dialog.COM[2]->geometry(), QRect(88, 110, 57, 17));
    }

    void comDialogShowsTheDeviceOfEachPort() {
        QDir(config_.path()).mkpath(QStringLiteral("zephra/ports"));
        const QString device = config_.filePath(QStringLiteral("pts-device"));
        QFile(device).open(QIODevice::WriteOnly);
        QFile::link(device, config_.filePath(QStringLiteral("zephra/ports/COM3")));
        QFile::link(config_.filePath(QStringLiteral("gone")),
                    config_.filePath(QStringLiteral("zephra/ports/COM4")));
        TCOMDlg dialog(nullptr);
        QCOMPARE(dialog.Device[2]->toolTip(), device);
        QVERIFY(dialog.Device[2]->isEnabled());
        QCOMPARE(dialog.Device[3]->text(), QStringLiteral("not present"));
        QVERIFY(!dialog.Device[3]->isEnabled());
    }

    void okStoresThePortAndRewritesTheFile() {
        serial::TComPort port(nullptr);
        ScriptedBoxes boxes;
        env_.SetScalePortNumber(3);
        WhenShown<TCOMDlg>([](TCOMDlg& dialog) {
            QCOMPARE(dialog.SelectedPort(), 3);
            dialog.COM[4]->setChecked(true);
            dialog.OKButton->click();
        });
        SetScaleConnectionExecute(nullptr, env_, port, boxes, settingsPath_);
        QCOMPARE(port.DeviceName(), std::string("COM5"));
        QCOMPARE(env_.ScalePortNumber(), 5);
        TEnvironmentRec back{};
        QCOMPARE(ReadDataFile(settingsPath_, back), 0);
        QCOMPARE(back.ScalePortNumber(), 5);
        QCOMPARE(back.Reserved[200], std::uint8_t(200));
        QVERIFY(boxes.shown.empty());
    }

    void cancelAndOkWithoutSelectionChangeNothing() {
        for (const bool cancel : {true, false}) {
            serial::TComPort port(nullptr);
            port.SetDeviceName("COM12");
            ScriptedBoxes boxes;
            env_.SetScalePortNumber(12);
            WhenShown<TCOMDlg>([cancel](TCOMDlg& dialog) {
                if (cancel) {
                    dialog.COM[0]->setChecked(true);
                    dialog.CancelButton->click();
                } else {
                    dialog.OKButton->click();
                }
            });
            SetScaleConnectionExecute(nullptr, env_, port, boxes, settingsPath_);
            QCOMPARE(port.DeviceName(), std::string("COM12"));
            QCOMPARE(env_.ScalePortNumber(), 12);
            QVERIFY(!QFile::exists(QString::fromStdString(settingsPath_)));
        }
    }

    void unwritableSettingsFileIsReportedAndThePortStaysChanged() {
        serial::TComPort port(nullptr);
        ScriptedBoxes boxes;
        QDir(config_.path()).mkpath(QStringLiteral("zephra/zephra.dat"));
        WhenShown<TCOMDlg>([](TCOMDlg& dialog) {
            dialog.COM[1]->setChecked(true);
            dialog.OKButton->click();
        });
        SetScaleConnectionExecute(nullptr, env_, port, boxes, settingsPath_);
        QCOMPARE(port.DeviceName(), std::string("COM2"));
        QCOMPARE(boxes.shown.size(), std::size_t(1));
        QCOMPARE(boxes.shown[0].first, BoxKind::Error);
        QVERIFY(boxes.shown[0].second.rfind("I/O Error type ", 0) == 0);
        QDir(config_.filePath(QStringLiteral("zephra/zephra.dat"))).removeRecursively();
    }

    // The balance section opens to the right of the specified controls,
    // which keep their places; a profile opens it at once.
    void balanceSectionOpensBesideTheSpecifiedControls() {
        TCOMDlg plain(nullptr);
        QVERIFY(!plain.BalanceSectionShown());
        QCOMPARE(plain.size(), QSize(225, 330));
        QVERIFY(plain.BalanceButton->geometry().top() >= 297);
        QCOMPARE(plain.Dialect->currentText(), QStringLiteral("esc-p"));
        QCOMPARE(plain.Baud->currentText(), QStringLiteral("1200"));
        QCOMPARE(plain.Framing->currentText(), QStringLiteral("7O1"));
        QCOMPARE(plain.Profile(), std::optional<BalanceProfile>(BalanceProfile{}));
        plain.BalanceButton->click();
        QVERIFY(plain.BalanceSectionShown());
        QCOMPARE(plain.height(), 330);
        QCOMPARE(plain.COM[2]->geometry(), QRect(88, 110, 57, 17));
        QCOMPARE(plain.OKButton->geometry(), QRect(128, 272, 75, 25));
        QVERIFY(plain.Dialect->geometry().left() >= 225);

        const BalanceProfile profile{
            BalanceDialect::Sma, {4800, 8, 'E', 1, Handshake::RtsCts}, "tcp://10.0.0.5:4001"};
        TCOMDlg shown(nullptr, profile);
        QVERIFY(shown.BalanceSectionShown());
        QCOMPARE(shown.Profile(), std::optional<BalanceProfile>(profile));
        // Choosing a dialect brings its line settings; Auto has none.
        shown.Dialect->setCurrentIndex(shown.Dialect->findText(QStringLiteral("a-and-d")));
        emit shown.Dialect->activated(shown.Dialect->currentIndex());
        QCOMPARE(shown.Baud->currentText(), QStringLiteral("2400"));
        QCOMPARE(shown.Framing->currentText(), QStringLiteral("7E1"));
        QCOMPARE(shown.Handshake->currentText(), QStringLiteral("none"));
        shown.Dialect->setCurrentIndex(0);
        emit shown.Dialect->activated(0);
        QVERIFY(!shown.Baud->isEnabled());
        QVERIFY(!shown.TestButton->isEnabled());
        QVERIFY(!shown.Profile());
    }

    // Detect finds the balance on the chosen COM port and Test reads it,
    // beside the window; Test also reaches a balance on the network.
    void detectAndTestAgainstTheSimulator() {
        Simulator simulator(BalanceSimulatorArgs("a-and-d", "kg", {"--link", "COM5"}));
        TCOMDlg dialog(nullptr);
        dialog.BalanceButton->click();
        dialog.DetectButton->click();
        QVERIFY(dialog.Result->text().contains(QStringLiteral("Choose a COM port")));
        // A port without a device says so at once, and why.
        dialog.SelectPort(8);
        dialog.DetectButton->click();
        QTRY_VERIFY_WITH_TIMEOUT(!dialog.Probing(), 15000);
        QVERIFY2(dialog.Result->text().startsWith(
                     QStringLiteral("The balance's port could not be opened (COM8: ")),
                 qPrintable(dialog.Result->text()));
        dialog.SelectPort(5);
        dialog.DetectButton->click();
        QVERIFY(dialog.Probing());
        QVERIFY(!dialog.OKButton->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(!dialog.Probing(), 15000);
        QCOMPARE(dialog.Result->text(),
                 QStringLiteral("Found a-and-d at 2400 7E1: +00.01250 kg = 12.50 g, stable (ID "
                                "LAB-0123)"));
        QCOMPARE(dialog.Dialect->currentText(), QStringLiteral("a-and-d"));
        QCOMPARE(dialog.Baud->currentText(), QStringLiteral("2400"));
        QVERIFY(dialog.OKButton->isEnabled());

        dialog.TestButton->click();
        QTRY_VERIFY_WITH_TIMEOUT(!dialog.Probing(), 10000);
        QCOMPARE(dialog.Result->text(), QStringLiteral("+00.01250 kg = 12.50 g, stable"));

        // The wrong dialect: the balance does not understand the request.
        dialog.Dialect->setCurrentIndex(dialog.Dialect->findText(QStringLiteral("ohaus")));
        emit dialog.Dialect->activated(dialog.Dialect->currentIndex());
        dialog.Baud->setCurrentText(QStringLiteral("2400"));
        dialog.Framing->setCurrentText(QStringLiteral("7E1"));
        dialog.TestButton->click();
        QTRY_VERIFY_WITH_TIMEOUT(!dialog.Probing(), 10000);
        QCOMPARE(dialog.Result->text(), QStringLiteral("The reply was not a weight."));

        Simulator network(BalanceSimulatorArgs("mt-sics", "g", {"--tcp", "0", "--unstable", "1"}));
        dialog.Address->setText(QString::fromStdString(network.Device()));
        dialog.Dialect->setCurrentIndex(dialog.Dialect->findText(QStringLiteral("mt-sics")));
        emit dialog.Dialect->activated(dialog.Dialect->currentIndex());
        dialog.TestButton->click();
        QTRY_VERIFY_WITH_TIMEOUT(!dialog.Probing(), 10000);
        QCOMPARE(dialog.Result->text(), QStringLiteral("12.50 g, in motion"));
    }

    // OK with Auto detects first and stores the balance found in
    // balance.conf; the ESC P link at its own settings writes no file.
    void okTakesTheBalanceIntoItsProfile() {
        Simulator simulator(BalanceSimulatorArgs("sma", "g", {"--link", "COM6"}));
        serial::TComPort port(nullptr);
        ScriptedBoxes boxes;
        const std::string profilePath = BalanceProfilePath();
        BalanceSetup setup{std::nullopt, profilePath};

        WhenShown<TCOMDlg>([](TCOMDlg& dialog) { dialog.OKButton->click(); });
        env_.SetScalePortNumber(6);
        SetScaleConnectionExecute(nullptr, env_, port, boxes, settingsPath_, &setup);
        QVERIFY(!setup.profile);
        QVERIFY(!std::filesystem::exists(profilePath));
        QVERIFY(std::filesystem::exists(settingsPath_));

        WhenShown<TCOMDlg>([](TCOMDlg& dialog) {
            dialog.BalanceButton->click();
            dialog.Dialect->setCurrentIndex(0);
            emit dialog.Dialect->activated(0);
            dialog.OKButton->click();
            QVERIFY(dialog.isVisible()); // detecting
        });
        SetScaleConnectionExecute(nullptr, env_, port, boxes, settingsPath_, &setup);
        QVERIFY(setup.profile);
        QCOMPARE(setup.profile->Dialect, BalanceDialect::Sma);
        const BalanceProfileRead stored = ReadBalanceProfile(profilePath);
        QVERIFY(stored.profile);
        QCOMPARE(*stored.profile, *setup.profile);
        QVERIFY(boxes.shown.empty());

        // A network address needs no COM port; the profile is rewritten.
        WhenShown<TCOMDlg>([](TCOMDlg& dialog) {
            QVERIFY(dialog.BalanceSectionShown());
            QCOMPARE(dialog.Dialect->currentText(), QStringLiteral("sma"));
            dialog.COM[5]->setAutoExclusive(false);
            dialog.COM[5]->setChecked(false);
            dialog.Address->setText(QStringLiteral("tcp://127.0.0.1:4001"));
            dialog.OKButton->click();
        });
        SetScaleConnectionExecute(nullptr, env_, port, boxes, settingsPath_, &setup);
        QCOMPARE(setup.profile->Address, std::string("tcp://127.0.0.1:4001"));
        QCOMPARE(ReadBalanceProfile(profilePath).profile->Address,
                 std::string("tcp://127.0.0.1:4001"));

        // An unwritable profile is reported and stays in effect.
        std::filesystem::remove(profilePath);
        std::filesystem::create_directory(profilePath);
        WhenShown<TCOMDlg>([](TCOMDlg& dialog) {
            dialog.Dialect->setCurrentIndex(dialog.Dialect->findText(QStringLiteral("ohaus")));
            emit dialog.Dialect->activated(dialog.Dialect->currentIndex());
            dialog.OKButton->click();
        });
        SetScaleConnectionExecute(nullptr, env_, port, boxes, settingsPath_, &setup);
        QCOMPARE(setup.profile->Dialect, BalanceDialect::Ohaus);
        QCOMPARE(boxes.shown.size(), std::size_t(1));
        QVERIFY(boxes.shown[0].second.find("BALANCE.CONF") != std::string::npos);
        std::filesystem::remove_all(profilePath);
    }

    void rangeCheck_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QString>("shown");
        QTest::newRow("empty") << QString() << false << QString();
        QTest::newRow("not a number") << QStringLiteral("abc") << false << QStringLiteral("abc");
        QTest::newRow("too high") << QStringLiteral("2.5") << false << QStringLiteral("2.5");
        QTest::newRow("too low") << QStringLiteral("0.05") << false << QStringLiteral("0.05");
        QTest::newRow("one") << QStringLiteral("1") << true << QStringLiteral("1.0000");
        QTest::newRow("wine") << QStringLiteral(" .9956") << true << QStringLiteral("0.9956");
    }
    void rangeCheck() {
        QFETCH(QString, typed);
        QFETCH(bool, accepted);
        QFETCH(QString, shown);
        ScriptedBoxes boxes;
        TNewDataDlg dialog(nullptr, boxes);
        dialog.MaxDuration18->setChecked(true);
        dialog.Density->setText(typed);
        dialog.RangeCheck();
        QCOMPARE(dialog.result() == QDialog::Accepted, accepted);
        QCOMPARE(dialog.Density->text(), shown);
        QCOMPARE(boxes.Count("Density is out of Range. Please enter a value between 2 and 0.1."),
                 accepted ? 0 : 1);
    }

    // Where the locale writes decimals with a comma the density takes one
    // and shows the point; elsewhere the comma is refused as typed.
    void densityTakesTheLocalesDecimalComma() {
        const QLocale before;
        for (const bool comma : {true, false}) {
            QLocale::setDefault(comma ? QLocale(QLocale::Italian, QLocale::Italy)
                                      : QLocale(QLocale::English, QLocale::UnitedStates));
            ScriptedBoxes boxes;
            TNewDataDlg dialog(nullptr, boxes);
            dialog.MaxDuration18->setChecked(true);
            dialog.Density->setText(QStringLiteral("0,9956"));
            dialog.RangeCheck();
            QCOMPARE(dialog.result() == QDialog::Accepted, comma);
            QCOMPARE(dialog.Density->text(), comma ? QStringLiteral("0.9956") : "0,9956");
        }
        QLocale::setDefault(before);
    }

    void settingsTakeDensityAndDuration() {
        ScriptedBoxes boxes;
        TNewDataDlg dialog(nullptr, boxes);
        dialog.MaxDuration18->setChecked(true);
        dialog.MaxDuration72->setChecked(true);
        dialog.Density->setText(QStringLiteral("1.0120"));
        const RunSettings settings = dialog.Settings();
        QCOMPARE(settings.Density, 1.012);
        QCOMPARE(settings.MaxMinutes, 72);
        QVERIFY(!dialog.MaxDuration18->isChecked());
    }

private:
    // A simulated balance of `protocol` weighing 12.5 g, shown in `unit`.
    static std::vector<std::string> BalanceSimulatorArgs(const char* protocol, const char* unit,
                                                         std::vector<std::string> more) {
        more.insert(more.begin(), {"--protocol", protocol, "--unit", unit, "--weight", "12.5",
                                   "--noise", "0", "--delay", "0"});
        return more;
    }

    QTemporaryDir config_;
    std::string settingsPath_;
    TEnvironmentRec env_{};
};

QTEST_MAIN(AcquisitionDialogsTest)
#include "AcquisitionDialogsTest.moc"

#include "support/ScriptedBoxes.h"

#include "acquisition/SettingsFile.h"
#include "acquisition/ui/COMDlg.h"
#include "acquisition/ui/NewDataDlg.h"
#include "acquisition/ui/ScaleConnection.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

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
    QTemporaryDir config_;
    std::string settingsPath_;
    TEnvironmentRec env_{};
};

QTEST_MAIN(AcquisitionDialogsTest)
#include "AcquisitionDialogsTest.moc"

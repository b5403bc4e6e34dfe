// The Qt side of the serial component: the port-settings dialog and the main-thread dispatcher.

#include "serial/ComPort.h"
#include "serial/ui/InstallSerialUi.h"
#include "serial/ui/PortSettingsDialog.h"
#include "serial/ui/QtMainThreadDispatcher.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <QtTest>

#include <atomic>
#include <stdexcept>
#include <thread>

using namespace zephra::serial;
using namespace zephra::serial::ui;

class SerialUiTest : public QObject {
    Q_OBJECT
private slots:
    void DialogShowsTheValues();
    void DialogReturnsTheChoices();
    void DialogTakesATypedRateAndRefusesNoRate();
    void ExecuteStoresTheValuesOnlyWhenConfirmed();
    void SynchronizeRunsOnTheMainThreadAndWaits();
    void SynchronizeCarriesExceptionsBack();
    void QueueRunsLaterAndShowsItsErrors();
    void InstallSetsDispatcherAndDialog();
};

void SerialUiTest::DialogShowsTheValues() {
    PortSettingsDialog dialog("/dev/ttyUSB0", {19200, 7, 1, 2, TDialogFlowControl::Hardware});
    QCOMPARE(dialog.windowTitle(), QString("Port Settings - /dev/ttyUSB0"));
    QCOMPARE(dialog.RateBox()->currentText(), QString("19200"));
    QCOMPARE(dialog.DataBitsBox()->currentText(), QString("7"));
    QCOMPARE(dialog.ParityBox()->currentText(), QString("Odd"));
    QCOMPARE(dialog.StopBitsBox()->currentText(), QString("2"));
    QCOMPARE(dialog.FlowControlBox()->currentText(), QString("Hardware"));
    QVERIFY(dialog.Buttons()->button(QDialogButtonBox::Ok)->isEnabled());
}

void SerialUiTest::DialogReturnsTheChoices() {
    PortSettingsDialog dialog("COM1", {});
    dialog.RateBox()->setCurrentText("1200");
    dialog.DataBitsBox()->setCurrentIndex(dialog.DataBitsBox()->findText("5"));
    dialog.ParityBox()->setCurrentIndex(dialog.ParityBox()->findText("Space"));
    dialog.StopBitsBox()->setCurrentIndex(dialog.StopBitsBox()->findText("1.5"));
    dialog.FlowControlBox()->setCurrentIndex(dialog.FlowControlBox()->findText("Xon / Xoff"));
    const TPortDialogValues expected{1200, 5, 4, 1, TDialogFlowControl::XOnXOff};
    QVERIFY(dialog.Values() == expected);
}

void SerialUiTest::DialogTakesATypedRateAndRefusesNoRate() {
    PortSettingsDialog dialog("COM1", {9600, 16, 0, 0, TDialogFlowControl::None});
    QCOMPARE(dialog.DataBitsBox()->currentText(), QString("16"));
    QPushButton* ok = dialog.Buttons()->button(QDialogButtonBox::Ok);
    dialog.RateBox()->setCurrentText("31250");
    QVERIFY(ok->isEnabled());
    QCOMPARE(dialog.Values().BaudRate, 31250u);
    QCOMPARE(dialog.Values().DataBits, std::uint8_t(16));
    dialog.RateBox()->setCurrentText("");
    QVERIFY(!ok->isEnabled());
    dialog.RateBox()->setCurrentText("0");
    QVERIFY(!ok->isEnabled());
}

void SerialUiTest::ExecuteStoresTheValuesOnlyWhenConfirmed() {
    QtPortConfigDialog dialog;
    for (const bool confirm : {false, true}) {
        TPortDialogValues values{4800, 8, 2, 0, TDialogFlowControl::None};
        QTimer::singleShot(0, [confirm] {
            auto* shown = qobject_cast<PortSettingsDialog*>(QApplication::activeModalWidget());
            QVERIFY(shown != nullptr);
            shown->RateBox()->setCurrentText("2400");
            if (confirm) {
                shown->accept();
            } else {
                shown->reject();
            }
        });
        QCOMPARE(dialog.Execute("/dev/ttyS1", values), confirm);
        QCOMPARE(values.BaudRate, confirm ? 2400u : 4800u);
        QCOMPARE(values.Parity, std::uint8_t(2));
    }
}

void SerialUiTest::SynchronizeRunsOnTheMainThreadAndWaits() {
    QtMainThreadDispatcher dispatcher;
    QVERIFY(dispatcher.IsMainThread());
    std::atomic<bool> ranOnMain{false};
    std::atomic<bool> returned{false};
    std::atomic<bool> workerIsMain{true};
    std::thread worker([&] {
        workerIsMain = dispatcher.IsMainThread();
        dispatcher.Synchronize([&] { ranOnMain = QThread::currentThread() == qApp->thread(); });
        returned = true;
    });
    QTRY_VERIFY(returned.load());
    worker.join();
    QVERIFY(ranOnMain.load());
    QVERIFY(!workerIsMain.load());
}

void SerialUiTest::SynchronizeCarriesExceptionsBack() {
    QtMainThreadDispatcher dispatcher;
    std::atomic<bool> caught{false};
    std::thread worker([&] {
        try {
            dispatcher.Synchronize([] { throw EComError(5, "gone"); });
        } catch (const EComError& e) {
            caught = e.ErrorCode() == 5;
        }
    });
    QTRY_VERIFY(caught.load());
    worker.join();
}

void SerialUiTest::QueueRunsLaterAndShowsItsErrors() {
    QStringList shown;
    QtMainThreadDispatcher dispatcher(nullptr, [&](const QString& text) { shown << text; });
    bool ran = false;
    dispatcher.Queue([&] { ran = true; });
    dispatcher.Queue([] { throw std::runtime_error("handler failed"); });
    dispatcher.Queue([] { throw EAbort(); });
    QVERIFY(!ran);
    QTRY_VERIFY(ran);
    QTRY_COMPARE(shown, QStringList{"handler failed"});
    std::thread([&] {
        dispatcher.ShowException(std::make_exception_ptr(EComError(5, "Input/output error")));
    }).join();
    QTRY_COMPARE(shown, (QStringList{"handler failed", "Input/output error"}));
}

void SerialUiTest::InstallSetsDispatcherAndDialog() {
    {
        QObject owner;
        InstallSerialUi(&owner);
        QVERIFY(dynamic_cast<QtMainThreadDispatcher*>(&MainThreadDispatcher()) != nullptr);
        QVERIFY(dynamic_cast<QtPortConfigDialog*>(PortConfigDialog()) != nullptr);
    }
    // The dispatcher goes with its owner and leaves the default behind.
    QVERIFY(dynamic_cast<QtMainThreadDispatcher*>(&MainThreadDispatcher()) == nullptr);
    SetPortConfigDialog(nullptr);
}

QTEST_MAIN(SerialUiTest)
#include "SerialUiTest.moc"

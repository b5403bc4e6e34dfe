// The main window's commands while a collection run goes on, against the
// balance simulator on a pseudo-terminal.

#include "UiScript.h"

#include "acquisition/CollectionRun.h"
#include "acquisition/ui/CollectionSession.h"
#include "acquisition/ui/DataCollectionDlg.h"
#include "acquisition/ui/NewDataDlg.h"
#include "app/MainForm.h"
#include "document/WineFile.h"
#include "support/ChildProcess.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <atomic>
#include <chrono>
#include <cstring>
#include <memory>
#include <thread>

using namespace zephra;
using zephra::testing::UiScript;

class CollectionCommandsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<UiScript> ui;
    std::unique_ptr<TMainForm> form;

    // Answers the Collect New Data dialog with density 1 while it lives.
    class NewDataAnswer {
    public:
        NewDataAnswer() {
            QObject::connect(&timer_, &QTimer::timeout, [] {
                if (auto* dialog = qobject_cast<TNewDataDlg*>(QApplication::activeModalWidget())) {
                    dialog->Density->setText(QStringLiteral("1"));
                    dialog->GoButton->click();
                }
            });
            timer_.start(10);
        }

    private:
        QTimer timer_;
    };

    TMDIChild* OpenWine(const QString& name) {
        TWineRec rec{};
        rec.Conditions.WineName.assign("Merlot");
        rec.Data.V[0].assign("  12.3");
        rec.Data.T[0].M.assign("  0");
        rec.Data.T[0].Sc.assign("15");
        const QString path = dir->filePath(name);
        if (WriteWineFile(QFile::encodeName(path).toStdString(), rec) != 0)
            qFatal("cannot write a test wine");
        return form->Documents->CreateWineWindow(path);
    }

private slots:
    void init() {
        dir = std::make_unique<QTemporaryDir>();
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir->filePath("config")));
        qputenv("XDG_STATE_HOME", QFile::encodeName(dir->filePath("state")));
        QDir().mkpath(dir->filePath("config/zephra"));
        QFile settings(dir->filePath("config/zephra/zephra.dat"));
        QVERIFY(settings.open(QIODevice::WriteOnly));
        settings.write(QByteArray(1544, '\0'));
        settings.close();
        ui = std::make_unique<UiScript>();
        form = std::make_unique<TMainForm>(ui->Services());
        form->ShowWelcome = false;
        form->show();
        ui->Events.clear();
    }
    void cleanup() {
        form.reset();
        QCOMPARE(ui->Unexpected, QStringList());
        ui.reset();
        dir.reset();
    }

    // Edit Data and Edit Conditions on the wine being collected would show
    // the rows of the moment and write them back over the readings taken
    // meanwhile: they are refused with the run's message. Another wine
    // window may still be edited.
    void editCommandsAreRefusedOnTheWineBeingCollected() {
        Simulator simulator({"--flow", "40", "--fouling", "0"});
        form->ComPort.SetDeviceName(simulator.Device());
        TMDIChild* other = OpenWine("other.zph");
        TMDIChild* collected = OpenWine("collected.zph");
        QCOMPARE(form->Documents->ActiveWineWindow(), collected);

        QStringList dialogs;
        QTimer answer;
        connect(&answer, &QTimer::timeout, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal)
                return;
            dialogs << modal->windowTitle();
            if (auto* newData = qobject_cast<TNewDataDlg*>(modal)) {
                newData->Density->setText(QStringLiteral("1"));
                newData->GoButton->click();
            } else {
                modal->close();
            }
        });
        answer.start(10);
        form->CollectNewData->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(form->findChild<CollectionSession*>(), 2000);
        QCOMPARE(dialogs, QStringList{"Collect New Data"});

        ui->BoxAnswers = {BoxAnswer::Ok, BoxAnswer::Ok};
        form->EditData->trigger();
        form->EditConditions->trigger();
        const QString refused = QString::fromLatin1(CollectionSession::RunInProgressText);
        QCOMPARE(ui->Events, (QStringList{"box: " + refused, "box: " + refused}));
        QCOMPARE(dialogs, QStringList{"Collect New Data"});

        form->MdiArea->setActiveSubWindow(other);
        form->EditData->trigger();
        QCOMPARE(dialogs.size(), 2);

        auto* progress = form->findChild<TDataCollectionDlg*>();
        QVERIFY(progress);
        QTest::keyClick(progress, Qt::Key_X);
        QTRY_VERIFY_WITH_TIMEOUT(!form->findChild<CollectionSession*>(), 2000);
        QCOMPARE(collected->WineClass.WineRec.Data.V[0].text(), std::string_view("  12.3"));
    }

    // Yes to the question after a run saves a wine that has a file to that
    // file, as Save does: no save dialog, no overwrite question.
    void saveQuestionAfterARunSavesANamedWineToItsFile() {
        Simulator simulator({"--flow", "40", "--fouling", "0"});
        form->ComPort.SetDeviceName(simulator.Device());
        TMDIChild* window = OpenWine("merlot.zph");
        QTimer::singleShot(0, [] {
            auto* newData = qobject_cast<TNewDataDlg*>(QApplication::activeModalWidget());
            QVERIFY(newData);
            newData->Density->setText(QStringLiteral("1"));
            newData->GoButton->click();
        });
        form->CollectNewData->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(!window->WineClass.WineRec.Data.V[0].empty(), 20000);
        auto* progress = form->findChild<TDataCollectionDlg*>();
        QVERIFY(progress);
        ui->BoxAnswers = {BoxAnswer::Yes};
        QTest::keyClick(progress, Qt::Key_X);
        QTRY_VERIFY_WITH_TIMEOUT(!form->findChild<CollectionSession*>(), 2000);
        QCOMPARE(ui->Events,
                 (QStringList{"box: " + QString::fromLatin1(SaveQuestionText), "wait 400"}));
        QVERIFY(!window->WineClass.Modified);
        WineFileContents saved;
        QVERIFY(
            ReadWineFile(QFile::encodeName(dir->filePath("merlot.zph")).toStdString(), saved, *ui));
        QCOMPARE(std::memcmp(&saved.Rec, &window->WineClass.WineRec, sizeof(TWineRec)), 0);
        // The run noted when the trial started.
        QCOMPARE(saved.Notes.TrialStarted.size(), TrialStartedLength);
        QVERIFY(saved.Notes == window->WineClass.Notes);
    }

    // Quitting right after X, while the exchange thread still closes the
    // port (slowly, as a draining port or a close handler may): neither the
    // main window's port nor anything else the thread uses may go before it
    // has let go. Closed, the main window closes once the run has ended;
    // destroyed at once, its destruction waits for the thread.
    void quittingRightAfterXWaitsForThePortToClose_data() {
        QTest::addColumn<bool>("close");
        QTest::newRow("closed") << true;
        QTest::newRow("destroyed") << false;
    }
    void quittingRightAfterXWaitsForThePortToClose() {
        QFETCH(bool, close);
        Simulator simulator({"--delay", "3000", "--weight", "10"});
        form->ComPort.SetDeviceName(simulator.Device());
        OpenWine("collected.zph");
        std::atomic<int> closes = 0; // the tare's, then the run's end
        std::atomic<int> inside = 0; // closes going on at once
        std::atomic<int> overlaps = 0;
        std::atomic<int> done = 0;
        std::atomic<bool> onMainThread = false;
        const std::thread::id mainThread = std::this_thread::get_id();
        form->ComPort.BeforeClose = [&](serial::TCustomComPort*) {
            if (++closes == 1)
                return;
            if (inside++ > 0)
                ++overlaps;
            onMainThread = onMainThread || std::this_thread::get_id() == mainThread;
            std::this_thread::sleep_for(std::chrono::milliseconds(500));
            --inside;
            ++done;
        };
        {
            NewDataAnswer answer;
            form->CollectNewData->trigger();
        }
        auto* session = form->findChild<CollectionSession*>();
        QVERIFY(session);
        // the tare is done, the starting weight's reply takes 3 s
        QTRY_VERIFY_WITH_TIMEOUT(closes == 1 && form->ComPort.Active(), 2000);
        QVERIFY(session->Run().AwaitingBalance());
        QTest::keyClick(session->ProgressWindow(), Qt::Key_X);
        if (close) {
            QVERIFY(!form->close());
            QTRY_VERIFY_WITH_TIMEOUT(!form->isVisible(), 3000);
            QCOMPARE(done.load(), 1);
        }
        form.reset();
        QCOMPARE(closes.load(), 2);
        QCOMPARE(done.load(), 1);
        QCOMPARE(overlaps.load(), 0);
        QVERIFY(!onMainThread);
    }
};

QTEST_MAIN(CollectionCommandsTest)
#include "CollectionCommandsTest.moc"

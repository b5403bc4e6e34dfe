#include "support/ScriptedBoxes.h"

#include "acquisition/ExchangeThread.h"
#include "acquisition/ui/CollectionSession.h"
#include "acquisition/ui/DataCollectionDlg.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QWidget>
#include <QtTest>

#include <chrono>
#include <functional>
#include <thread>

using namespace zephra;

namespace {

// Simulated time running `factor` times faster than real time: at 100 every
// pass of the session's timer moves the run on by about 10 s.
class FastClock : public RunClock {
public:
    explicit FastClock(int factor = 100) : factor_(factor) { timer_.start(); }
    std::int64_t NowMs() override { return timer_.elapsed() * factor_; }

private:
    QElapsedTimer timer_;
    int factor_;
};

// Time that stands still until the test moves it, as it jumps after the
// computer slept or the program was stopped.
class JumpingClock : public RunClock {
public:
    std::int64_t NowMs() override { return now; }
    std::atomic<std::int64_t> now = 0;
};

class FakeBalance : public Balance {
public:
    explicit FakeBalance(RunClock& clock) : clock_(clock) {}
    void Tare() override {}
    WeightReading GetWeight() override {
        const int request = requests++;
        if (request == throwAt)
            throw BalanceError(throwText, throwGone);
        if (request == unreadableAt)
            return {"   x", 0.0, true};
        const double seconds = static_cast<double>(clock_.NowMs()) / 1000.0;
        if (filtrate)
            return {"", 250.0 + filtrate(seconds), false};
        // at least 5 g more at every request, however close together they come
        return {"", 250.0 + 5.0 * request + seconds, false};
    }
    void Close() noexcept override {
        ++closes;
        std::this_thread::sleep_for(std::chrono::milliseconds(closeMs));
        ++closesDone;
    }

    std::atomic<int> requests = 0;
    std::atomic<int> closes = 0;
    std::atomic<int> closesDone = 0;
    int closeMs = 0; // a slow close: the port drains, a handler runs
    int throwAt = -1;
    std::string throwText = "Timeout";
    bool throwGone = false;
    int unreadableAt = -1;
    // Grams of filtrate after the seconds, when set (before the run starts).
    std::function<double(double)> filtrate;

private:
    RunClock& clock_;
};

class FakeTarget : public CollectionTarget {
public:
    TWineClass& Wine() override { return wine; }
    void Refresh() override {}
    TWineClass wine;
};

} // namespace

class CollectionSessionTest : public QObject {
    Q_OBJECT

private slots:
    void init() { MakeSession(100, 18); }
    void cleanup() {
        session_.reset();
        exchanges_.reset();
        wineWindow_.reset();
        mainWindow_.reset();
    }

    void xKeyStopsTheRunKeepingThePointsAndAsksToSave() {
        QSignalSpy finished(session_.get(), &CollectionSession::Finished);
        session_->Begin();
        QVERIFY(session_->Running());
        QVERIFY(session_->ProgressWindow()->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(!Data().V[1].empty(), 3000);
        QVERIFY(session_->ProgressWindow()->Time->text().contains(':'));
        QTest::keyClick(session_->ProgressWindow(), Qt::Key_A);
        QTest::qWait(150);
        QVERIFY(session_->Running());
        QTest::keyClick(session_->ProgressWindow(), Qt::Key_X);
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 1000);
        QCOMPARE(session_->End(), RunEnd::StopKey);
        QVERIFY(session_->ProgressWindow() == nullptr);
        QCOMPARE(boxes_->Count(SaveQuestionText), 1);
        QCOMPARE(saves_, 1);
        QVERIFY(!Data().V[0].empty());
        QVERIFY(balance_->closes >= 1);
    }

    void portErrorEndsTheRunCleanly() {
        balance_->throwAt = 3;
        boxes_->questionAnswer = BoxAnswer::No;
        QSignalSpy finished(session_.get(), &CollectionSession::Finished);
        session_->Begin();
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 3000);
        QCOMPARE(session_->End(), RunEnd::PortError);
        QVERIFY(session_->ProgressWindow() == nullptr);
        QCOMPARE(boxes_->shown.size(), std::size_t(2));
        QCOMPARE(boxes_->shown[0].first, BoxKind::Error);
        QVERIFY(boxes_->shown[0].second.find("Timeout") != std::string::npos);
        QCOMPARE(boxes_->shown[1].first, BoxKind::Question);
        QCOMPARE(boxes_->shown[1].second, std::string(StoppedSaveQuestionText));
        QCOMPARE(saves_, 0);
        QVERIFY(!Data().V[1].empty());
        QVERIFY(Data().V[2].empty());
        QVERIFY(balance_->closes >= 1);
        QVERIFY(wineWindow_->close());
    }

    // Unplugging the balance: the message says it is no longer connected,
    // and the countdown behind it has stopped.
    void unpluggedBalanceStopsTheCountdownAndSaysSo() {
        balance_->throwAt = 3;
        balance_->throwText = "COM3: No such file or directory";
        balance_->throwGone = true;
        boxes_->questionAnswer = BoxAnswer::No;
        QString countdownBehind = QStringLiteral("not shown");
        boxes_->whenShown = [this, &countdownBehind] {
            if (boxes_->shown.size() == 1 && session_->ProgressWindow())
                countdownBehind = session_->ProgressWindow()->Time->text();
        };
        QSignalSpy finished(session_.get(), &CollectionSession::Finished);
        session_->Begin();
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 3000);
        QCOMPARE(boxes_->shown[0].second,
                 std::string("The balance is no longer connected (COM3: No such file or "
                             "directory). Data collection will exit."));
        QCOMPARE(countdownBehind, QString());
    }

    void noPassRunsWhileAStopMessageIsUp() {
        balance_->unreadableAt = 3;
        boxes_->modalMs = 400; // about 40 s of the run's time
        QSignalSpy finished(session_.get(), &CollectionSession::Finished);
        session_->Begin();
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 5000);
        QCOMPARE(session_->End(), RunEnd::ReadingUnreadable);
        QCOMPARE(balance_->requests, 4);
        QCOMPARE(boxes_->Count(TroubleReadingText), 1);
    }

    void windowsCannotCloseDuringARun() {
        session_->Begin();
        QVERIFY(!wineWindow_->close());
        QVERIFY(wineWindow_->isVisible());
        QVERIFY(!mainWindow_->close());
        QCOMPARE(boxes_->Count(CollectionSession::RunInProgressText), 2);
        QTest::keyClick(session_->ProgressWindow(), Qt::Key_X);
        QTRY_VERIFY_WITH_TIMEOUT(!session_->InProgress(), 1000);
        QVERIFY(wineWindow_->close());
    }

    // The Stop button does what the X key does; the X key works wherever
    // the focus is in the progress window, on the button too.
    void stopButtonAndXKeyStopTheRun_data() {
        QTest::addColumn<bool>("button");
        QTest::newRow("Stop button") << true;
        QTest::newRow("X on the focused button") << false;
    }
    void stopButtonAndXKeyStopTheRun() {
        QFETCH(bool, button);
        session_->Begin();
        TDataCollectionDlg* progress = session_->ProgressWindow();
        QCOMPARE(progress->StopButton->text(), QStringLiteral("Stop"));
        QVERIFY(!progress->StopButton->autoDefault());
        QTRY_VERIFY_WITH_TIMEOUT(!Data().V[0].empty(), 3000);
        QTest::keyClick(progress->StopButton, Qt::Key_Return); // Enter does not stop
        QTest::qWait(150);
        QVERIFY(session_->Running());
        if (button)
            progress->StopButton->click();
        else
            QTest::keyClick(progress->StopButton, Qt::Key_X);
        QTRY_VERIFY_WITH_TIMEOUT(!session_->InProgress(), 1000);
        QCOMPARE(session_->End(), RunEnd::StopKey);
        QCOMPARE(boxes_->Count(SaveQuestionText), 1);
    }

    // The title bar's close button asks first: No goes on, Yes stops.
    void closingTheProgressWindowAsksWhetherToStop_data() {
        QTest::addColumn<bool>("stop");
        QTest::newRow("No") << false;
        QTest::newRow("Yes") << true;
    }
    void closingTheProgressWindowAsksWhetherToStop() {
        QFETCH(bool, stop);
        session_->Begin();
        QTRY_VERIFY_WITH_TIMEOUT(!Data().V[0].empty(), 3000);
        boxes_->questionAnswer = stop ? BoxAnswer::Yes : BoxAnswer::No;
        QVERIFY(!session_->ProgressWindow()->close());
        QTRY_COMPARE_WITH_TIMEOUT(boxes_->Count(StopQuestionText), 1, 1000);
        QCOMPARE(boxes_->shown.back().first, BoxKind::Question);
        if (stop) {
            QTRY_VERIFY_WITH_TIMEOUT(!session_->InProgress(), 1000);
            QCOMPARE(session_->End(), RunEnd::StopKey);
            return;
        }
        QTest::qWait(300);
        QVERIFY(session_->Running());
        QVERIFY(session_->ProgressWindow()->isVisible());
        QTest::keyClick(session_->ProgressWindow(), Qt::Key_X);
        QTRY_VERIFY_WITH_TIMEOUT(!session_->InProgress(), 1000);
    }

    // The progress window has the focus when the run starts, and leaves it
    // to any other window the user turns to; the X key works again as soon
    // as the progress window has the focus back.
    void progressWindowNeverTakesTheFocusBack() {
        session_->Begin();
        TDataCollectionDlg* progress = session_->ProgressWindow();
        QTRY_VERIFY_WITH_TIMEOUT(progress->isActiveWindow(), 1000);
        QWidget other;
        other.show();
        other.activateWindow();
        QTRY_VERIFY_WITH_TIMEOUT(other.isActiveWindow(), 1000);
        QTest::qWait(5 * CollectionSession::PassIntervalMs);
        QVERIFY(other.isActiveWindow());
        QVERIFY(session_->Running());
        progress->activateWindow();
        QTRY_VERIFY_WITH_TIMEOUT(progress->isActiveWindow(), 1000);
        QTest::keyClick(progress, Qt::Key_X);
        QTRY_VERIFY_WITH_TIMEOUT(!session_->InProgress(), 1000);
    }

    // After X the run waits for the balance to let the port go; a window
    // closed meanwhile closes once the run has ended and its question is
    // answered, never while the exchange thread still holds the port.
    void closeRightAfterXWaitsForTheEndOfTheRun() {
        balance_->closeMs = 400;
        boxes_->questionAnswer = BoxAnswer::No;
        session_->Begin();
        QTRY_VERIFY_WITH_TIMEOUT(!Data().V[0].empty(), 3000);
        QTest::keyClick(session_->ProgressWindow(), Qt::Key_X);
        QVERIFY(!mainWindow_->close());
        QVERIFY(mainWindow_->isVisible());
        QCOMPARE(boxes_->Count(CollectionSession::RunInProgressText), 0);
        QTRY_VERIFY_WITH_TIMEOUT(!mainWindow_->isVisible(), 3000);
        QVERIFY(!session_->InProgress());
        QCOMPARE(balance_->closesDone.load(), balance_->closes.load());
        QCOMPARE(boxes_->Count(SaveQuestionText), 1);
    }

    // The program stood still for 40 s (a suspend, SIGSTOP): the window says
    // so, one reading is taken at once, and none of those missed is made up.
    void stallIsNotedAndTheScheduleGoesOn() {
        auto clock = std::make_unique<JumpingClock>();
        JumpingClock& time = *clock;
        MakeSession(std::move(clock), 18);
        session_->Begin();
        QTRY_VERIFY_WITH_TIMEOUT(session_->Run().Started(), 1000);
        TDataCollectionDlg* progress = session_->ProgressWindow();
        QVERIFY(progress->Notice->isHidden());
        time.now = 15'000;
        QTRY_VERIFY_WITH_TIMEOUT(!Data().V[0].empty(), 1000);
        time.now = 15'400;
        QTest::qWait(2 * CollectionSession::PassIntervalMs);
        time.now = 55'400;
        QTRY_VERIFY_WITH_TIMEOUT(!Data().V[1].empty(), 1000);
        QTRY_VERIFY_WITH_TIMEOUT(progress->Notice->isVisible(), 1000);
        QCOMPARE(progress->Notice->text(), QStringLiteral("Resumed after 40 s without readings"));
        QTest::qWait(3 * CollectionSession::PassIntervalMs);
        QVERIFY(Data().V[2].empty());
        QCOMPARE(Data().T[1].Sc.text(), std::string_view("55"));
        // The next reading a whole interval after the catch-up one: 70.4 s.
        QCOMPARE(progress->Time->text(), QStringLiteral(" 0:16"));
        time.now = 70'000;
        QTest::qWait(3 * CollectionSession::PassIntervalMs);
        QVERIFY(Data().V[2].empty());
        time.now = 70'400;
        QTRY_VERIFY_WITH_TIMEOUT(!Data().V[2].empty(), 1000);
        QCOMPARE(Data().T[2].M.text(), std::string_view("  1"));
        QCOMPARE(Data().T[2].Sc.text(), std::string_view("10"));
        QTest::keyClick(progress, Qt::Key_X);
        QTRY_VERIFY_WITH_TIMEOUT(!session_->InProgress(), 1000);
    }

    void runWithoutAPointAsksNothingAndGivesTheWineBack() {
        target_->wine.WineRec.Data.V[0].assign("  12.3");
        balance_->unreadableAt = 0;
        QSignalSpy finished(session_.get(), &CollectionSession::Finished);
        session_->Begin();
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 3000);
        QCOMPARE(session_->End(), RunEnd::StartUnreadable);
        QCOMPARE(boxes_->Count(TroubleReadingText), 1);
        QCOMPARE(boxes_->Count(SaveQuestionText), 0);
        QVERIFY(session_->ProgressWindow() == nullptr);
        QCOMPARE(Data().V[0].text(), std::string_view("  12.3"));
        QVERIFY(!target_->wine.Modified);
        QCOMPARE(saves_, 0);
    }

    void liveWindowShowsThePortThePointsTheLastReadingAndTheElapsedTime() {
        session_->Begin();
        TDataCollectionDlg* progress = session_->ProgressWindow();
        QCOMPARE(progress->Port->text(), QStringLiteral("COM3 \u2192 /dev/pts/9"));
        QCOMPARE(progress->Interval->text(), QStringLiteral("15 s"));
        QTRY_VERIFY_WITH_TIMEOUT(!Data().V[1].empty(), 3000);
        QTRY_COMPARE_WITH_TIMEOUT(progress->Points->text(),
                                  QString::number(session_->Run().PointsInRecord()), 1000);
        QVERIFY(session_->Run().PointsInRecord() >= 2);
        // the weight read and the volume stored for the last point
        const int last = session_->Run().PointsInRecord() - 1;
        const QString stored = QString::fromStdString(std::string(Data().V[last].text()));
        QVERIFY(QRegularExpression(QStringLiteral("^[0-9]+\\.[0-9][0-9] g, ") +
                                   QRegularExpression::escape(stored.trimmed()) +
                                   QStringLiteral(" ml$"))
                    .match(progress->LastReading->text())
                    .hasMatch());
        QVERIFY(QRegularExpression(QStringLiteral("^[0-9]+:[0-5][0-9]$"))
                    .match(progress->Elapsed->text())
                    .hasMatch());
        QVERIFY(progress->Elapsed->text() != QStringLiteral("0:00"));
        // the specified part keeps its place
        QCOMPARE(progress->Next->geometry().topLeft(), QPoint(18, 24));
        QCOMPARE(progress->Time->geometry().topLeft(), QPoint(115, 24));
        QCOMPARE(progress->Stop->geometry().topLeft(), QPoint(18, 64));
        QCOMPARE(progress->width(), 220);
        QVERIFY(progress->Interval->geometry().bottom() < progress->height());
    }

    void liveWindowShowsTheDoubledIntervalAfterThinning() {
        MakeSession(1000, 144); // readings one per pass, 100 s of run time each
        session_->Begin();
        QPointer<TDataCollectionDlg> progress = session_->ProgressWindow();
        QTRY_VERIFY_WITH_TIMEOUT(!progress || progress->Interval->text() == QStringLiteral("30 s"),
                                 8000);
        QVERIFY(progress);
        QCOMPARE(progress->Points->text(), QStringLiteral("18"));
        QTest::keyClick(progress, Qt::Key_X);
        QTRY_VERIFY_WITH_TIMEOUT(!session_->InProgress(), 1000);
    }

    void progressWindowSitsOverTheWineWindow() {
        mainWindow_->setGeometry(0, 0, 800, 600);
        wineWindow_->setGeometry(200, 150, 500, 400);
        session_->Begin();
        const QRect progress = session_->ProgressWindow()->frameGeometry();
        QVERIFY2(wineWindow_->frameGeometry().contains(progress),
                 qPrintable(QStringLiteral("%1,%2").arg(progress.x()).arg(progress.y())));
        QTest::keyClick(session_->ProgressWindow(), Qt::Key_X);
        QTRY_VERIFY_WITH_TIMEOUT(!session_->InProgress(), 1000);
    }

    void liveWindowShowsVmaxUntilItIsKnown() {
        // A 47 mm filter whose flux of 2000 L/m²/h falls by the standard law
        // towards Vmax = 300 L/m²: the grams of filtrate after t seconds.
        TConditions& c = target_->wine.WineRec.Conditions;
        c.LabP.assign("30.0");
        c.LabFiltDia.assign("47.0");
        c.ProdP.assign("  30");
        c.ProdA.assign("10.0");
        c.ProdRate.assign("20.0");
        const double area = 0.0235 * 0.0235 * 3.14159;
        balance_->filtrate = [area](double seconds) {
            const double clean = 2000 * seconds / 3600;
            return clean / (1 + clean / 300) * area * 1000;
        };
        session_->Begin();
        TDataCollectionDlg* window = session_->ProgressWindow();
        QVERIFY(window->Vmax->text().isEmpty());
        QVERIFY(window->VmaxKnown->isHidden());
        const int height = window->height();
        QTRY_VERIFY_WITH_TIMEOUT(window->Vmax->text().contains(QStringLiteral("L/m²")), 5000);
        QTRY_VERIFY_WITH_TIMEOUT(window->VmaxKnown->isVisible(), 8000);
        QCOMPARE(window->VmaxKnown->text(),
                 QStringLiteral("Vmax known within ±5 % — the trial can be stopped."));
        QCOMPARE(window->BestLaw->text(), QStringLiteral("standard blocking"));
        QVERIFY(window->height() > height);
        QTest::keyClick(window, Qt::Key_X);
        QTRY_VERIFY_WITH_TIMEOUT(!session_->Running(), 2000);
    }

private:
    void MakeSession(int clockFactor, int maxMinutes) {
        MakeSession(std::make_unique<FastClock>(clockFactor), maxMinutes);
    }
    void MakeSession(std::unique_ptr<RunClock> clock, int maxMinutes) {
        cleanup();
        clock_ = std::move(clock);
        balance_ = std::make_unique<FakeBalance>(*clock_);
        target_ = std::make_unique<FakeTarget>();
        boxes_ = std::make_unique<ScriptedBoxes>();
        saves_ = 0;
        mainWindow_ = std::make_unique<QWidget>();
        wineWindow_ = std::make_unique<QWidget>(mainWindow_.get(), Qt::Window);
        mainWindow_->show();
        wineWindow_->show();
        exchanges_ = std::make_unique<ExchangeThread>(*balance_, *clock_, [this] {
            QMetaObject::invokeMethod(
                mainWindow_.get(),
                [this] {
                    if (session_)
                        session_->Pass();
                },
                Qt::QueuedConnection);
        });
        session_ = std::make_unique<CollectionSession>(
            *mainWindow_, *wineWindow_, *target_, *exchanges_, *clock_, *boxes_,
            RunSettings{1.0, maxMinutes}, "COM3 \u2192 /dev/pts/9", [this] { ++saves_; });
    }

    const TData& Data() const { return target_->wine.WineRec.Data; }

    std::unique_ptr<RunClock> clock_;
    std::unique_ptr<FakeBalance> balance_;
    std::unique_ptr<ExchangeThread> exchanges_;
    std::unique_ptr<FakeTarget> target_;
    std::unique_ptr<ScriptedBoxes> boxes_;
    std::unique_ptr<QWidget> mainWindow_;
    std::unique_ptr<QWidget> wineWindow_;
    std::unique_ptr<CollectionSession> session_;
    int saves_ = 0;
};

QTEST_MAIN(CollectionSessionTest)
#include "CollectionSessionTest.moc"

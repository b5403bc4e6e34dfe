#include "ScriptedBoxes.h"

#include "acquisition/DataCollapse.h"
#include "acquisition/ui/CollectionSession.h"
#include "acquisition/ui/DataCollectionDlg.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QSignalSpy>
#include <QWidget>
#include <QtTest>

using namespace zephra;

namespace {

// Simulated time running 100 times faster than real time: every pass of the
// session's timer moves the run on by about 10 s.
class FastClock : public RunClock {
public:
    FastClock() { timer_.start(); }
    std::int64_t NowMs() override { return timer_.elapsed() * 100; }

private:
    QElapsedTimer timer_;
};

class FakeBalance : public Balance {
public:
    explicit FakeBalance(RunClock& clock) : clock_(clock) {}
    void Tare() override {}
    WeightReading GetWeight() override {
        const int request = requests++;
        if (request == throwAt)
            throw BalanceError("Timeout");
        if (request == unreadableAt)
            return {"   x", 0.0, true};
        return {"", 250.0 + static_cast<double>(clock_.NowMs()) / 1000.0, false};
    }
    void Close() noexcept override { ++closes; }

    int requests = 0;
    int closes = 0;
    int throwAt = -1;
    int unreadableAt = -1;

private:
    RunClock& clock_;
};

class FakeTarget : public CollectionTarget {
public:
    TWineClass& Wine() override { return wine; }
    void Recalculate() override {}
    void DataCollapse() override { zephra::DataCollapse(wine.WineRec.Data); }
    TWineClass wine;
};

} // namespace

class CollectionSessionTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        clock_ = std::make_unique<FastClock>();
        balance_ = std::make_unique<FakeBalance>(*clock_);
        target_ = std::make_unique<FakeTarget>();
        boxes_ = std::make_unique<ScriptedBoxes>();
        saves_ = 0;
        mainWindow_ = std::make_unique<QWidget>();
        wineWindow_ = std::make_unique<QWidget>(mainWindow_.get(), Qt::Window);
        mainWindow_->show();
        wineWindow_->show();
        session_ = std::make_unique<CollectionSession>(*mainWindow_, *wineWindow_, *target_,
                                                       *balance_, *clock_, *boxes_,
                                                       RunSettings{1.0, 18}, [this] { ++saves_; });
    }
    void cleanup() {
        session_.reset();
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
        QCOMPARE(boxes_->shown[1].second, std::string(SaveQuestionText));
        QCOMPARE(saves_, 0);
        QVERIFY(!Data().V[1].empty());
        QVERIFY(Data().V[2].empty());
        QVERIFY(balance_->closes >= 1);
        QVERIFY(wineWindow_->close());
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
        QVERIFY(!session_->ProgressWindow()->close());
        QCOMPARE(boxes_->Count(CollectionSession::RunInProgressText), 2);
        QTest::keyClick(session_->ProgressWindow(), Qt::Key_X);
        QTRY_VERIFY_WITH_TIMEOUT(!session_->Running(), 1000);
        QVERIFY(wineWindow_->close());
    }

    void failedStartStillAsksTheQuestion() {
        balance_->unreadableAt = 0;
        QSignalSpy finished(session_.get(), &CollectionSession::Finished);
        session_->Begin();
        QCOMPARE(finished.count(), 1);
        QCOMPARE(session_->End(), RunEnd::StartUnreadable);
        QCOMPARE(boxes_->Count(TroubleReadingText), 1);
        QCOMPARE(boxes_->Count(SaveQuestionText), 1);
        QVERIFY(session_->ProgressWindow() == nullptr);
        QVERIFY(target_->wine.Modified);
    }

private:
    const TData& Data() const { return target_->wine.WineRec.Data; }

    std::unique_ptr<FastClock> clock_;
    std::unique_ptr<FakeBalance> balance_;
    std::unique_ptr<FakeTarget> target_;
    std::unique_ptr<ScriptedBoxes> boxes_;
    std::unique_ptr<QWidget> mainWindow_;
    std::unique_ptr<QWidget> wineWindow_;
    std::unique_ptr<CollectionSession> session_;
    int saves_ = 0;
};

QTEST_MAIN(CollectionSessionTest)
#include "CollectionSessionTest.moc"

#include "ui_common/QtClock.h"

#include <QTimer>
#include <QtTest>

using namespace zephra;

class QtClockTest : public QObject {
    Q_OBJECT

private slots:
    void waitLastsAtLeastItsTimeAndKeepsTheEventLoopRunning() {
        QtClock clock;
        bool timerRan = false;
        QTimer::singleShot(10, [&] { timerRan = true; });
        const std::int64_t before = clock.NowMs();
        clock.Wait(60);
        const std::int64_t after = clock.NowMs();
        QVERIFY(after - before >= 60);
        // Timers and repaints go on during a wait; only input is held back.
        QVERIFY(timerRan);
    }
};

QTEST_MAIN(QtClockTest)
#include "QtClockTest.moc"

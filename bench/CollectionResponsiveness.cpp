// zephra-collection-responsiveness: how long the window's event loop can go
// without a turn while a collection run talks to the balance simulator.
//
// Usage: zephra-collection-responsiveness [CASES] (CASES, say "slow,silent",
// picks cases by name). For a normal, a slow (3 s before each reply) and a
// silent balance it runs a collection on a real wine window, with the run's
// clock going 20 times faster than real time so that readings come every
// 0.75 s, and reports the longest gap between two turns of the event loop (a
// 1 ms timer ticking on the main thread). The start of the run (clearing and
// recalculating the wine, opening the progress window) is one turn of its
// own, reported apart. For the gaps during the run it prints the longest,
// the main thread's CPU time within it, the 99.9th percentile and how many
// reached 50 ms. The main thread still recalculates and redraws the wine
// after every point; the balance exchanges run beside it. The machine's
// other load shows in the figures: run it a few times.

#include "acquisition/ComPortBalance.h"
#include "acquisition/ExchangeThread.h"
#include "acquisition/PortDevice.h"
#include "acquisition/ui/CollectionSession.h"
#include "app/wine/WineWindow.h"
#include "app/wine/WineWindowTarget.h"
#include "support/ChildProcess.h"
#include "ui_common/QtClock.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

using namespace zephra;

namespace {

constexpr int ClockFactor = 20;

// The run's clock, ClockFactor times faster than real time.
class FastRunClock : public RunClock {
public:
    FastRunClock() { timer_.start(); }
    std::int64_t NowMs() override { return timer_.elapsed() * ClockFactor; }

private:
    QElapsedTimer timer_;
};

// Boxes are not waited for: a stop's message and the save question are
// printed and answered No.
class PrintedAnswers : public MessageBoxes {
public:
    BoxAnswer Show(BoxKind kind, const std::string& text, BoxButtons, BoxAnswer) override {
        std::fprintf(stderr, "  (box: %s)\n", text.c_str());
        return kind == BoxKind::Question ? BoxAnswer::No : BoxAnswer::Ok;
    }
};

class NoFileDialogs : public FileDialogs {
public:
    std::optional<QString> ChooseOpen(QWidget*, const FileDialogSetup&) override { return {}; }
    std::optional<QString> ChooseSave(QWidget*, const FileDialogSetup&) override { return {}; }
    QString DocumentsFolder() override { return {}; }
};

// CPU time of the calling thread, in milliseconds.
double ThreadCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1000.0 + static_cast<double>(now.tv_nsec) / 1e6;
}

struct Measurement {
    qint64 startMs = 0;      // the turn that starts the run
    qint64 longestGapMs = 0; // after it, until the run has ended
    // CPU time the main thread spent in the longest gap: close to the gap,
    // the program was busy; close to 0, the thread waited for the machine
    // (it never waits for the balance).
    double longestGapCpuMs = 0.0;
    std::vector<qint64> gapsMs;
    int ticks = 0;
    int points = 0;
    const char* end = "";
};

const char* EndName(RunEnd end) {
    switch (end) {
    case RunEnd::StopKey:
        return "stopped";
    case RunEnd::PortError:
        return "port error";
    case RunEnd::MaxDuration:
        return "maximum duration";
    default:
        return "other";
    }
}

Measurement Measure(const std::vector<std::string>& options, int stopAfterMs) {
    Simulator simulator(options);
    serial::TComPort port(nullptr);
    ConfigureBalancePort(port, 1);
    port.SetDeviceName(simulator.Device());

    PrintedAnswers boxes;
    NoFileDialogs dialogs;
    QtClock waits;
    UiServices services{boxes, dialogs, waits};
    QList<TMDIChild*> openWindows;
    QWidget mainWindow;
    mainWindow.resize(800, 700);
    auto* wineWindow = new TMDIChild(services, openWindows);
    wineWindow->setParent(&mainWindow);
    mainWindow.show();

    FastRunClock clock;
    ComPortBalance balance(port);
    WineWindowTarget target(*wineWindow);
    CollectionSession* session = nullptr;
    ExchangeThread exchanges(balance, clock, [&] {
        QMetaObject::invokeMethod(
            &mainWindow,
            [&] {
                if (session)
                    session->Pass();
            },
            Qt::QueuedConnection);
    });
    CollectionSession collection(mainWindow, *wineWindow, target, exchanges, clock, boxes,
                                 RunSettings{1.0, 144}, PortDescription(port.DeviceName()), [] {});
    session = &collection;

    // The windows' first layout and painting are not part of the run.
    QEventLoop settle;
    QTimer::singleShot(500, &settle, &QEventLoop::quit);
    settle.exec();

    Measurement measurement;
    QEventLoop loop;
    QObject::connect(&collection, &CollectionSession::Finished, &loop, &QEventLoop::quit);
    QElapsedTimer sinceTick;
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    double cpuAtTick = ThreadCpuMs();
    QObject::connect(&tick, &QTimer::timeout, [&] {
        const qint64 gap = sinceTick.restart();
        const double cpu = ThreadCpuMs();
        if (gap > measurement.longestGapMs) {
            measurement.longestGapMs = gap;
            measurement.longestGapCpuMs = cpu - cpuAtTick;
        }
        cpuAtTick = cpu;
        measurement.gapsMs.push_back(gap);
        measurement.ticks += 1;
    });
    QTimer::singleShot(stopAfterMs, [&] {
        if (collection.ProgressWindow())
            collection.ProgressWindow()->IterruptDataCollection(QStringLiteral("X"));
    });
    QElapsedTimer start;
    start.start();
    collection.Begin();
    measurement.startMs = start.elapsed();
    sinceTick.start();
    cpuAtTick = ThreadCpuMs();
    tick.start(1);
    if (collection.InProgress())
        loop.exec();
    tick.stop();
    measurement.points = collection.Run().PointsInRecord();
    measurement.end = EndName(collection.End());
    session = nullptr;
    return measurement;
}

} // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM") && !qEnvironmentVariableIsSet("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    struct Case {
        const char* name;
        std::vector<std::string> options;
        int stopAfterMs;
    };
    const Case cases[] = {
        // flow and fouling on the run's fast time: 40 g/min, fouling 0.1/min
        {"normal", {"--flow", "800", "--fouling", "2"}, 20000},
        {"slow (--delay 3000)", {"--delay", "3000", "--flow", "800", "--fouling", "2"}, 15000},
        {"silent", {"--silent"}, 15000},
    };
    std::printf("%-20s %6s %6s %-11s %6s | gaps during the run: %7s %9s %11s %6s\n", "balance",
                "ticks", "points", "end", "start", "longest", "(its CPU)", "99.9th pct.", ">=50ms");
    const std::string only = argc > 1 ? argv[1] : "";
    for (const Case& c : cases) {
        if (!only.empty() && only.find(std::string(c.name).substr(0, 4)) == std::string::npos)
            continue;
        const Measurement m = Measure(c.options, c.stopAfterMs);
        std::vector<qint64> gaps = m.gapsMs;
        std::sort(gaps.begin(), gaps.end());
        const qint64 p999 = gaps.empty() ? 0 : gaps[gaps.size() * 999 / 1000];
        const auto slow = std::count_if(gaps.begin(), gaps.end(), [](qint64 g) { return g >= 50; });
        std::printf("%-20s %6d %6d %-11s %6lld | %28lld %9.1f %11lld %6ld\n", c.name, m.ticks,
                    m.points, m.end, static_cast<long long>(m.startMs),
                    static_cast<long long>(m.longestGapMs), m.longestGapCpuMs,
                    static_cast<long long>(p999), static_cast<long>(slow));
        std::fflush(stdout);
    }
    return 0;
}

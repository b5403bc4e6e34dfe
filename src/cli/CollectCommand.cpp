#include "acquisition/CollectionRun.h"
#include "acquisition/ComPortBalance.h"
#include "acquisition/ExchangeThread.h"
#include "acquisition/SettingsFile.h"
#include "cli/Arguments.h"
#include "cli/CommandRegistry.h"
#include "cli/PrintedBoxes.h"
#include "cli/UnitSystemOption.h"
#include "cli/WineFiles.h"
#include "entry/EntryFormat.h"
#include "entry/NumberText.h"

#include <chrono>
#include <csignal>
#include <ostream>
#include <thread>

namespace zephra::cli {

namespace {

constexpr const char* Help =
    "Usage: zephra-cli collect --density D --max-minutes 9|18|36|72|144\n"
    "         [--port COMn|/dev/PATH] [--unit-system us|metric] OUT.zph\n"
    "\n"
    "Runs a data collection from the balance on the wine in OUT.zph (an existing\n"
    "wine file, or a new one made by 'zephra-cli new'), as Collect New Data does:\n"
    "the wine's data points are replaced, the balance is tared, and a reading is\n"
    "taken every 15 s; when the 36 points are full the interval doubles and the\n"
    "points are thinned to every second one. Each stored point is printed as it\n"
    "arrives. The run ends after the maximum duration, on Ctrl+C, when a reply is\n"
    "not a number, when less than 1 ml was gained since the previous point, or\n"
    "when the balance link fails; the wine is then recalculated and saved to\n"
    "OUT.zph. A run that ends before its first point is stored leaves the file\n"
    "as it was.\n"
    "\n"
    "  --density D         density of the wine in g/ml, 0.1 to 2\n"
    "  --max-minutes M     maximum test duration: 9, 18, 36, 72 or 144\n"
    "  --port NAME         COMn (through the port map) or a device path; default\n"
    "                      the port of the settings file\n"
    "  --unit-system U     us or metric, as for the other commands; what a run\n"
    "                      prints (ml, g, s, Vmax in L/m²) is the same in both\n"
    "\n"
    "Exit status: 0 the run ended by time, by Ctrl+C or by a too small volume\n"
    "gain, and the wine was saved, or Ctrl+C came before the first point; 1 the\n"
    "run ended otherwise before its first point, the balance could not be read\n"
    "or the wine could not be read or saved; 2 wrong usage.\n";

volatile std::sig_atomic_t interrupted = 0;

void OnInterrupt(int) {
    interrupted = 1;
}

// The wine of the file; nothing shows it while the run goes.
class FileTarget : public CollectionTarget {
public:
    explicit FileTarget(TWineClass& wine) : wine_(wine) {}
    TWineClass& Wine() override { return wine_; }
    void Refresh() override {}

private:
    TWineClass& wine_;
};

// Prints the points, with Vmax as far as it is known, and the thinning as
// they happen.
class PointPrinter : public RunObserver {
public:
    explicit PointPrinter(std::ostream& out) : out_(out) {}
    void PointStored(const StoredPoint& point) override {
        out_ << "point " << point.index << ": " << point.texts.V << " ml at " << point.texts.M
             << ":" << point.texts.Sc << std::endl;
        if (!point.vmaxLine.empty())
            out_ << "  " << point.vmaxLine << std::endl;
    }
    void Collapsed(double intervalSeconds, int) override {
        out_ << "interval now " << intervalSeconds
             << " s: points thinned to the 18 even-numbered ones" << std::endl;
    }

private:
    std::ostream& out_;
};

const char* EndText(RunEnd end) {
    switch (end) {
    case RunEnd::MaxDuration:
        return "maximum duration reached";
    case RunEnd::StopKey:
        return "stopped";
    case RunEnd::StartUnreadable:
    case RunEnd::ReadingUnreadable:
        return "the balance's reply was not a number";
    case RunEnd::VolumeTooSmall:
        return "volume gain below 1 ml";
    case RunEnd::IntervalLimit:
        return "reading interval at its limit";
    case RunEnd::PortError:
        return "the balance link failed";
    case RunEnd::Running:
        break;
    }
    return "running";
}

double CheckedDensity(const std::string& text) {
    std::string formatted = text;
    bool error = false;
    double value = 0.0;
    Format(formatted, error, value, 2.0, 0.1, 6, 4);
    if (error)
        throw UsageError("Density is out of Range. Please enter a value between 2 and 0.1.");
    return ReadStoredNumber(formatted);
}

int CheckedMinutes(const std::string& text) {
    for (int minutes : {9, 18, 36, 72, 144}) {
        if (text == std::to_string(minutes))
            return minutes;
    }
    throw UsageError("--max-minutes must be 9, 18, 36, 72 or 144");
}

int RunCollect(const std::vector<std::string>& args, CommandStreams& io) {
    const ParsedArguments parsed = ParseArguments(args, {{"--density", 1, false},
                                                         {"--max-minutes", 1, false},
                                                         {"--port", 1, false},
                                                         UnitSystemOptionSpec()});
    if (parsed.help) {
        io.out << Help;
        return ExitSuccess;
    }
    UnitsOption(parsed); // checked as every command checks it; nothing printed differs
    if (parsed.positional.size() != 1)
        throw UsageError("expected one wine file OUT.zph");
    if (!parsed.has("--density") || !parsed.has("--max-minutes"))
        throw UsageError("--density and --max-minutes are required");
    const RunSettings settings{CheckedDensity(parsed.value("--density", "")),
                               CheckedMinutes(parsed.value("--max-minutes", ""))};
    const std::string& path = parsed.positional[0];

    serial::TComPort port(nullptr);
    TEnvironmentRec environment{};
    if (parsed.has("--port")) {
        ConfigureBalancePort(port, 1);
        port.SetDeviceName(parsed.value("--port", ""));
    } else if (const int error = ReadDataFile(SettingsFilePath(), environment)) {
        io.err << SettingsFilePath() << ": cannot read the settings file (I/O Error type " << error
               << "); give the balance's port with --port\n";
        return ExitFailure;
    } else {
        ConfigureBalancePort(port, environment.ScalePortNumber());
    }

    TWineClass wine;
    if (!ReadWine(path, wine.WineRec, io.err))
        return ExitFailure;

    PrintedBoxes boxes(io.err, path);
    FileTarget target(wine);
    ComPortBalance balance(port);
    BootTimeRunClock clock;
    ExchangeThread exchanges(balance, clock);
    PointPrinter printer(io.out);
    CollectionRun run(target, exchanges, clock, boxes, settings, &printer);

    interrupted = 0;
    auto* previous = std::signal(SIGINT, OnInterrupt);
    io.out << "collecting from " << port.DeviceName() << "; Ctrl+C stops" << std::endl;
    run.ClearRecord();
    run.Start();
    while (run.Running()) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        if (interrupted)
            run.RequestStop();
        run.Pass();
    }
    std::signal(SIGINT, previous);

    const RunEnd end = run.End();
    io.out << "run ended: " << EndText(end) << std::endl;
    if (!run.StoredAny()) {
        io.err << path << " not changed: the run ended before its first point\n";
        return end == RunEnd::StopKey ? ExitSuccess : ExitFailure;
    }
    if (!SaveWine(path, wine.WineRec, io.err))
        return ExitFailure;
    io.out << "saved " << path << std::endl;
    return end == RunEnd::MaxDuration || end == RunEnd::StopKey || end == RunEnd::VolumeTooSmall
               ? ExitSuccess
               : ExitFailure;
}

const CommandRegistration registration{"collect", "collect data points from the balance",
                                       RunCollect};

} // namespace

} // namespace zephra::cli

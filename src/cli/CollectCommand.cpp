#include "acquisition/BalanceFactory.h"
#include "acquisition/CollectionRun.h"
#include "acquisition/ComPortBalance.h"
#include "acquisition/ExchangeThread.h"
#include "acquisition/RunStatusText.h"
#include "acquisition/SettingsFile.h"
#include "cli/Arguments.h"
#include "cli/BalanceOptions.h"
#include "cli/CommandRegistry.h"
#include "cli/PrintedBoxes.h"
#include "cli/StandardStreams.h"
#include "cli/UnitSystemOption.h"
#include "cli/WineFiles.h"
#include "document/WineFile.h"
#include "entry/DecimalCommaHint.h"
#include "entry/EntryFormat.h"
#include "entry/NumberText.h"

#include <chrono>
#include <csignal>
#include <iterator>
#include <ostream>
#include <signal.h>
#include <string>
#include <thread>

namespace zephra::cli {

namespace {

constexpr const char* Usage =
    "Usage: zephra-cli collect --density D --max-minutes 9|18|36|72|144\n"
    "         [--port COMn|/dev/PATH|tcp://HOST:PORT] [--balance KEY|auto]\n"
    "         [--baud N] [--framing 8N1|7E1|7O1|...] [--handshake none|rtscts|xonxoff]\n"
    "         [--unit-system us|metric] [--drop-notes] OUT.zph\n"
    "\n"
    "Runs a data collection from the balance on the wine in OUT.zph (an existing\n"
    "wine file, or a new one made by 'zephra-cli new'), as Collect New Data does:\n"
    "the wine's data points are replaced, the balance is tared, and a reading is\n"
    "taken every 15 s; when the 36 points are full the interval doubles and the\n"
    "points are thinned to every second one. Each stored point is printed as it\n"
    "arrives and saved to OUT.zph at once, so a run killed or cut off by a power\n"
    "failure loses at most the reading in progress. When the tool was stopped for\n"
    "more than two reading intervals (suspended, say), it says so, takes one\n"
    "reading at once and goes on a whole interval after it; missed readings are\n"
    "not made up. The run ends after the maximum duration, on Ctrl+C, SIGTERM,\n"
    "SIGHUP or SIGQUIT, when standard output is gone (the reader of a pipe ended),\n"
    "when a reply is not a number or reports a condition of the balance (an\n"
    "overload, an error), when less than 1 ml was gained since the previous\n"
    "point, or when the balance link fails; the wine is then saved to OUT.zph. A\n"
    "run that ends before its first point is stored leaves the file as it was.\n"
    "The balance is the one of balance.conf beside the settings file, or the\n"
    "ESC P link on the settings file's port; the options below choose another.\n"
    "\n"
    "  --density D         density of the wine in g/ml, 0.1 to 2\n"
    "  --max-minutes M     maximum test duration: 9, 18, 36, 72 or 144\n"
    "  --unit-system U     us or metric, as for the other commands; what a run\n"
    "                      prints (ml, g, s, Vmax in L/m²) is the same in both\n"
    "  --drop-notes        let the wine's notes go when this version cannot read\n"
    "                      them (damaged, or of a later version); a run adds\n"
    "                      reading times to the notes, so without it such a wine\n"
    "                      is refused before the run\n";

constexpr const char* ExitStatus =
    "\n"
    "Exit status: 0 the run ended by time, by Ctrl+C or one of those signals or by\n"
    "a too small volume gain, and the wine was saved, or the signal came before\n"
    "the first point; 1 the run ended otherwise before its first point, the\n"
    "balance could not be read or the wine could not be read or saved; 2 wrong\n"
    "usage.\n";

volatile std::sig_atomic_t interrupted = 0;

void OnInterrupt(int) {
    interrupted = 1;
}

// The signals that end a run as Ctrl+C does: a closed terminal or a dropped
// connection (SIGHUP), a service or system stop (SIGTERM), SIGQUIT. While
// they are caught, a write to a pipe whose reader is gone fails instead of
// ending the tool, so that the wine is still saved.
class StopSignals {
public:
    StopSignals() {
        struct sigaction stop {};
        stop.sa_handler = OnInterrupt;
        sigemptyset(&stop.sa_mask);
        struct sigaction ignore {};
        ignore.sa_handler = SIG_IGN;
        sigemptyset(&ignore.sa_mask);
        interrupted = 0;
        for (std::size_t i = 0; i < std::size(Signals); ++i)
            sigaction(Signals[i], &stop, &previous_[i]);
        sigaction(SIGPIPE, &ignore, &previousPipe_);
    }
    ~StopSignals() {
        for (std::size_t i = 0; i < std::size(Signals); ++i)
            sigaction(Signals[i], &previous_[i], nullptr);
        sigaction(SIGPIPE, &previousPipe_, nullptr);
    }
    StopSignals(const StopSignals&) = delete;
    StopSignals& operator=(const StopSignals&) = delete;

private:
    static constexpr int Signals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};
    struct sigaction previous_[std::size(Signals)]{};
    struct sigaction previousPipe_ {};
};

// "wine.zph" → "wine-collected.zph", beside it.
std::string SiblingPath(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    const std::size_t dot = path.rfind('.');
    const std::size_t stem =
        dot != std::string::npos && (slash == std::string::npos || dot > slash) ? dot : path.size();
    return path.substr(0, stem) + "-collected.zph";
}

// The wine of the file; nothing shows it while the run goes. Every stored
// point is saved to the file at once (atomically, as every save is). When
// the file cannot be written, the points go to a file beside it, with the
// notes or, where they do not fit, with the record alone, so that they
// never live in memory alone; the message names it and says what to do.
class FileTarget : public CollectionTarget {
public:
    FileTarget(TWineClass& wine, std::string path, std::ostream& err)
        : wine_(wine), path_(std::move(path)), err_(err) {}
    TWineClass& Wine() override { return wine_; }
    void Refresh() override {}
    std::string KeepStoredPoint() override { return Save() ? std::string() : "not saved"; }
    // Saves the wine to its file, else beside it; true when it went to its file.
    bool Save() {
        if (SaveWine(path_, wine_.WineRec, wine_.Notes, err_))
            return true;
        const std::string sibling = SiblingPath(path_);
        if (WriteWineFile(sibling, wine_.WineRec, wine_.Notes) == 0 ||
            WriteWineFile(sibling, wine_.WineRec, {}) == 0)
            err_ << "the run's points are kept in " << sibling
                 << ": once the cause is mended, copy it over " << path_ << "\n";
        return false;
    }

private:
    TWineClass& wine_;
    std::string path_;
    std::ostream& err_;
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
    void Resumed(std::int64_t stalledMs) override { out_ << StallText(stalledMs) << std::endl; }

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
    case RunEnd::BalanceCondition:
        return "the balance reported no weight";
    case RunEnd::ImplausibleValue:
        return "a reading could not be stored as it is";
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
        throw UsageError(WithDecimalCommaHint(
            "Density is out of Range. Please enter a value between 2 and 0.1.", text));
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
    std::vector<OptionSpec> specs = BalanceOptionSpecs();
    specs.push_back({"--density", 1, false});
    specs.push_back({"--max-minutes", 1, false});
    specs.push_back(UnitSystemOptionSpec());
    specs.push_back(DropNotesOptionSpec());
    const ParsedArguments parsed = ParseArguments(args, specs);
    if (parsed.help) {
        io.out << Usage << BalanceOptionsHelp << ExitStatus;
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

    std::optional<ChosenBalance> chosen = ChooseBalance(parsed, io.err);
    if (!chosen)
        return ExitFailure;

    TWineClass wine;
    if (!ReadWine(path, wine.WineRec, wine.Notes, io.err))
        return ExitFailure;
    ApplyDropNotes(parsed, wine.Notes);
    if (!MayReplaceNotes(path, wine.Notes, true, io.err))
        return ExitFailure;
    if (const std::string problem = RunRoomProblem(wine.Notes); !problem.empty()) {
        io.err << path << ": " << problem << "\n";
        return ExitFailure;
    }
    if (!DetectIfAsked(*chosen, io.out, io.err))
        return ExitFailure;

    serial::TComPort port(nullptr);
    ConfigureBalancePort(port, 1);
    port.SetDeviceName(chosen->where);
    const std::unique_ptr<Balance> balance =
        chosen->profile ? MakeBalance(*chosen->profile, port)
                        : std::unique_ptr<Balance>(std::make_unique<ComPortBalance>(port));
    PrintedBoxes boxes(io.err, path);
    FileTarget target(wine, path, io.err);
    BootTimeRunClock clock;
    ExchangeThread exchanges(*balance, clock);
    PointPrinter printer(io.out);
    CollectionRun run(target, exchanges, clock, boxes, settings, &printer);

    const StopSignals signals;
    io.out << "collecting from " << chosen->where;
    if (chosen->profile)
        io.out << " (" << BalanceText(*chosen) << ")";
    io.out << "; Ctrl+C stops" << std::endl;
    run.ClearRecord();
    run.Start();
    while (run.Running()) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        // With standard output gone nobody sees the run: it ends as an
        // interruption ends it, and the wine is saved.
        if (interrupted || !io.out || StandardOutputGone())
            run.RequestStop();
        run.Pass();
    }

    const RunEnd end = run.End();
    io.out << "run ended: " << EndText(end) << std::endl;
    if (!run.StoredAny()) {
        io.err << path << " not changed: the run ended before its first point\n";
        return end == RunEnd::StopKey ? ExitSuccess : ExitFailure;
    }
    if (!target.Save())
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

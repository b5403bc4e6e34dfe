// zephra-cli collect against zephra-balance-sim in real time.

#include "support/ChildProcess.h"

#include "document/WineFile.h"
#include "entry/DecimalCommaHint.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class CollectToolTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("zephra-collect-" + std::to_string(getpid()) + "-" +
               testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir);
        wine = (dir / "wine.zph").string();
        ChildProcess make({ZEPHRA_CLI, "new", wine, "--wine", "Test", "--filter", "F",
                           "--lab-pressure", "30", "--filter-diameter", "47", "--max-pressure",
                           "30", "--area", "1", "--rate", "10"});
        ASSERT_EQ(make.Wait(), 0);
    }
    void TearDown() override { fs::remove_all(dir); }

    std::string Bytes() const { return Bytes(wine); }
    std::vector<std::string> Collect(const std::string& device, const char* density = "0.995",
                                     const std::string& file = {}) {
        return {ZEPHRA_CLI, "collect",       "--density",
                density,    "--max-minutes", "9",
                "--port",   device,          file.empty() ? wine : file};
    }
    // A copy of the wine with five points and its notes, as a lab's earlier
    // trial.
    std::string WineWithFivePoints(const std::string& name) const {
        zephra::TWineRec rec{};
        std::ifstream in(wine, std::ios::binary);
        in.read(reinterpret_cast<char*>(&rec), sizeof rec);
        const char* volumes[] = {"  10.0", "  19.5", "  28.1", "  36.0", "  43.2"};
        for (int i = 0; i < 5; ++i) {
            rec.Data.V[i].assign(volumes[i]);
            rec.Data.T[i].M.assign("  " + std::to_string(i));
            rec.Data.T[i].Sc.assign("30");
        }
        zephra::WineNotes notes;
        notes.Comments = "Earlier trial";
        notes.TrialStarted = "2025-10-01T08:00:00+02:00";
        const std::string path = (dir / name).string();
        EXPECT_EQ(zephra::WriteWineFile(path, rec, notes), 0);
        return path;
    }
    static std::string Bytes(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    // The points of the wine file as "M:Sc" texts ("  0:15").
    static std::vector<std::string> StoredTimes(const std::string& path) {
        zephra::TWineRec rec{};
        std::ifstream in(path, std::ios::binary);
        in.read(reinterpret_cast<char*>(&rec), sizeof rec);
        std::vector<std::string> times;
        for (int i = 0; i < 36 && !rec.Data.V[i].empty(); ++i)
            times.push_back(std::string(rec.Data.T[i].M.text()) + ":" +
                            std::string(rec.Data.T[i].Sc.text()));
        return times;
    }
    // "  0:15" of a printed point line ("point 1:   7.6 ml at   0:15").
    static std::string PrintedTime(const std::string& line) {
        const std::size_t at = line.rfind(" at ");
        return at == std::string::npos ? std::string() : line.substr(at + 4);
    }

    fs::path dir;
    std::string wine;
};

TEST_F(CollectToolTest, PrintsEachPointAndSavesWhenInterrupted) {
    Simulator simulator({"--flow", "40", "--fouling", "0"});
    ChildProcess collect(Collect(simulator.Device()));
    EXPECT_EQ(collect.ReadLine(5000), "collecting from " + simulator.Device() + "; Ctrl+C stops");
    const std::string point = collect.ReadLine(20000);
    EXPECT_EQ(point.rfind("point 1: ", 0), 0u) << point;
    // due at 15 s; a busy machine may answer a little late
    EXPECT_NE(point.find(" ml at   0:1"), std::string::npos) << point;
    collect.Signal(SIGINT);
    EXPECT_EQ(collect.ReadLine(2000), "run ended: stopped");
    EXPECT_EQ(collect.Wait(), 0);

    struct NoBoxes : zephra::MessageBoxes {
        zephra::BoxAnswer Show(zephra::BoxKind, const std::string& text, zephra::BoxButtons,
                               zephra::BoxAnswer) override {
            ADD_FAILURE() << text;
            return zephra::BoxAnswer::Ok;
        }
    } boxes;
    zephra::WineFileContents saved;
    ASSERT_TRUE(zephra::ReadWineFile(wine, saved, boxes));
    const zephra::TWineRec& rec = saved.Rec;
    EXPECT_EQ(saved.Notes.TrialStarted.size(), zephra::TrialStartedLength);
    EXPECT_EQ(rec.Data.T[0].M.text(), "  0");
    EXPECT_EQ(rec.Data.T[0].Sc.text().substr(0, 1), "1");
    EXPECT_FALSE(rec.Data.V[0].empty());
    EXPECT_TRUE(rec.Data.V[1].empty());
    EXPECT_EQ(rec.Data.MinSkip.get(), 1);
    // The reading's time to 0.1 s, as the record's whole seconds round it.
    ASSERT_EQ(saved.Notes.ReadingTimesDs.size(), 1u);
    ASSERT_TRUE(saved.Notes.ReadingTimesDs[0]);
    const int stored = std::atoi(std::string(rec.Data.T[0].Sc.text()).c_str());
    EXPECT_LE(std::abs(*saved.Notes.ReadingTimesDs[0] - 10 * stored), 5);
}

// A closed terminal (SIGHUP), a service stop (SIGTERM) and SIGQUIT end the
// run as Ctrl+C does, and the wine is saved. The file is written after every
// stored point, so even SIGKILL loses only the reading in flight.
TEST_F(CollectToolTest, SignalsEndTheRunAndEveryPointIsSavedAsItIsStored) {
    struct Case {
        const char* name;
        int signal;
    };
    const Case cases[] = {
        {"SIGINT", SIGINT},   {"SIGTERM", SIGTERM}, {"SIGHUP", SIGHUP},
        {"SIGQUIT", SIGQUIT}, {"SIGKILL", SIGKILL},
    };
    struct Running {
        std::string file;
        std::unique_ptr<Simulator> simulator;
        std::unique_ptr<ChildProcess> collect;
    };
    std::vector<Running> runs;
    for (const Case& c : cases) {
        Running run;
        run.file = WineWithFivePoints(std::string(c.name) + ".zph");
        run.simulator = std::make_unique<Simulator>(std::vector<std::string>{"--flow", "40"});
        run.collect =
            std::make_unique<ChildProcess>(Collect(run.simulator->Device(), "0.995", run.file));
        runs.push_back(std::move(run));
    }
    for (std::size_t i = 0; i < runs.size(); ++i) {
        SCOPED_TRACE(cases[i].name);
        ChildProcess& collect = *runs[i].collect;
        EXPECT_EQ(collect.ReadLine(5000).rfind("collecting from ", 0), 0u);
        const std::string point = collect.ReadLine(20000);
        ASSERT_EQ(point.rfind("point 1: ", 0), 0u) << point;
        collect.Signal(cases[i].signal);
        const std::string output = collect.ReadAll();
        const int status = collect.Wait();
        if (cases[i].signal == SIGKILL) {
            EXPECT_EQ(status, -1);
        } else {
            EXPECT_NE(output.find("run ended: stopped"), std::string::npos) << output;
            EXPECT_NE(output.find("saved " + runs[i].file), std::string::npos) << output;
            EXPECT_EQ(status, 0);
        }
        EXPECT_EQ(StoredTimes(runs[i].file), std::vector<std::string>{PrintedTime(point)});
    }
}

// The tool stopped for 32 s (more than two reading intervals): it says so,
// takes one reading at once with its true time, and makes none of the
// missed ones up; the next reading waits for the schedule's next slot.
TEST_F(CollectToolTest, StallIsReportedAndNoMissedReadingIsMadeUp) {
    Simulator simulator({"--flow", "40", "--fouling", "0"});
    ChildProcess collect(Collect(simulator.Device()));
    EXPECT_EQ(collect.ReadLine(5000).rfind("collecting from ", 0), 0u);
    std::this_thread::sleep_for(std::chrono::seconds(1)); // tared, starting weight read
    collect.Signal(SIGSTOP);
    std::this_thread::sleep_for(std::chrono::seconds(32));
    collect.Signal(SIGCONT);
    const std::string resumed = collect.ReadLine(5000);
    EXPECT_EQ(resumed.rfind("resumed after 3", 0), 0u) << resumed;
    EXPECT_NE(resumed.find(" s without readings"), std::string::npos) << resumed;
    const std::string point = collect.ReadLine(5000);
    ASSERT_EQ(point.rfind("point 1: ", 0), 0u) << point;
    EXPECT_EQ(PrintedTime(point).substr(0, 5), "  0:3") << point; // after the stall, not 0:15
    EXPECT_EQ(collect.ReadLine(3000), ""); // the next reading comes 15 s after it
    collect.Signal(SIGINT);
    EXPECT_EQ(collect.ReadLine(2000), "run ended: stopped");
    EXPECT_EQ(collect.Wait(), 0);
    EXPECT_EQ(StoredTimes(wine), std::vector<std::string>{PrintedTime(point)});
}

// A wine whose notes leave no room for a run's reading times (a key of a
// later version, 2090 characters) is refused before anything is changed,
// saying why and what to do.
TEST_F(CollectToolTest, WineWhoseNotesAreFullIsRefusedBeforeTheRun) {
    zephra::TWineRec rec{};
    {
        std::ifstream in(wine, std::ios::binary);
        in.read(reinterpret_cast<char*>(&rec), sizeof rec);
    }
    zephra::WineNotes notes;
    notes.LaterKeys["later_notes"] = "\"" + std::string(2088, 'x') + "\"";
    ASSERT_EQ(zephra::WriteWineFile(wine, rec, notes), 0);
    const std::string before = Bytes();
    Simulator simulator({"--flow", "40"});
    ChildProcess collect(Collect(simulator.Device()), true);
    const std::string output = collect.ReadAll();
    EXPECT_EQ(collect.Wait(), 1);
    EXPECT_EQ(output.find("point 1"), std::string::npos) << output;
    EXPECT_NE(output.find(wine + ": The wine's notes leave no room for the reading times"),
              std::string::npos)
        << output;
    EXPECT_EQ(Bytes(), before);
}

// With nobody reading its output any more (`collect | head -1`), the run
// ends at once as an interruption ends it, and the wine is saved.
TEST_F(CollectToolTest, RunEndsWhenItsOutputIsGoneAndTheWineIsSaved) {
    Simulator simulator({"--flow", "40", "--fouling", "0"});
    ChildProcess collect(Collect(simulator.Device()));
    EXPECT_EQ(collect.ReadLine(5000).rfind("collecting from ", 0), 0u);
    const std::string point = collect.ReadLine(20000);
    ASSERT_EQ(point.rfind("point 1: ", 0), 0u) << point;
    collect.CloseOutput();
    ASSERT_TRUE(collect.EndsWithin(3000));
    EXPECT_EQ(StoredTimes(wine), std::vector<std::string>{PrintedTime(point)});
}

TEST_F(CollectToolTest, SilentBalanceLeavesTheFileAsItWas) {
    const std::string before = Bytes();
    Simulator simulator({"--silent"});
    ChildProcess collect(Collect(simulator.Device()));
    EXPECT_EQ(collect.Wait(), 1);
    EXPECT_EQ(Bytes(), before);
}

// A run that ends before its first point leaves the wine file as it was
// and says so; only an error end is a failure. The runs go on at once. (A
// port error after the starting weight takes the same way; an unplugged
// simulator would free its pseudo-terminal for another program's to take.)
TEST_F(CollectToolTest, RunWithoutAPointLeavesTheFileUntouched) {
    struct Case {
        const char* name;
        std::vector<std::string> simulator;
        int signal;        // sent once the run is under way; 0: none
        const char* ended; // the tool's last word on the run
        int status;
    };
    const Case cases[] = {
        {"Ctrl+C before the first point", {"--flow", "40"}, SIGINT, "stopped", 0},
        {"SIGTERM before the first point", {"--flow", "40"}, SIGTERM, "stopped", 0},
        {"gain below 1 ml", {"--weight", "10", "--noise", "0"}, 0, "volume gain below 1 ml", 1},
    };
    struct Running {
        std::string file;
        std::string before;
        std::unique_ptr<Simulator> simulator;
        std::unique_ptr<ChildProcess> collect;
    };
    std::vector<Running> runs;
    for (const Case& c : cases) {
        Running run;
        run.file = WineWithFivePoints(std::string(c.name) + ".zph");
        run.before = Bytes(run.file);
        run.simulator = std::make_unique<Simulator>(c.simulator);
        run.collect = std::make_unique<ChildProcess>(
            Collect(run.simulator->Device(), "0.995", run.file), true);
        runs.push_back(std::move(run));
    }
    for (std::size_t i = 0; i < runs.size(); ++i) {
        SCOPED_TRACE(cases[i].name);
        ChildProcess& collect = *runs[i].collect;
        EXPECT_EQ(collect.ReadLine(5000).rfind("collecting from ", 0), 0u);
        if (cases[i].signal != 0)
            collect.Signal(cases[i].signal);
        const std::string output = collect.ReadAll();
        EXPECT_NE(output.find(std::string("run ended: ") + cases[i].ended), std::string::npos)
            << output;
        EXPECT_NE(output.find(runs[i].file + " not changed"), std::string::npos) << output;
        EXPECT_EQ(output.find("saved"), std::string::npos) << output;
        EXPECT_EQ(collect.Wait(), cases[i].status);
        EXPECT_EQ(Bytes(runs[i].file), runs[i].before);
    }
}

// The wine of `path` as stored.
zephra::TWineRec Stored(const std::string& path) {
    zephra::TWineRec rec{};
    std::ifstream in(path, std::ios::binary);
    in.read(reinterpret_cast<char*>(&rec), sizeof rec);
    return rec;
}

// Seconds from the start of the run to point `i` as stored.
double StoredSeconds(const zephra::TWineRec& rec, int i) {
    return std::stod(std::string(rec.Data.T[i].M.text())) * 60 +
           std::stod(std::string(rec.Data.T[i].Sc.text()));
}

// Every dialect collects through zephra-cli: the stored volumes are the
// simulated filtrate (40 g/min from the tare on, whatever unit the balance
// weighs in) over the density. Beside them, in the same time: a dialect
// found by --balance auto, a profile in balance.conf with a line rate that
// is not the dialect's own, an overload and a dropped network connection
// that end the run after its first point, keeping it.
TEST_F(CollectToolTest, EveryDialectCollectsAndFailuresKeepThePoints) {
    struct Case {
        const char* name;
        std::vector<std::string> simulator; // besides the filtration
        std::vector<std::string> collect;   // besides density, duration and file
        bool profile;                       // balance.conf chooses sma at 19200 bit/s
        bool interrupt;                     // Ctrl+C after the first point
        const char* ended;
        int status;
        const char* message; // on standard error
    };
    const Case cases[] = {
        {"esc-p", {"--protocol", "esc-p"}, {"--balance", "esc-p"}, false, true, "stopped", 0, ""},
        {"esc-p in kg",
         {"--protocol", "esc-p", "--unit", "kg"},
         {"--balance", "esc-p"},
         false,
         true,
         "stopped",
         0,
         ""},
        {"esc-p in oz",
         {"--protocol", "esc-p", "--unit", "oz"},
         {"--balance", "esc-p"},
         false,
         true,
         "stopped",
         0,
         ""},
        {"mt-sics",
         {"--protocol", "mt-sics", "--unit", "kg"},
         {"--balance", "mt-sics"},
         false,
         true,
         "stopped",
         0,
         ""},
        {"a-and-d",
         {"--protocol", "a-and-d", "--unit", "lb"},
         {"--balance", "a-and-d"},
         false,
         true,
         "stopped",
         0,
         ""},
        {"ohaus",
         {"--protocol", "ohaus", "--unit", "oz"},
         {"--balance", "ohaus"},
         false,
         true,
         "stopped",
         0,
         ""},
        {"sma",
         {"--protocol", "sma"},
         {"--balance", "sma", "--framing", "8N1"},
         false,
         true,
         "stopped",
         0,
         ""},
        {"continuous",
         {"--protocol", "continuous", "--unit", "kg"},
         {"--balance", "continuous"},
         false,
         true,
         "stopped",
         0,
         ""},
        {"auto", {"--protocol", "a-and-d"}, {"--balance", "auto"}, false, true, "stopped", 0, ""},
        {"profile", {"--protocol", "sma", "--baud", "19200"}, {}, true, true, "stopped", 0, ""},
        {"overload",
         {"--protocol", "ohaus", "--overload-after", "2"},
         {"--balance", "ohaus"},
         false,
         false,
         "the balance reported no weight",
         1,
         "The balance reports an overload. Data collection will exit."},
        {"dropped",
         {"--protocol", "mt-sics", "--tcp", "0", "--unplug-after", "2"},
         {"--balance", "mt-sics"},
         false,
         false,
         "the balance link failed",
         1,
         ": Connection refused). Data collection will exit."},
    };
    const fs::path withProfile = dir / "with-profile";
    fs::create_directories(withProfile / "zephra");
    std::ofstream(withProfile / "zephra" / "balance.conf")
        << "[balance]\ndialect = sma\nbaud = 19200\n";
    const fs::path withoutProfile = dir / "without-profile";
    fs::create_directories(withoutProfile);

    struct Running {
        std::string file;
        std::unique_ptr<Simulator> simulator;
        std::unique_ptr<ChildProcess> collect;
    };
    std::vector<Running> runs;
    for (const Case& c : cases) {
        Running run;
        run.file = (dir / (std::string(c.name) + ".zph")).string();
        fs::copy_file(wine, run.file);
        std::vector<std::string> options = c.simulator;
        options.insert(options.end(),
                       {"--flow", "40", "--fouling", "0", "--noise", "0", "--delay", "0"});
        run.simulator = std::make_unique<Simulator>(options);
        std::vector<std::string> args = Collect(run.simulator->Device(), "0.995", run.file);
        args.insert(args.end() - 1, c.collect.begin(), c.collect.end());
        setenv("XDG_CONFIG_HOME", (c.profile ? withProfile : withoutProfile).c_str(), 1);
        run.collect = std::make_unique<ChildProcess>(args, true);
        runs.push_back(std::move(run));
    }
    unsetenv("XDG_CONFIG_HOME");

    for (std::size_t i = 0; i < runs.size(); ++i) {
        const Case& c = cases[i];
        SCOPED_TRACE(c.name);
        ChildProcess& collect = *runs[i].collect;
        std::string output;
        for (std::string line = collect.ReadLine(30000); !line.empty();
             line = collect.ReadLine(30000)) {
            output += line + "\n";
            if (line.rfind("point 1: ", 0) == 0 && c.interrupt)
                collect.Signal(SIGINT);
        }
        EXPECT_EQ(collect.Wait(), c.status) << output;
        EXPECT_NE(output.find(std::string("run ended: ") + c.ended), std::string::npos) << output;
        EXPECT_NE(output.find(c.message), std::string::npos) << output;
        EXPECT_NE(output.find("saved " + runs[i].file), std::string::npos) << output;
        if (std::string(c.name) == "auto") {
            EXPECT_NE(output.find("found a-and-d 2400 7E1: "), std::string::npos) << output;
        }
        if (std::string(c.name) == "profile") {
            EXPECT_NE(output.find("(sma 19200 8N1); Ctrl+C stops"), std::string::npos) << output;
        }
        const zephra::TWineRec rec = Stored(runs[i].file);
        ASSERT_FALSE(rec.Data.V[0].empty()) << output;
        EXPECT_TRUE(rec.Data.V[1].empty());
        const double volume = std::stod(std::string(rec.Data.V[0].text()));
        EXPECT_NEAR(volume, 40.0 / 60.0 * StoredSeconds(rec, 0) / 0.995, 0.6) << output;
    }
}

// One weight, or the balance's message, outside a run; detection names the
// dialect.
TEST_F(CollectToolTest, BalanceCommandReadsAndDetects) {
    setenv("XDG_CONFIG_HOME", dir.c_str(), 1);
    struct Case {
        std::vector<std::string> simulator;
        std::vector<std::string> command;
        int status;
        const char* printed; // the start of the output
    };
    const Case cases[] = {
        {{"--protocol", "ohaus", "--weight", "12.5", "--unit", "kg"},
         {"read", "--balance", "ohaus"},
         0,
         "12.5 g, stable"},
        {{"--protocol", "mt-sics", "--weight", "12.5", "--unstable", "1"},
         {"read", "--balance", "mt-sics"},
         0,
         "12.5 g, in motion"},
        {{"--protocol", "a-and-d", "--weight", "5", "--overload-after", "0"},
         {"read", "--balance", "a-and-d"},
         1,
         ": The balance reports an overload."},
        {{"--protocol", "sma", "--weight", "5", "--unit", "PCS"},
         {"read", "--balance", "sma"},
         1,
         ": The balance weighs in \"PCS\""},
        {{"--silent"}, {"read"}, 1, ": Timeout"},
        {{"--protocol", "sma", "--weight", "7.25"}, {"detect"}, 0, "found sma 9600 8N1: 7.25"},
        {{"--protocol", "mt-sics", "--weight", "7.25", "--tcp", "0"},
         {"detect"},
         0,
         "found mt-sics: 7.25 g, stable (serial number 0123456789)"},
    };
    // The cases run side by side.
    std::vector<std::pair<std::unique_ptr<Simulator>, std::unique_ptr<ChildProcess>>> runs;
    for (const Case& c : cases) {
        std::vector<std::string> options = c.simulator;
        options.insert(options.end(), {"--noise", "0", "--delay", "0"});
        auto simulator = std::make_unique<Simulator>(options);
        std::vector<std::string> args{ZEPHRA_CLI, "balance"};
        args.insert(args.end(), c.command.begin(), c.command.end());
        args.insert(args.end(), {"--port", simulator->Device()});
        runs.emplace_back(std::move(simulator), std::make_unique<ChildProcess>(args, true));
    }
    for (std::size_t i = 0; i < runs.size(); ++i) {
        const Case& c = cases[i];
        SCOPED_TRACE(c.command[0] + ": " + c.printed);
        const std::string output = runs[i].second->ReadAll();
        EXPECT_EQ(runs[i].second->Wait(), c.status) << output;
        const std::string expected =
            c.status == 0 ? c.printed : runs[i].first->Device() + c.printed;
        EXPECT_EQ(output.rfind(expected, 0), 0u) << output;
    }
    unsetenv("XDG_CONFIG_HOME");
}

// A load of 212.4 g reads as 212.4 g in every dialect, whatever unit the
// balance weighs in.
TEST_F(CollectToolTest, BalanceReadGivesTheSameGramsInEveryDialectAndUnit) {
    setenv("XDG_CONFIG_HOME", dir.c_str(), 1);
    struct Running {
        std::string what;
        std::unique_ptr<Simulator> simulator;
        std::unique_ptr<ChildProcess> read;
    };
    std::vector<Running> runs;
    for (const char* dialect : {"esc-p", "mt-sics", "a-and-d", "ohaus", "sma", "continuous"}) {
        for (const char* unit : {"g", "kg", "mg", "lb", "oz", "ozt", "ct"}) {
            Running run;
            run.what = std::string(dialect) + " in " + unit;
            run.simulator = std::make_unique<Simulator>(
                std::vector<std::string>{"--protocol", dialect, "--unit", unit, "--weight", "212.4",
                                         "--noise", "0", "--delay", "0", "--flow", "0"});
            run.read = std::make_unique<ChildProcess>(
                std::vector<std::string>{ZEPHRA_CLI, "balance", "read", "--port",
                                         run.simulator->Device(), "--balance", dialect},
                true);
            runs.push_back(std::move(run));
        }
    }
    for (Running& run : runs) {
        SCOPED_TRACE(run.what);
        const std::string output = run.read->ReadAll();
        EXPECT_EQ(run.read->Wait(), 0) << output;
        EXPECT_EQ(output, "212.4 g, stable\n");
    }
    unsetenv("XDG_CONFIG_HOME");
}

// A density out of range is refused before anything happens; one written
// with a decimal comma gets the same hint as the wine's other numbers.
TEST_F(CollectToolTest, RejectsADensityOutOfRange) {
    const std::string before = Bytes();
    for (const char* density : {"2.5", "0,995"}) {
        SCOPED_TRACE(density);
        ChildProcess collect(Collect("/dev/null", density), true);
        const std::string output = collect.ReadAll();
        EXPECT_EQ(collect.Wait(), 2);
        EXPECT_NE(output.find("between 2 and 0.1."), std::string::npos) << output;
        EXPECT_EQ(output.find(zephra::DecimalCommaHint) != std::string::npos,
                  std::string(density) == "0,995")
            << output;
        EXPECT_EQ(Bytes(), before);
    }
}

// Detection on a port that cannot be opened says so and why, at once,
// instead of trying every dialect on it.
TEST_F(CollectToolTest, DetectionSaysWhyThePortCouldNotBeOpened) {
    // A port nothing listens on: bound, never listening, so refused.
    const int unused = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ASSERT_EQ(bind(unused, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    socklen_t length = sizeof address;
    getsockname(unused, reinterpret_cast<sockaddr*>(&address), &length);
    const std::string refused = "tcp://127.0.0.1:" + std::to_string(ntohs(address.sin_port));
    const std::string missing = (dir / "no-such-device").string();
    struct Case {
        std::string where;
        const char* cause;
    };
    const Case cases[] = {{missing, "No such file or directory"}, {refused, "Connection refused"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.where);
        ChildProcess detect({ZEPHRA_CLI, "balance", "detect", "--port", c.where}, true);
        const std::string output = detect.ReadAll();
        EXPECT_EQ(detect.Wait(), 1);
        EXPECT_EQ(output,
                  "The balance's port could not be opened (" + c.where + ": " + c.cause + ").\n");
    }
    close(unused);
}

} // namespace

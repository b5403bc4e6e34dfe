// zephra-cli collect against zephra-balance-sim in real time.

#include "support/ChildProcess.h"

#include "document/WineFile.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <thread>
#include <vector>

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
    // A copy of the wine with five points, as a lab's earlier trial.
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
        const std::string path = (dir / name).string();
        EXPECT_EQ(zephra::WriteWineFile(path, rec), 0);
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

    zephra::TWineRec rec{};
    struct NoBoxes : zephra::MessageBoxes {
        zephra::BoxAnswer Show(zephra::BoxKind, const std::string& text, zephra::BoxButtons,
                               zephra::BoxAnswer) override {
            ADD_FAILURE() << text;
            return zephra::BoxAnswer::Ok;
        }
    } boxes;
    ASSERT_TRUE(zephra::ZephraFileOpen(wine, rec, boxes));
    EXPECT_EQ(rec.Data.T[0].M.text(), "  0");
    EXPECT_EQ(rec.Data.T[0].Sc.text().substr(0, 1), "1");
    EXPECT_FALSE(rec.Data.V[0].empty());
    EXPECT_TRUE(rec.Data.V[1].empty());
    EXPECT_EQ(rec.Data.MinSkip.get(), 1);
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
    EXPECT_EQ(collect.ReadLine(3000), "");                        // the next slot is 45 s
    collect.Signal(SIGINT);
    EXPECT_EQ(collect.ReadLine(2000), "run ended: stopped");
    EXPECT_EQ(collect.Wait(), 0);
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

TEST_F(CollectToolTest, RejectsADensityOutOfRange) {
    const std::string before = Bytes();
    ChildProcess collect(Collect("/dev/null", "2.5"));
    EXPECT_EQ(collect.Wait(), 2);
    EXPECT_EQ(Bytes(), before);
}

} // namespace

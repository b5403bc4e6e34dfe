// zephra-cli collect against zephra-balance-sim in real time.

#include "support/ChildProcess.h"

#include "document/WineFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
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
        bool interrupt;    // Ctrl+C once the run is under way
        const char* ended; // the tool's last word on the run
        int status;
    };
    const Case cases[] = {
        {"Ctrl+C before the first point", {"--flow", "40"}, true, "stopped", 0},
        {"gain below 1 ml", {"--weight", "10", "--noise", "0"}, false, "volume gain below 1 ml", 1},
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
        if (cases[i].interrupt)
            collect.Signal(SIGINT);
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

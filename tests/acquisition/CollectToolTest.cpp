// zephra-cli collect against zephra-balance-sim in real time.

#include "ChildProcess.h"

#include "document/WineFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

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

    std::string Bytes() const {
        std::ifstream in(wine, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    std::vector<std::string> Collect(const std::string& device, const char* density = "0.995") {
        return {ZEPHRA_CLI, "collect", "--density", density, "--max-minutes",
                "9",        "--port",  device,      wine};
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

TEST_F(CollectToolTest, SilentBalanceLeavesTheFileAsItWas) {
    const std::string before = Bytes();
    Simulator simulator({"--silent"});
    ChildProcess collect(Collect(simulator.Device()));
    EXPECT_EQ(collect.Wait(), 1);
    EXPECT_EQ(Bytes(), before);
}

TEST_F(CollectToolTest, RejectsADensityOutOfRange) {
    const std::string before = Bytes();
    ChildProcess collect(Collect("/dev/null", "2.5"));
    EXPECT_EQ(collect.Wait(), 2);
    EXPECT_EQ(Bytes(), before);
}

} // namespace

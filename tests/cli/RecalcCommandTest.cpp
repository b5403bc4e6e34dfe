#include "CliRun.h"

#include "document/WineRec.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

namespace zephra::test {
namespace {

const std::string Sample = std::string(ZEPHRA_EXAMPLES_DIR) + "/chardonnay.zph";

TWineRec RecordIn(const std::string& path) {
    const std::string bytes = FileBytes(path);
    TWineRec rec{};
    std::memcpy(&rec, bytes.data(), std::min(bytes.size(), sizeof rec));
    return rec;
}

TEST(RecalcCommandTest, SampleWineIsWhatTheCalculationMakes) {
    TempFolder folder;
    const CliResult result = RunCli({"recalc", Sample, folder.file("out.zph")});
    EXPECT_EQ(result.status, 0);
    EXPECT_TRUE(result.err.empty()) << result.err;
    EXPECT_EQ(FileBytes(folder.file("out.zph")), FileBytes(Sample))
        << "examples/chardonnay.zph is out of date: run examples/make-sample.sh";
}

TEST(RecalcCommandTest, CalculationMessagesArePrintedAndTheWineStillWritten) {
    TempFolder folder;
    const std::string in = folder.file("new.zph");
    ASSERT_EQ(RunCli(NewWineArgs(in)).status, 0);
    const std::string before = FileBytes(in);

    const CliResult result = RunCli({"recalc", in, folder.file("out.zph")});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, in + ": Data is insufficient to calculate fouling constants.\n");
    EXPECT_EQ(FileBytes(in), before) << "the input is not changed";
    const TWineRec out = RecordIn(folder.file("out.zph"));
    EXPECT_NE(out.MaxProdR.text(), "      ") << "the maximum resistance follows the conditions";
}

TEST(RecalcCommandTest, InPlaceGoesOnAfterAFailingFile) {
    TempFolder folder;
    const std::string good = folder.file("good.zph");
    ASSERT_EQ(RunCli(NewWineArgs(good)).status, 0);
    const std::string before = FileBytes(good);
    const std::string missing = folder.file("missing.zph");

    const CliResult result = RunCli({"recalc", "--in-place", missing, good});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, missing + ": I/O Error type 2 occurred while reading file.\n" + good +
                              ": Data is insufficient to calculate fouling constants.\n");
    EXPECT_NE(FileBytes(good), before);
    EXPECT_EQ(FileBytes(good).size(), WineRecSize);
    EXPECT_FALSE(std::filesystem::exists(missing));
}

TEST(RecalcCommandTest, FailedWriteIsReported) {
    TempFolder folder;
    std::filesystem::create_directory(folder.file("dir.zph"));
    const CliResult result = RunCli({"recalc", Sample, folder.file("dir.zph")});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, folder.file("dir.zph") +
                              ": I/O Error type 21 occurred while saving the wine file. Your "
                              "data was not saved!\n");
}

} // namespace
} // namespace zephra::test

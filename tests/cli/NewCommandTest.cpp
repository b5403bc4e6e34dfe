#include "CliRun.h"

#include "document/WineRec.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

namespace zephra::test {
namespace {

TEST(NewCommandTest, WritesTheNewWineRecord) {
    TempFolder folder;
    const std::string path = folder.file("w.zph");
    const std::vector<std::string> args = {"new",
                                           path,
                                           "--wine",
                                           "Ros\xC3\xA9 Saign\xC3\xA9"
                                           "e 2024 Reserve",
                                           "--filter",
                                           "Pad K200",
                                           "--type",
                                           "dessert",
                                           "--lab-pressure",
                                           "5",
                                           "--filter-diameter",
                                           "47",
                                           "--max-pressure",
                                           "12.5",
                                           "--area",
                                           "1.5",
                                           "--rate",
                                           "200",
                                           "--units",
                                           "gpm"};
    const CliResult result = RunCli(args);
    EXPECT_EQ(result.status, 0);
    EXPECT_TRUE(result.out.empty());
    EXPECT_TRUE(result.err.empty());

    const TWineRec rec = RecordIn(path);
    EXPECT_EQ(rec.Conditions.WineName.text(), "Ros\xE9 Saign\xE9"
                                              "e 202");
    EXPECT_GT(FileBytes(path).size(), WineRecSize)
        << "the notes after the record keep the full name";
    EXPECT_EQ(rec.Conditions.WineType.get(), 1);
    EXPECT_EQ(rec.Conditions.LabP.text(), " 5.0");
    EXPECT_EQ(rec.Conditions.ProdP.text(), "  13");
    EXPECT_EQ(rec.Conditions.ProdA.text(), "1.50");
    EXPECT_EQ(rec.Conditions.ProdRate.text(), " 200");
    EXPECT_EQ(rec.Conditions.ProdRateUnits.get(), 1);
    EXPECT_EQ(rec.ProdFaceVel.text(), " 133");
    EXPECT_EQ(rec.LabA.text(), " 17.3");
    EXPECT_EQ(rec.RmE.text(), "      ");
}

TEST(NewCommandTest, FirstRejectedValueGivesTheDialogMessageAndNoFile) {
    struct Case {
        std::string option; // removed or replaced
        std::string value;  // empty: the option is left out
        std::string message;
    };
    const Case cases[] = {
        {"--wine", "", "Wine Name field is blank; please enter a name for this wine."},
        {"--filter", "", "Filter Name field is blank; please enter a name for this filter."},
        {"--lab-pressure", "0.05",
         "Laboratory Pressure is out of Range. Please enter a value between 1000 and 0.1."},
        {"--lab-pressure", std::string(310, '9'),
         "Laboratory Pressure is out of Range. Please enter a value between 1000 and 0.1."},
        {"--lab-pressure", "0." + std::string(330, '0') + "1",
         "Laboratory Pressure is out of Range. Please enter a value between 1000 and 0.1."},
        {"--filter-diameter", "abc",
         "Laboratory Filter Diameter is out of Range. Please enter a value between 1000 and 1."},
        {"--max-pressure", "",
         "Maximum Full-Scale Pressure is out of Range. Please enter a value between 1000 and 1."},
        {"--area", "0.1",
         "Full-Scale Area is out of Range. Please enter a value between 1000 and 0.2."},
        {"--rate", "2000",
         "Full-Scale Rate is out of Range. Please enter a value between 1999 and 0.1."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.option);
        TempFolder folder;
        const std::string path = folder.file("w.zph");
        std::vector<std::string> args = NewWineArgs(path);
        const auto it = std::find(args.begin(), args.end(), c.option);
        ASSERT_NE(it, args.end());
        if (c.value.empty()) {
            args.erase(it, it + 2);
        } else {
            *(it + 1) = c.value;
        }
        const CliResult result = RunCli(args);
        EXPECT_EQ(result.status, 1);
        EXPECT_EQ(result.err, path + ": " + c.message + "\n");
        EXPECT_FALSE(std::filesystem::exists(path));
    }
}

TEST(NewCommandTest, ExistingFileIsReplacedOnlyWithForce) {
    TempFolder folder;
    const std::string path = folder.file("w.zph");
    std::filesystem::copy_file(std::string(ZEPHRA_EXAMPLES_DIR) + "/chardonnay.zph", path);
    const std::string before = FileBytes(path);

    const CliResult refused = RunCli(NewWineArgs(path));
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.err, path + ": the file exists already; use --force to replace it\n");
    EXPECT_EQ(FileBytes(path), before);

    std::vector<std::string> args = NewWineArgs(path);
    args.push_back("--force");
    EXPECT_EQ(RunCli(args).status, 0);
    EXPECT_NE(FileBytes(path), before);
    EXPECT_EQ(FileBytes(path).size(), WineRecSize);
}

TEST(NewCommandTest, UnwritableDestinationIsAFileError) {
    TempFolder folder;
    const std::string path = folder.file("missing-folder/w.zph");
    const CliResult result = RunCli(NewWineArgs(path));
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, path +
                              ": I/O Error type 2 occurred while saving the wine file. Your data "
                              "was not saved!\n");
}

} // namespace
} // namespace zephra::test

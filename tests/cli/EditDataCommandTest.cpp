#include "CliRun.h"

#include "document/WineRec.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstring>

namespace zephra::test {
namespace {

const std::string Examples = ZEPHRA_EXAMPLES_DIR;
class EditDataCommandTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(RunCli(NewWineArgs(wine)).status, 0); }

    TempFolder folder;
    const std::string wine = folder.file("w.zph");
};

TEST_F(EditDataCommandTest, PointsAreNormalisedStoredAndCalculated) {
    const CliResult result = RunCli({"edit-data", wine, "--point", "1", "12.5", "0", "15",
                                     "--point", "2", "25", "0.4", "30", "--skip", "2"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, wine + ": Data is insufficient to calculate fouling constants.\n");
    const TWineRec rec = RecordIn(wine);
    EXPECT_EQ(rec.Data.V[0].text(), "  12.5");
    EXPECT_EQ(rec.Data.T[0].M.text(), "  0");
    EXPECT_EQ(rec.Data.T[0].Sc.text(), "15");
    EXPECT_EQ(rec.Data.V[1].text(), "  25.0");
    EXPECT_EQ(rec.Data.T[1].M.text(), "  0");
    EXPECT_EQ(rec.Data.MinSkip.get(), 2);
    EXPECT_EQ(rec.TableData[1].V.text(), "  25.0") << "recalculated";

    // Points not mentioned keep their values; an empty text empties a box.
    EXPECT_EQ(RunCli({"edit-data", wine, "--point", "1", "", "", ""}).status, 0);
    const TWineRec edited = RecordIn(wine);
    EXPECT_TRUE(edited.Data.V[0].empty());
    EXPECT_EQ(edited.Data.V[1].text(), "  25.0");
    EXPECT_EQ(edited.Data.MinSkip.get(), 2);
}

TEST_F(EditDataCommandTest, CsvOfTheSampleMakesTheSampleWine) {
    std::vector<std::string> args = {"new",
                                     wine,
                                     "--force",
                                     "--wine",
                                     "Chardonnay 2024",
                                     "--filter",
                                     "Membrane 0.65",
                                     "--type",
                                     "normal",
                                     "--lab-pressure",
                                     "30",
                                     "--filter-diameter",
                                     "47",
                                     "--max-pressure",
                                     "30",
                                     "--area",
                                     "10",
                                     "--rate",
                                     "100",
                                     "--units",
                                     "bpm"};
    ASSERT_EQ(RunCli(args).status, 0);
    const CliResult result = RunCli({"edit-data", wine, "--csv", "--skip", "1"},
                                    FileBytes(Examples + "/chardonnay.csv"));
    EXPECT_EQ(result.status, 0);
    EXPECT_TRUE(result.err.empty()) << result.err;
    EXPECT_EQ(FileBytes(wine), FileBytes(Examples + "/chardonnay.zph"));
}

TEST_F(EditDataCommandTest, RejectedEntryLeavesTheFileAlone) {
    const std::string before = FileBytes(wine);
    const CliResult result = RunCli({"edit-data", wine, "--csv", "--point", "7", "0.05", "1", "0"},
                                    "10,0,15\n20,0,60\n");
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, wine +
                              ": There is an error in the data entry. Please correct it and "
                              "retry, or cancel. (Volume increments must be greater than 0.1 "
                              "ml.)\n" +
                              wine + ": point 7, volume '0.05'\n");
    EXPECT_EQ(FileBytes(wine), before);
}

TEST_F(EditDataCommandTest, MalformedCsvIsADataError) {
    const std::string before = FileBytes(wine);
    struct Case {
        std::string csv;
        std::string message;
    };
    std::string tooMany;
    for (int i = 1; i <= 37; ++i) {
        tooMany += std::to_string(10 * i) + ",0," + std::to_string(i) + "\n";
    }
    const Case cases[] = {
        {"# volume, minutes, seconds\n\n10,0,15\n20,0\n",
         "<stdin>:4: expected VOLUME,MINUTES,SECONDS\n"},
        {"10;0;15\n", "<stdin>:1: expected VOLUME,MINUTES,SECONDS\n"},
        {tooMany, "<stdin>:37: more than 36 points\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        const CliResult result = RunCli({"edit-data", wine, "--csv"}, c.csv);
        EXPECT_EQ(result.status, 1);
        EXPECT_EQ(result.err, c.message);
        EXPECT_EQ(FileBytes(wine), before);
    }
}

// An input without a data point, or one that cannot be read, leaves the
// wine as it was; clearing the data is asked for with --clear.
TEST_F(EditDataCommandTest, CsvWithoutPointsOrUnreadableChangesNothing) {
    ASSERT_EQ(RunCli({"edit-data", wine, "--point", "1", "12.5", "0", "15"}).status, 0);
    const std::string before = FileBytes(wine);
    for (const char* input : {"", "row,volume_ml,minutes,seconds\r\n", "# nothing yet\n\n"}) {
        SCOPED_TRACE(input);
        const CliResult result = RunCli({"edit-data", wine, "--csv"}, input);
        EXPECT_EQ(result.status, 1);
        EXPECT_EQ(result.err, "<stdin>: no data points were read\n");
        EXPECT_EQ(FileBytes(wine), before);
    }
    const CliResult folderInput =
        RunCliOn({"edit-data", wine, "--csv"}, folder.path().string(), "/dev/null");
    EXPECT_EQ(folderInput.status, 1);
    EXPECT_EQ(folderInput.err, "<stdin>: cannot be read: Is a directory\n");
    EXPECT_EQ(FileBytes(wine), before);
}

TEST_F(EditDataCommandTest, ClearEmptiesEveryPointBeforeThePointsGiven) {
    ASSERT_EQ(RunCli({"edit-data", wine, "--point", "1", "12.5", "0", "15", "--point", "3", "30",
                      "0", "45", "--skip", "1"})
                  .status,
              0);
    const CliResult cleared =
        RunCli({"edit-data", wine, "--clear", "--point", "2", "20", "0", "30"});
    EXPECT_EQ(cleared.status, 0) << cleared.err;
    const TWineRec rec = RecordIn(wine);
    EXPECT_TRUE(rec.Data.V[0].empty());
    EXPECT_EQ(rec.Data.V[1].text(), "  20.0");
    EXPECT_TRUE(rec.Data.V[2].empty());
    EXPECT_TRUE(rec.Data.T[2].M.empty());
    EXPECT_EQ(rec.Data.MinSkip.get(), 1) << "the skip is kept";

    const std::string before = FileBytes(wine);
    EXPECT_EQ(RunCli({"edit-data", wine, "--clear", "--csv"}, "10,0,15\n").status, 2);
    EXPECT_EQ(FileBytes(wine), before);
}

TEST_F(EditDataCommandTest, CalculationMessagesFollowTheData) {
    std::string csv;
    for (int i = 1; i <= 8; ++i) {
        csv += std::to_string(20 * i) + ",0," + std::to_string(5 * i) + "\n";
    }
    std::string earlier = csv + "180,0,30\n";
    const CliResult time = RunCli({"edit-data", wine, "--csv"}, earlier);
    EXPECT_EQ(time.status, 0);
    EXPECT_EQ(time.err,
              wine + ": There is a non-positive interval in the Time data. Unable to calculate.\n");
    EXPECT_EQ(RecordIn(wine).RmE.text(), "   neg");

    std::string same = csv + "160,0,45\n";
    const CliResult volume = RunCli({"edit-data", wine, "--csv"}, same);
    EXPECT_EQ(volume.err, wine + ": There is a non-positive interval in the Volume data. Unable to "
                                 "calculate.\n");
}

// Rows after the first incomplete one are named on standard error; the
// wine is still calculated and written as the boxes say.
TEST_F(EditDataCommandTest, RowsTheCalculationDoesNotUseAreNamed) {
    std::string csv;
    for (int i = 1; i <= 12; ++i) {
        csv += (i == 6 ? std::string() : std::to_string(20 * i + i * i)) + ",0," +
               std::to_string(4 * i) + "\n";
    }
    const CliResult result = RunCli({"edit-data", wine, "--csv"}, csv);
    EXPECT_EQ(result.status, 0);
    const std::string warning = wine + ": Rows 7 to 12 are not used: row 6 has no volume.\n";
    ASSERT_GE(result.err.size(), warning.size()) << result.err;
    EXPECT_EQ(result.err.substr(result.err.size() - warning.size()), warning)
        << "after the calculation's messages";
    const TWineRec rec = RecordIn(wine);
    EXPECT_TRUE(rec.Data.V[5].empty());
    EXPECT_EQ(rec.Data.V[11].text(), " 384.0");

    const CliResult complete = RunCli({"edit-data", wine, "--point", "6", "156", "0", "24"});
    EXPECT_EQ(complete.status, 0);
    EXPECT_EQ(complete.err.find("not used"), std::string::npos) << complete.err;
}

} // namespace
} // namespace zephra::test

#include "CliRun.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace zephra::test {
namespace {

class EditConditionsCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(RunCli(NewWineArgs(wine)).status, 0);
        ASSERT_EQ(RunCli({"edit-data", wine, "--csv"}, "40,0,15\n75,0,30\n105,0,45\n132,1,0\n"
                                                       "156,1,15\n179,1,30\n")
                      .status,
                  0);
    }

    TempFolder folder;
    const std::string wine = folder.file("w.zph");
};

TEST_F(EditConditionsCommandTest, GivenValuesReplaceTheWinesAndTheRestStay) {
    const TWineRec before = RecordIn(wine);
    const CliResult result = RunCli({"edit-conditions", wine, "--filter-diameter", "1000",
                                     "--max-pressure", "12.5", "--wine", "Riesling"});
    EXPECT_EQ(result.status, 0) << result.err;
    const TWineRec rec = RecordIn(wine);
    EXPECT_EQ(rec.Conditions.WineName.text(), "Riesling");
    EXPECT_EQ(rec.Conditions.FilterName.text(), before.Conditions.FilterName.text());
    EXPECT_EQ(rec.Conditions.LabFiltDia.text(), "1000");
    EXPECT_EQ(rec.Conditions.ProdP.text(), "  13");
    EXPECT_EQ(rec.Conditions.LabP.text(), before.Conditions.LabP.text());
    EXPECT_EQ(rec.LabA.text(), " 7854") << "the lab filter area follows the diameter";
    EXPECT_NE(rec.MaxProdR.text(), before.MaxProdR.text()) << "recalculated";
}

TEST_F(EditConditionsCommandTest, FirstRejectedValueIsReportedAndTheFileKept) {
    const std::string before = FileBytes(wine);
    const CliResult result = RunCli({"edit-conditions", wine, "--area", "0.1", "--rate", "2000"});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err,
              wine + ": Full-Scale Area is out of Range. Please enter a value between 1000 and "
                     "0.2.\n");
    EXPECT_EQ(FileBytes(wine), before);
}

TEST_F(EditConditionsCommandTest, WrongUsage) {
    EXPECT_EQ(RunCli({"edit-conditions", wine, "--units", "lpm"}).status, 2);
    EXPECT_EQ(RunCli({"edit-conditions"}).status, 2);
    EXPECT_EQ(RunCli({"edit-conditions", folder.file("missing.zph")}).status, 1);
}

} // namespace
} // namespace zephra::test

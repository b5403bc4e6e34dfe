#include "reports/DataCsv.h"

#include "reports/Csv.h"
#include "support/SampleWine.h"

#include <gtest/gtest.h>

namespace zephra {
namespace {

using Fields = std::vector<std::string>;

TEST(DataCsvTest, ExportHasTheHeaderAndOneRowPerCountedPoint) {
    const CsvReadResult csv = ReadCsv(DataCsvText(test::SampleWine()));
    ASSERT_FALSE(csv.Error);
    ASSERT_EQ(csv.Rows.size(), 37u);
    EXPECT_EQ(csv.Rows[0].Fields, (Fields{"row", "volume_ml", "minutes", "seconds", "elapsed_s",
                                          "va_m", "r", "rexp", "rpower", "skipped"}));
    EXPECT_EQ(csv.Rows[1].Fields,
              (Fields{"1", "40.4", "0", "15", "15", "0.012", "88.83", "115.19", "89.03", "1"}));
    EXPECT_EQ(csv.Rows[4].Fields,
              (Fields{"4", "131.3", "1", "00", "60", "0.068", "132.91", "140.58", "133.00", "0"}));
    EXPECT_EQ(csv.Rows[36].Fields, (Fields{"36", "600.1", "9", "00", "540", "0.343", "348.41",
                                           "373.94", "348.57", "0"}));
}

TEST(DataCsvTest, ANewWineExportsTheHeaderOnly) {
    const TWineRec rec{};
    EXPECT_EQ(DataCsvText(rec), CsvRecord({"row", "volume_ml", "minutes", "seconds", "elapsed_s",
                                           "va_m", "r", "rexp", "rpower", "skipped"}));
}

TEST(DataCsvTest, ExportReadsBackAsTheWinesPoints) {
    const TWineRec rec = test::SampleWine();
    const DataPointsRead read = ReadDataPointsCsv(DataCsvText(rec), 36);
    ASSERT_FALSE(read.Error) << *read.Error;
    ASSERT_EQ(read.Points.size(), 36u);
    for (std::size_t i = 0; i < 36; ++i) {
        EXPECT_EQ(
            read.Points[i].Volume,
            std::string(rec.Data.V[i].text()).substr(rec.Data.V[i].text().find_first_not_of(' ')));
        EXPECT_EQ(read.Points[i].Seconds, rec.Data.T[i].Sc.text());
    }
}

TEST(DataCsvTest, HeaderColumnsAreTakenByNameWhateverTheirOrder) {
    const char* text = "# edited in a spreadsheet\r\n"
                       "Seconds,note,Volume_ml,minutes\r\n"
                       "15,\"first, cloudy\", 25.0 ,0\r\n"
                       "\r\n"
                       "30,,48.5,0\r\n";
    const DataPointsRead read = ReadDataPointsCsv(text, 36);
    ASSERT_FALSE(read.Error) << *read.Error;
    ASSERT_EQ(read.Points.size(), 2u);
    EXPECT_EQ(read.Points[0].Volume, "25.0");
    EXPECT_EQ(read.Points[0].Minutes, "0");
    EXPECT_EQ(read.Points[0].Seconds, "15");
    EXPECT_EQ(read.Points[1].Volume, "48.5");
    EXPECT_EQ(read.Points[1].Seconds, "30");
}

TEST(DataCsvTest, AByteOrderMarkBeforeTheHeaderIsIgnored) {
    const DataPointsRead read =
        ReadDataPointsCsv("\xEF\xBB\xBFvolume_ml,minutes,seconds\r\n25.0,0,15\r\n", 36);
    ASSERT_FALSE(read.Error) << *read.Error;
    ASSERT_EQ(read.Points.size(), 1u);
    EXPECT_EQ(read.Points[0].Volume, "25.0");
}

TEST(DataCsvTest, PlainThreeColumnLinesStillRead) {
    const DataPointsRead read = ReadDataPointsCsv("25.0,0,15\n# note\n48.5, 0, 30\n", 36);
    ASSERT_FALSE(read.Error);
    ASSERT_EQ(read.Points.size(), 2u);
    EXPECT_EQ(read.Points[1].Volume, "48.5");
    EXPECT_EQ(read.Points[1].Minutes, "0");
}

TEST(DataCsvTest, FaultsNameTheirLine) {
    struct Case {
        std::string text;
        int line;
        std::string error;
    };
    std::string tooMany = "volume_ml,minutes,seconds\n";
    for (int i = 0; i < 3; ++i) {
        tooMany += "1.0,0,15\n";
    }
    const Case cases[] = {
        {"volume_ml,seconds\n1,2\n", 1, "the header names no 'minutes' or no 'seconds' column"},
        {"volume_ml,minutes,seconds\n1,2,3\n4,5\n", 3, "expected the columns the header names"},
        {"1,2,3\n4;5;6\n", 2, "expected VOLUME,MINUTES,SECONDS"},
        {tooMany, 4, "more than 2 points"},
        {"1,2,\"3\n", 1, "a quoted field is not closed"},
    };
    for (const Case& c : cases) {
        const DataPointsRead read = ReadDataPointsCsv(c.text, 2);
        ASSERT_TRUE(read.Error) << c.text;
        EXPECT_EQ(*read.Error, c.error) << c.text;
        EXPECT_EQ(read.ErrorLine, c.line) << c.text;
    }
}

// A whole data set without a point is no data set: the form is left alone.
TEST(DataCsvTest, DataSetWithoutAPointIsAnError) {
    for (const char* text : {"", "\xEF\xBB\xBF", "volume_ml,minutes,seconds\r\n", "# none\n\n"}) {
        DataForm form;
        form.Volume[0] = "12.5";
        const DataPointsRead read = ReadDataCsv(text, form);
        ASSERT_TRUE(read.Error) << text;
        EXPECT_EQ(*read.Error, "no data points were read");
        EXPECT_EQ(read.ErrorLine, 0);
        EXPECT_EQ(form.Volume[0], "12.5");
    }
}

} // namespace
} // namespace zephra

#include "analysis/IndexBands.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <fstream>

namespace zephra {
namespace {

TEST(IndexBandsTest, ALimitBelongsToTheBandAboveIt) {
    const IndexBandLimits published;
    struct Case {
        double Seconds;
        IndexBand Band;
    };
    for (const Case c :
         {Case{0, IndexBand::VeryGood}, Case{24.9, IndexBand::VeryGood}, Case{25, IndexBand::Good},
          Case{49.99, IndexBand::Good}, Case{50, IndexBand::Poor}, Case{99.9, IndexBand::Poor},
          Case{100, IndexBand::VeryPoor}, Case{1e6, IndexBand::VeryPoor}}) {
        EXPECT_EQ(BandOf(c.Seconds, published), c.Band) << c.Seconds;
    }
    EXPECT_EQ(BandOf(30, {10, 20, 40}), IndexBand::Poor);
}

// The band is read only for an index at standard conditions.
TEST(IndexBandsTest, ReadingTextsSayTheBandOrWhyThereIsNone) {
    const IndexBandLimits limits;
    struct Case {
        FilterabilityIndex Index;
        std::string Text;
    };
    const Case cases[] = {
        {{12.34, true}, "12.3 s \xE2\x80\x94 very good (below 25)"},
        {{25, true},
         "25 s \xE2\x80\x94 good (25\xE2\x80\x93"
         "50)"},
        {{62, true},
         "62 s \xE2\x80\x94 poor (50\xE2\x80\x93"
         "100)"},
        {{140, true}, "140 s \xE2\x80\x94 very poor (from 100)"},
        {{62, false}, "62 s \xE2\x80\x94 non-standard conditions, not comparable"},
        {{std::nullopt, true}, "\xE2\x80\x94"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IndexReadingText(c.Index, limits), c.Text);
    }
    EXPECT_FALSE(ReadingBandOf({62, false}, limits));
    EXPECT_EQ(BandVerdict(IndexBand::VeryPoor), "Not ready: prefiltration or a treatment first.");
}

TEST(IndexBandsTest, TheLabsLimitsComeFromTheBandsSectionOrTheDefaultsWithAProblem) {
    struct Case {
        std::string Text;
        IndexBandLimits Expected;
        bool Problem;
    };
    const Case cases[] = {
        {"", {}, false},
        {"[units]\nsystem = metric\n", {}, false}, // another section only
        {"[bands]\nvery_good = 20\ngood = 40\npoor = 80\n", {20, 40, 80}, false},
        {"[Bands]\nGood = 60\n", {25, 60, 100}, false}, // names without regard to case
        {"[bands]\ngood = fast\n", {}, true},
        {"[bands]\npoor = -5\n", {}, true},
        {"[bands]\nvery_good = 60\n", {}, true}, // not increasing
        {"[bands]\ngood = 1e400\n", {}, true},
        {"[bands]\ngood 40\n", {}, true},                 // a line that cannot be read
        {"[bands]\nvery_good = 10\ngood 40\n", {}, true}, // the whole section falls back
        {"[bands]\ngood = 40\n[other]\nnot a setting\n", {25, 40, 100}, false},
    };
    const test::TempFolder folder;
    const std::string path = folder.file("zephra.conf");
    for (const Case& c : cases) {
        std::ofstream(path, std::ios::trunc) << c.Text;
        std::string problem;
        const IndexBandLimits limits = IndexBandLimitsIn(ProgramConf::Read(path), problem);
        EXPECT_EQ(limits, c.Expected) << c.Text;
        EXPECT_EQ(!problem.empty(), c.Problem) << c.Text << problem;
    }
}

// The mistyped line is named, with what follows from it.
TEST(IndexBandsTest, ALineThatCannotBeReadIsNamed) {
    const test::TempFolder folder;
    const std::string path = folder.file("zephra.conf");
    std::ofstream(path) << "[bands]\nvery_good = 10\ngood 40\n";
    std::string problem;
    EXPECT_EQ(ReadIndexBandLimits(path, problem), IndexBandLimits{});
    EXPECT_EQ(problem, path + ", line 3, is not a \"key = value\" line or a comment; every setting "
                              "of [bands] is taken at its default.");
}

TEST(IndexBandsTest, AMissingFileGivesTheDefaultsQuietlyAFolderAProblem) {
    const test::TempFolder folder;
    std::string problem;
    EXPECT_EQ(ReadIndexBandLimits(folder.file("zephra.conf"), problem), IndexBandLimits{});
    EXPECT_EQ(problem, "");
    std::ofstream(folder.file("zephra.conf")) << "[bands]\npoor = 120\n";
    EXPECT_EQ(ReadIndexBandLimits(folder.file("zephra.conf"), problem),
              (IndexBandLimits{25, 50, 120}));
    EXPECT_EQ(problem, "");
    ReadIndexBandLimits(folder.path().string(), problem);
    EXPECT_NE(problem.find("Is a directory"), std::string::npos) << problem;
}

} // namespace
} // namespace zephra

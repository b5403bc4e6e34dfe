#include "CliRun.h"

#include "support/PdfTools.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>

namespace zephra::test {
namespace {

const std::string Sample = ZEPHRA_EXAMPLES_DIR "/chardonnay.zph";

TEST(PdfCommandTest, OnePagePerReadableWineInTheOrderGiven) {
    TempFolder folder;
    const std::string rose = folder.file("rose.zph");
    ASSERT_EQ(RunCli({"new", rose, "--wine", "Ros\xC3\xA9 d'\xC3\x89t\xC3\xA9", "--filter",
                      "Pad K200", "--lab-pressure", "30", "--filter-diameter", "47",
                      "--max-pressure", "30", "--area", "10", "--rate", "100"})
                  .status,
              0);
    const std::string missing = folder.file("missing.zph");
    const std::string out = folder.file("report.pdf");

    const CliResult result = RunCli({"pdf", rose, missing, Sample, "-o", out});
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.err.find(missing + ": I/O Error type 2 occurred while reading file."),
              std::string::npos)
        << result.err;

    const std::string info = PdfInfo(out);
    EXPECT_NE(info.find("Pages:           2"), std::string::npos) << info;
    EXPECT_NE(info.find("Page size:       595 x 842 pts (A4)"), std::string::npos) << info;
    EXPECT_NE(info.find("Title:           Filterability report: Ros\xC3\xA9 d'\xC3\x89t\xC3\xA9, "
                        "Chardonnay 2024"),
              std::string::npos)
        << info;
    const std::string text = PdfText(out);
    const std::size_t first = text.find("Ros\xC3\xA9 d'\xC3\x89t\xC3\xA9");
    const std::size_t second = text.find("Chardonnay 2024");
    EXPECT_NE(first, std::string::npos);
    EXPECT_NE(second, std::string::npos);
    EXPECT_LT(first, second);
    // The sample's results stand on its page: cake filtration has no Vmax;
    // its own capacity stands in its place.
    EXPECT_GT(text.find("cake filtration"), second) << text;
    EXPECT_NE(text.find("2425 gal = 918.0 L/m\xC2\xB2"), std::string::npos) << text;
    const std::size_t pageBreak = text.find('\f');
    EXPECT_NE(pageBreak, std::string::npos) << "two pages";
    EXPECT_LT(text.find("Page 1 of 2"), pageBreak);
    EXPECT_GT(text.find("Page 2 of 2"), pageBreak);
}

// Every word of the page lies on the page, also with a file name as long as
// a file system allows; the name is shortened in its middle.
TEST(PdfCommandTest, ALongFileNameStaysOnThePage) {
    TempFolder folder;
    const std::string name = "Chardonnay-" + std::string(220, 'w') + "-tank-7.zph";
    const std::string wine = folder.file(name);
    std::ofstream(wine, std::ios::binary) << FileBytes(Sample);
    const std::string out = folder.file("report.pdf");
    ASSERT_EQ(RunCli({"pdf", wine, "-o", out}).status, 0);

    const std::string boxes = CommandOutput("pdftotext -bbox " + Quoted(out) + " - 2>/dev/null");
    std::smatch page;
    ASSERT_TRUE(std::regex_search(boxes, page, std::regex("<page width=\"([0-9.]+)\""))) << boxes;
    const double width = std::stod(page[1]);
    const std::regex word("<word xMin=\"([-0-9.]+)\" yMin=\"[-0-9.]+\" xMax=\"([-0-9.]+)\"");
    int words = 0;
    for (auto it = std::sregex_iterator(boxes.begin(), boxes.end(), word);
         it != std::sregex_iterator(); ++it, ++words) {
        EXPECT_GE(std::stod((*it)[1]), 0.0) << (*it)[0];
        EXPECT_LE(std::stod((*it)[2]), width) << (*it)[0];
    }
    EXPECT_GT(words, 100);
    const std::string text = PdfText(out);
    EXPECT_NE(text.find("File: Chardonnay-www"), std::string::npos) << text;
    EXPECT_NE(text.find("\xE2\x80\xA6"), std::string::npos) << "an ellipsis marks the cut";
    EXPECT_NE(text.find("w-tank-7.zph"), std::string::npos) << text;
    EXPECT_NE(text.find("Modified:"), std::string::npos) << text;
}

// `value` with `digits` significant digits, as the page shows figures.
std::string Significant(double value, int digits) {
    char text[32];
    std::snprintf(text, sizeof text, "%.*g", digits, value);
    return text;
}

// A standard-law trial on a 25 mm membrane at 29 psi: V = Q0·t/(1 + Q0·t/V∞)
// with Q0 80 ml/min and V∞ 1200 ml passes 200 ml at 3 min and 400 ml at
// 7.5 min, an index of 450 - 2·180 = 90 s: poor.
std::string StandardConditionsWine(const TempFolder& folder) {
    const std::string wine = folder.file("riesling.zph");
    EXPECT_EQ(RunCli({"new", wine, "--wine", "Riesling 2025", "--filter", "Membrane 0.65",
                      "--lab-pressure", "29", "--filter-diameter", "25", "--max-pressure", "30",
                      "--area", "10", "--rate", "100"})
                  .status,
              0);
    std::string csv;
    for (int i = 1; i <= 36; ++i) {
        const double minutes = i * 15 / 60.0;
        char line[64];
        std::snprintf(line, sizeof line, "%.1f,%d,%d\n", minutes / (1 / 80.0 + minutes / 1200),
                      i * 15 / 60, i * 15 % 60);
        csv += line;
    }
    EXPECT_EQ(RunCli({"edit-data", wine, "--csv"}, csv).status, 0);
    return wine;
}

// The results box shows the figures `analyze --json` gives, as rounded on
// the page, on one page per wine whether on A4 or Letter.
TEST(PdfCommandTest, TheResultsBoxShowsTheAnalysisFiguresOnEitherPaper) {
    TempFolder folder;
    const std::string wine = StandardConditionsWine(folder);
    const nlohmann::json a = nlohmann::json::parse(RunCli({"analyze", wine, "--json"}).out);
    ASSERT_EQ(a["best"], "standard");
    ASSERT_TRUE(a["fi_standard_conditions"].get<bool>());
    const double fi = a["fi_s"].get<double>();
    EXPECT_NEAR(fi, 90, 2);
    for (const char* paper : {"a4", "letter"}) {
        const std::string out = folder.file(std::string(paper) + ".pdf");
        ASSERT_EQ(RunCli({"pdf", wine, Sample, "--paper", paper, "-o", out}).status, 0);
        EXPECT_NE(PdfInfo(out).find("Pages:           2"), std::string::npos) << PdfInfo(out);
        const std::string text = PdfText(out);
        const std::string first = text.substr(0, text.find('\f'));
        for (const std::string& shown :
             {Significant(fi, 3) + " s \xE2\x80\x94 poor (50\xE2\x80\x93"
                                   "100)",
              Significant(a["vmax_L_per_m2"].get<double>(), 4) + " L/m\xC2\xB2 (95 %: " +
                  Significant(a["vmax_ci95_low_L_per_m2"].get<double>(), 4) + "\xE2\x80\x93" +
                  Significant(a["vmax_ci95_high_L_per_m2"].get<double>(), 4) + ")",
              Significant(a["vmax_lower_bound95_L_per_m2"].get<double>(), 4) +
                  " L/m\xC2\xB2 at 95 %",
              std::string("standard blocking"),
              std::to_string(std::lround(a["best_production_capacity_gal"].get<double>())) + " gal",
              std::string("Not ready: clogs fast")}) {
            EXPECT_NE(first.find(shown), std::string::npos) << paper << ": " << shown << "\n"
                                                            << first;
        }
    }
}

// The lab's own band limits come from zephra.conf beside the settings file;
// limits that cannot be used are reported and the published ones used.
TEST(PdfCommandTest, TheLabsBandLimitsComeFromZephraConf) {
    TempFolder folder;
    const std::string wine = StandardConditionsWine(folder);
    const std::string out = folder.file("report.pdf");
    const char* before = std::getenv("XDG_CONFIG_HOME");
    const std::string saved = before != nullptr ? before : "";
    ::setenv("XDG_CONFIG_HOME", folder.path().c_str(), 1);
    std::filesystem::create_directories(folder.path() / "zephra");
    const std::string conf = folder.file("zephra/zephra.conf");

    std::ofstream(conf) << "[units]\nsystem = metric\n\n[bands]\nvery_good = 100\ngood = 200\n"
                           "poor = 300\n";
    CliResult result = RunCli({"pdf", wine, "-o", out});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_NE(PdfText(out).find("very good (below 100)"), std::string::npos) << PdfText(out);

    std::ofstream(conf) << "[bands]\ngood = 10\n";
    result = RunCli({"pdf", wine, "-o", out});
    EXPECT_EQ(result.status, 0);
    EXPECT_NE(result.err.find("the limits must increase"), std::string::npos) << result.err;
    EXPECT_NE(PdfText(out).find("poor (50\xE2\x80\x93"
                                "100)"),
              std::string::npos);

    if (before != nullptr)
        ::setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
    else
        ::unsetenv("XDG_CONFIG_HOME");
}

TEST(PdfCommandTest, PaperChoiceAndNothingWrittenWithoutAWine) {
    TempFolder folder;
    const std::string out = folder.file("letter.pdf");
    ASSERT_EQ(RunCli({"pdf", Sample, "--paper", "letter", "-o", out}).status, 0);
    EXPECT_NE(PdfInfo(out).find("612 x 792 pts (letter)"), std::string::npos) << PdfInfo(out);

    const std::string none = folder.file("none.pdf");
    const CliResult result = RunCli({"pdf", folder.file("missing.zph"), "-o", none});
    EXPECT_EQ(result.status, 1);
    EXPECT_FALSE(std::ifstream(none).good());
    EXPECT_EQ(RunCli({"pdf", Sample}).status, 2) << "-o is required";
    EXPECT_EQ(RunCli({"pdf", Sample, "--paper", "a3", "-o", out}).status, 2);
}

} // namespace
} // namespace zephra::test

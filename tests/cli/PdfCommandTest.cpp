#include "CliRun.h"

#include "support/PdfTools.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

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
    // The sample's fouling analysis stands on its page.
    EXPECT_GT(text.find("Best described by: cake filtration"), second) << text;
    // Cake filtration has no Vmax; its own capacity stands in its place.
    EXPECT_NE(text.find("Vmax: \xE2\x80\x94"), std::string::npos) << text;
    EXPECT_NE(text.find("Capacity at 10 % of J0: 2425 gal"), std::string::npos) << text;
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

#include "CliRun.h"

#include "support/PdfTools.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace zephra::test {
namespace {

const std::string Sample = ZEPHRA_EXAMPLES_DIR "/chardonnay.zph";

bool HoldsControlCharacter(const std::string& text) {
    return std::any_of(text.begin(), text.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return (byte < 0x20 && c != '\n') || byte == 0x7F;
    });
}

// A wine file whose names hold control characters (made by another
// program, or damaged): an escape sequence that would clear a terminal, a
// line break with a comma, and a C1 control (the byte 0x9D).
class ControlCharactersTest : public ::testing::Test {
protected:
    void SetUp() override {
        TWineRec rec = RecordIn(Sample);
        rec.Conditions.WineName.assign("Red\x1B[2J\x9D");
        rec.Conditions.FilterName.assign("Pad\nforged,row");
        std::ofstream(wine, std::ios::binary)
            .write(reinterpret_cast<const char*>(&rec), sizeof rec);
    }

    TempFolder folder;
    const std::string wine = folder.file("wine.zph");
};

TEST_F(ControlCharactersTest, TextOutputsShowThemAsVisibleEscapes) {
    const std::vector<std::string> commands[] = {
        {"report", wine}, {"analyze", wine}, {"summary", wine}};
    for (const std::vector<std::string>& args : commands) {
        SCOPED_TRACE(args[0]);
        const CliResult result = RunCli(args);
        EXPECT_EQ(result.status, 0) << result.err;
        EXPECT_FALSE(HoldsControlCharacter(result.out)) << result.out;
        EXPECT_EQ(result.out.find("\xC2\x9D"), std::string::npos) << result.out;
        EXPECT_NE(result.out.find("Red\\x1B[2J\\u009D"), std::string::npos) << result.out;
        EXPECT_NE(result.out.find("Pad\\x0Aforged,row"), std::string::npos) << result.out;
    }
    const std::string summary = RunCli({"summary", wine}).out;
    EXPECT_EQ(std::count(summary.begin(), summary.end(), '\n'), 2)
        << "the header and one line for the wine";
}

// The wine's name in the comparison table and the sizing, as in the other
// text outputs.
TEST_F(ControlCharactersTest, CompareAndSizeShowThemAsVisibleEscapes) {
    const std::vector<std::string> commands[] = {{"compare", wine},
                                                 {"size", wine, "--batch", "1000"}};
    for (const std::vector<std::string>& args : commands) {
        SCOPED_TRACE(args[0]);
        const CliResult result = RunCli(args);
        EXPECT_EQ(result.status, 0) << result.err;
        EXPECT_FALSE(HoldsControlCharacter(result.out)) << result.out;
        EXPECT_EQ(result.out.find("\xC2\x9D"), std::string::npos) << result.out;
        EXPECT_NE(result.out.find("Red\\x1B[2J\\u009D"), std::string::npos) << result.out;
    }
}

// Values of balance.conf and zephra.conf that the tool echoes in its
// messages: a control character there acts on no terminal either.
TEST(ControlCharactersInSettingsTest, EchoedValuesShowThemAsVisibleEscapes) {
    TempFolder folder;
    std::filesystem::create_directory(folder.file("zephra"));
    std::ofstream(folder.file("zephra/balance.conf")) << "[balance]\ndialect = x\x1B[2J\n";
    std::ofstream(folder.file("zephra/zephra.conf")) << "[bands]\ngood = 4\x1B]0;t\x07\n";
    ::setenv("XDG_CONFIG_HOME", folder.path().c_str(), 1);
    const CliResult balance = RunCli({"balance", "read", "--port", folder.file("no-device")});
    const CliResult compare = RunCli({"compare", Sample});
    ::unsetenv("XDG_CONFIG_HOME");
    EXPECT_FALSE(HoldsControlCharacter(balance.err)) << balance.err;
    EXPECT_NE(balance.err.find("x\\x1B[2J"), std::string::npos) << balance.err;
    EXPECT_FALSE(HoldsControlCharacter(compare.err)) << compare.err;
    EXPECT_NE(compare.err.find("4\\x1B]0;t\\x07"), std::string::npos) << compare.err;
}

TEST_F(ControlCharactersTest, CsvQuotesThemAndPdfMetadataDropsThem) {
    const CliResult csv = RunCli({"summary", "--csv", wine});
    EXPECT_EQ(csv.status, 0);
    EXPECT_NE(csv.out.find(",\"Red\x1B[2J\xC2\x9D\",\"Pad\nforged,row\","), std::string::npos)
        << csv.out;

    const std::string pdf = folder.file("report.pdf");
    ASSERT_EQ(RunCli({"pdf", wine, "-o", pdf}).status, 0);
    const std::string info = PdfInfo(pdf);
    EXPECT_NE(info.find("Title:           Filterability report: Red[2J\n"), std::string::npos)
        << info;
    const std::string xmp = PdfInfo(pdf, true);
    EXPECT_NE(xmp.find(">Filterability report: Red[2J<"), std::string::npos) << xmp;
    EXPECT_FALSE(HoldsControlCharacter(xmp)) << xmp;
}

// The page shows them as the text outputs do, as escapes: in the title, the
// header and the panels.
TEST_F(ControlCharactersTest, PdfPageShowsThemAsVisibleEscapes) {
    const std::string pdf = folder.file("report.pdf");
    ASSERT_EQ(RunCli({"pdf", wine, "-o", pdf}).status, 0);
    const std::string text = PdfText(pdf);
    const auto isControl = [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return (byte < 0x20 && c != '\n' && c != '\f') || byte == 0x7F;
    };
    EXPECT_TRUE(std::none_of(text.begin(), text.end(), isControl)) << text;
    EXPECT_EQ(text.find("\xC2\x9D"), std::string::npos) << text;
    const std::string wineName = "Red\\x1B[2J\\u009D";
    const std::string filterName = "Pad\\x0Aforged,row";
    int shown = 0;
    for (std::size_t at = text.find(wineName); at != std::string::npos;
         at = text.find(wineName, at + 1)) {
        ++shown;
    }
    EXPECT_GE(shown, 2) << "the title and the summary panel\n" << text;
    EXPECT_NE(text.find("Filter: " + filterName), std::string::npos) << text;
}

TEST(ControlCharactersInNamesTest, NewAndEditConditionsRefuseThem) {
    TempFolder folder;
    const std::string path = folder.file("w.zph");
    struct Case {
        const char* option;
        const char* value;
        const char* message;
    };
    const Case cases[] = {
        {"--wine", "Red\tWine",
         "Wine Name field holds a control character (such as a tab or a line break); please "
         "remove it."},
        {"--filter", "Pad\nK200",
         "Filter Name field holds a control character (such as a tab or a line break); please "
         "remove it."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.option);
        std::vector<std::string> args = NewWineArgs(path);
        *(std::find(args.begin(), args.end(), std::string(c.option)) + 1) = c.value;
        const CliResult created = RunCli(args);
        EXPECT_EQ(created.status, 1);
        EXPECT_EQ(created.err, path + ": " + c.message + "\n");
        EXPECT_FALSE(std::filesystem::exists(path)) << "nothing written";

        ASSERT_EQ(RunCli(NewWineArgs(path)).status, 0);
        const std::string before = FileBytes(path);
        const CliResult edited = RunCli({"edit-conditions", path, c.option, c.value});
        EXPECT_EQ(edited.status, 1);
        EXPECT_EQ(edited.err, path + ": " + c.message + "\n");
        EXPECT_EQ(FileBytes(path), before);
        std::filesystem::remove(path);
    }
}

} // namespace
} // namespace zephra::test

// Comments and full names through the tool: kept in the notes after the
// wine record, shown by the outputs, refused when they would not fit.

#include "CliRun.h"

#include "document/WineRec.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace zephra::test {
namespace {

const std::string SampleWine = std::string(ZEPHRA_EXAMPLES_DIR) + "/chardonnay.zph";

// 30 and 31 characters: longer than the record's 16.
const std::string LongWine = "Sauvignon Blanc 25 Reserve Lot";
const std::string LongFilter = "Membrane 0.45 \xC2\xB5m PES cartridge";
const std::string Comments = "Cold stabilised; bentonite 2 g/hL, \"fined\" twice";

// The arguments with each option of `options` ("--wine", "Merlot", ...) set:
// its value replaced where the arguments give it, added otherwise.
std::vector<std::string> WithOptions(std::vector<std::string> args,
                                     const std::vector<std::string>& options) {
    for (std::size_t i = 0; i + 1 < options.size(); i += 2) {
        const auto given = std::find(args.begin(), args.end(), options[i]);
        if (given == args.end()) {
            args.insert(args.end(), {options[i], options[i + 1]});
        } else {
            *(given + 1) = options[i + 1];
        }
    }
    return args;
}

nlohmann::json ExportedJson(const std::string& path) {
    const CliResult result = RunCli({"export", "--format", "json", path});
    EXPECT_EQ(result.status, 0) << result.err;
    return nlohmann::json::parse(result.out);
}

TEST(WineNotesTest, CommentsAndFullNamesAreKeptAndShown) {
    TempFolder folder;
    const std::string path = folder.file("w.zph");
    const CliResult made = RunCli(WithOptions(
        NewWineArgs(path), {"--wine", LongWine, "--filter", LongFilter, "--comments", Comments}));
    ASSERT_EQ(made.status, 0) << made.err;
    EXPECT_TRUE(made.err.empty());
    EXPECT_GT(FileBytes(path).size(), WineRecSize);
    EXPECT_LE(FileBytes(path).size(), 2 * WineRecSize - 1);
    const TWineRec rec = RecordIn(path);
    EXPECT_EQ(rec.Conditions.WineName.text(), "Sauvignon Blanc ");
    EXPECT_EQ(rec.Conditions.FilterName.text(), "Membrane 0.45 \xB5m");

    nlohmann::json json = ExportedJson(path);
    EXPECT_EQ(json["conditions"]["wine"], "Sauvignon Blanc ");
    EXPECT_EQ(json["conditions"]["wine_name_full"], LongWine);
    EXPECT_EQ(json["conditions"]["filter_name_full"], LongFilter);
    EXPECT_EQ(json["comments"], Comments);
    EXPECT_TRUE(json["trial_started"].is_null());

    const CliResult summary = RunCli({"summary", "--csv", path});
    EXPECT_NE(summary.out.find("," + LongWine + "," + LongFilter + ","), std::string::npos)
        << summary.out;

    // Edited and recalculated, the wine keeps what was not changed.
    ASSERT_EQ(RunCli({"edit-conditions", path, "--comments", "Second trial"}).status, 0);
    ASSERT_EQ(RunCli({"recalc", "--in-place", path}).status, 0);
    json = ExportedJson(path);
    EXPECT_EQ(json["comments"], "Second trial");
    EXPECT_EQ(json["conditions"]["wine_name_full"], LongWine);

    // A name that fits the record needs no note; without comments the file
    // is a plain record again.
    ASSERT_EQ(
        RunCli({"edit-conditions", path, "--wine", "Merlot", "--filter", "K250", "--comments", ""})
            .status,
        0);
    EXPECT_EQ(FileBytes(path).size(), WineRecSize);
    json = ExportedJson(path);
    EXPECT_EQ(json["conditions"]["wine_name_full"], "Merlot");
    EXPECT_TRUE(json["comments"].is_null());
}

// Every text output shows the names in full, never the record's 16
// characters.
TEST(WineNotesTest, TextOutputsShowTheFullNames) {
    TempFolder folder;
    const std::string path = folder.file("w.zph");
    ASSERT_TRUE(WriteStandardLawWine(path));
    ASSERT_EQ(RunCli({"edit-conditions", path, "--wine", LongWine, "--filter", LongFilter}).status,
              0);
    const std::vector<std::vector<std::string>> commands = {
        {"analyze", path},
        {"size", path, "--batch", "100"},
        {"compare", path},
        {"summary", path},
    };
    for (const std::vector<std::string>& command : commands) {
        const CliResult result = RunCli(command);
        ASSERT_EQ(result.status, 0) << command[0] << ": " << result.err;
        EXPECT_NE(result.out.find(LongWine), std::string::npos) << command[0] << ":\n"
                                                                << result.out;
        EXPECT_NE(result.out.find(LongFilter), std::string::npos) << command[0] << ":\n"
                                                                  << result.out;
    }
}

TEST(WineNotesTest, AWineWithoutNotesStaysAPlainRecord) {
    // The sample made again as examples/make-sample.sh makes it: the same
    // bytes as the sample, a record and nothing after it.
    TempFolder folder;
    const std::string path = folder.file("w.zph");
    ASSERT_EQ(RunCli({"new",
                      path,
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
                      "bpm"})
                  .status,
              0);
    EXPECT_EQ(FileBytes(path).size(), WineRecSize);
    ASSERT_EQ(RunCli({"edit-data", path, "--csv", "--skip", "1"},
                     FileBytes(std::string(ZEPHRA_EXAMPLES_DIR) + "/chardonnay.csv"))
                  .status,
              0);
    EXPECT_EQ(FileBytes(path), FileBytes(SampleWine));

    const nlohmann::json json = ExportedJson(SampleWine);
    EXPECT_EQ(json["conditions"]["wine_name_full"], "Chardonnay 2024");
    EXPECT_EQ(json["conditions"]["filter_name_full"], "Membrane 0.65");
    EXPECT_TRUE(json["comments"].is_null());
    EXPECT_TRUE(json["trial_started"].is_null());
}

TEST(WineNotesTest, NotesThatWouldNotFitAreRefusedAndNothingIsWritten) {
    TempFolder folder;
    const std::string path = folder.file("w.zph");
    const CliResult refused =
        RunCli(WithOptions(NewWineArgs(path), {"--wine", std::string(1000, 'W'), "--comments",
                                               std::string(1200, 'c')}));
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find(path + ": Wine Name, Filter Name and Comments are too long to be "
                                      "kept in the wine file"),
              std::string::npos)
        << refused.err;
    EXPECT_FALSE(std::filesystem::exists(path));

    const std::string sample = folder.file("sample.zph");
    std::filesystem::copy_file(SampleWine, sample);
    EXPECT_EQ(RunCli({"edit-conditions", sample, "--comments", std::string(2200, 'c')}).status, 1);
    EXPECT_EQ(FileBytes(sample), FileBytes(SampleWine));
}

TEST(WineNotesTest, DamagedNotesAreIgnoredWithAWarning) {
    TempFolder folder;
    const std::string path = folder.file("w.zph");
    ASSERT_EQ(RunCli(WithOptions(NewWineArgs(path), {"--comments", "Kept"})).status, 0);
    std::string bytes = FileBytes(path);
    bytes[bytes.size() - 1] ^= 0x55; // the checksum
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out << bytes;
    }
    const CliResult report = RunCli({"report", path});
    EXPECT_EQ(report.status, 0);
    EXPECT_EQ(report.err, path + ": The notes after the wine record were ignored: their checksum "
                                 "does not match.\n");
    EXPECT_TRUE(ExportedJson(path)["comments"].is_null());
}

// Notes this version cannot read survive every command that saves; a
// change that would replace them needs --drop-notes.
TEST(WineNotesTest, UnreadableNotesAreKeptUnlessDropped) {
    TempFolder folder;
    const std::string path = folder.file("w.zph");
    ASSERT_EQ(
        RunCli(WithOptions(NewWineArgs(path), {"--comments", "Kept", "--wine", LongWine})).status,
        0);
    std::string damaged = FileBytes(path);
    damaged[damaged.size() - 1] ^= 0x55; // the checksum
    const std::string laterVersion = [&] {
        std::string bytes = FileBytes(path);
        bytes[WineRecSize + 4] = 2;
        return bytes;
    }();
    const auto plant = [&path](const std::string& bytes) {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out << bytes;
    };
    for (const std::string& notes : {damaged, laterVersion}) {
        const std::string tail = notes.substr(WineRecSize);
        plant(notes);
        const std::vector<std::vector<std::string>> keeping = {
            {"recalc", "--in-place", path},
            {"recalc", path, folder.file("copy.zph")},
            {"edit-data", path, "--point", "1", "10", "0", "15"},
            {"edit-conditions", path, "--lab-pressure", "10"},
        };
        for (const std::vector<std::string>& args : keeping) {
            SCOPED_TRACE(args[0] + " " + args[1]);
            const CliResult result = RunCli(args);
            EXPECT_EQ(result.status, 0) << result.err;
            EXPECT_EQ(FileBytes(path).substr(WineRecSize), tail);
        }
        EXPECT_EQ(FileBytes(folder.file("copy.zph")).substr(WineRecSize), tail);

        const CliResult replacing = RunCli({"edit-conditions", path, "--comments", "New"});
        EXPECT_EQ(replacing.status, 1);
        EXPECT_NE(replacing.err.find("--drop-notes"), std::string::npos) << replacing.err;
        EXPECT_EQ(FileBytes(path).substr(WineRecSize), tail);

        const CliResult dropped =
            RunCli({"edit-conditions", path, "--comments", "New", "--drop-notes"});
        EXPECT_EQ(dropped.status, 0) << dropped.err;
        EXPECT_EQ(ExportedJson(path)["comments"], "New");

        plant(notes);
        ASSERT_EQ(RunCli({"recalc", "--in-place", "--drop-notes", path}).status, 0);
        EXPECT_EQ(FileBytes(path).size(), WineRecSize);
    }
}

} // namespace
} // namespace zephra::test

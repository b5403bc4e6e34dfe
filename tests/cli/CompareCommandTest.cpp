#include "CliRun.h"

#include "document/WineFile.h"
#include "support/PdfTools.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdio>
#include <filesystem>

namespace zephra::test {
namespace {

// A trial of `wine` on `filter` (a 25 mm membrane at 29 psi) following the
// standard law V = Q0·t/(1 + Q0·t/V∞) in ml and minutes, one reading every
// 15 s, started at `started`.
std::string Trial(const TempFolder& folder, const std::string& name, const std::string& wine,
                  const std::string& filter, double q0, double vInfinity,
                  const std::string& started) {
    const std::string path = folder.file(name);
    EXPECT_EQ(
        RunCli({"new", path, "--wine", wine, "--filter", filter, "--lab-pressure", "29",
                "--filter-diameter", "25", "--max-pressure", "30", "--area", "10", "--rate", "100"})
            .status,
        0);
    std::string csv;
    for (int i = 1; i <= 36; ++i) {
        const double minutes = i * 15 / 60.0;
        char line[64];
        std::snprintf(line, sizeof line, "%.1f,%d,%d\n", minutes / (1 / q0 + minutes / vInfinity),
                      i * 15 / 60, i * 15 % 60);
        csv += line;
    }
    EXPECT_EQ(RunCli({"edit-data", path, "--csv"}, csv).status, 0);
    WineNotes notes;
    notes.WineName = NameForNotes(wine);
    notes.FilterName = NameForNotes(filter);
    notes.TrialStarted = started;
    EXPECT_EQ(WriteWineFile(path, RecordIn(path), notes), 0);
    return path;
}

struct Trials {
    std::string Early, Middle, Late;
};

// Three trials of one wine clarifying over three days, on two filters: the
// later the trial, the more the filter passes.
Trials ThreeTrials(const TempFolder& folder) {
    return {Trial(folder, "day1.zph", "Sauvignon Blanc 2025 Tank 4", "PES 0.65 membrane", 60, 500,
                  "2026-05-12T09:00:00+02:00"),
            Trial(folder, "day2.zph", "Sauvignon Blanc 2025 Tank 4", "Pad K200 sheet", 70, 900,
                  "2026-05-13T09:10:00+02:00"),
            Trial(folder, "day3.zph", "Sauvignon Blanc 2025 Tank 4", "PES 0.65 membrane", 80, 1600,
                  "2026-05-14T08:50:00+02:00")};
}

TEST(CompareCommandTest, JsonRowsRankedByCapacityOrInDateOrder) {
    TempFolder folder;
    const Trials t = ThreeTrials(folder);
    // Given in date order, ranked by capacity: day 3 first.
    const CliResult ranked = RunCli({"compare", t.Early, t.Middle, t.Late, "--json"});
    ASSERT_EQ(ranked.status, 0) << ranked.err;
    const nlohmann::json rows = nlohmann::json::parse(ranked.out);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0]["file"], "day3.zph");
    EXPECT_EQ(rows[2]["file"], "day1.zph");
    for (const auto& row : rows) {
        EXPECT_EQ(row["wine"], "Sauvignon Blanc 2025 Tank 4");
        EXPECT_EQ(row["points"], 36);
        EXPECT_EQ(row["best_law"], "standard");
        EXPECT_TRUE(row["fi_standard_conditions"].get<bool>());
        EXPECT_TRUE(row["vmax_L_per_m2"].is_number());
        EXPECT_LT(row["vmax_ci95_low_L_per_m2"].get<double>(), row["vmax_L_per_m2"].get<double>());
        EXPECT_GT(row["vmax_ci95_high_L_per_m2"].get<double>(), row["vmax_L_per_m2"].get<double>());
        EXPECT_EQ(row["capacity_best_law_L_per_m2"], row["vmax_L_per_m2"]);
        EXPECT_TRUE(row["capacity_exponential_L_per_m2"].is_number());
        EXPECT_TRUE(row["capacity_power_L_per_m2"].is_number());
        EXPECT_TRUE(row["flux_decline_percent"].is_number());
    }
    EXPECT_GT(rows[0]["capacity_best_law_L_per_m2"].get<double>(),
              rows[1]["capacity_best_law_L_per_m2"].get<double>());
    EXPECT_EQ(rows[1]["filter"], "Pad K200 sheet");
    // The index comes as the wine clarifies: day 1 reaches 400 ml only at
    // 33 min, after the trial; day 3 passes 200 ml at 2.86 min and 400 ml at
    // 6.67 min, an index of 400 - 2·171.4 = 57.1 s ("poor").
    EXPECT_TRUE(rows[2]["fi_s"].is_null());
    EXPECT_EQ(rows[0]["fi_band"], "poor");
    EXPECT_NEAR(rows[0]["fi_s"].get<double>(), 57.1, 1);

    // Given in any order, by date: the trend.
    const CliResult dated =
        RunCli({"compare", t.Late, t.Early, t.Middle, "--by", "date", "--json"});
    const nlohmann::json trend = nlohmann::json::parse(dated.out);
    EXPECT_EQ(trend[0]["trial_started"], "2026-05-12T09:00:00+02:00");
    EXPECT_EQ(trend[1]["file"], "day2.zph");
    EXPECT_EQ(trend[2]["file"], "day3.zph");
}

TEST(CompareCommandTest, CsvTextAndPlots) {
    TempFolder folder;
    const Trials t = ThreeTrials(folder);
    const CliResult csv = RunCli({"compare", t.Early, t.Middle, t.Late, "--csv"});
    ASSERT_EQ(csv.status, 0);
    EXPECT_EQ(csv.out.substr(0, csv.out.find("\r\n")),
              "file,wine,filter,trial_started,points,fi_s,fi_band,vmax_L_per_m2,"
              "vmax_ci95_low_L_per_m2,vmax_ci95_high_L_per_m2,best_law,"
              "capacity_exponential_L_per_m2,capacity_power_L_per_m2,"
              "capacity_best_law_L_per_m2,flux_decline_percent,fi_standard_conditions");
    EXPECT_NE(csv.out.find("\r\nday3.zph,Sauvignon Blanc 2025 Tank 4,PES 0.65 membrane,"),
              std::string::npos)
        << csv.out;

    const std::string png = folder.file("plot.png");
    const CliResult text = RunCli({"compare", t.Early, t.Middle, t.Late, "-o", png});
    ASSERT_EQ(text.status, 0) << text.err;
    EXPECT_EQ(text.out.substr(0, 4), "Wine");
    EXPECT_NE(text.out.find("Pad K200 sheet"), std::string::npos);
    // A PNG file whose header names a 900 x 600 picture.
    const std::string bytes = FileBytes(png);
    ASSERT_GT(bytes.size(), 24u);
    EXPECT_EQ(bytes.substr(1, 3), "PNG");
    EXPECT_EQ(bytes.substr(16, 8), std::string("\0\0\x03\x84\0\0\x02\x58", 8));

    const std::string pdf = folder.file("plot.pdf");
    ASSERT_EQ(RunCli({"compare", t.Early, t.Middle, t.Late, "-o", pdf}).status, 0);
    const std::vector<PdfPage> pages = PdfWords(pdf);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_TRUE(PdfLayoutFaults(pages[0], 42, 7).empty()) << PdfLayoutFaults(pages[0], 42, 7)[0];
    const std::string words = PdfText(pdf);
    EXPECT_NE(words.find("Trials compared"), std::string::npos);
    EXPECT_NE(words.find("Sauvignon Blanc 2025 Tank 4 \xE2\x80\x94 Pad K200 sheet"),
              std::string::npos)
        << words;
    // The two trials on the membrane are told apart by their start.
    EXPECT_NE(words.find("PES 0.65 membrane (2026-05-12 09:00)"), std::string::npos) << words;
}

// Many trials: the graph holds the first twelve and says what it leaves
// out, the table goes on over the pages it needs.
TEST(CompareCommandTest, ManyTrialsKeepAReadableGraphAndTheWholeTable) {
    TempFolder folder;
    const std::string first =
        Trial(folder, "t.zph", "Riesling", "PES 0.45", 60, 900, "2026-05-12T09:00:00+02:00");
    const TWineRec rec = RecordIn(first);
    std::vector<std::string> files;
    for (int i = 1; i <= 999; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "Trial %03d", i);
        WineNotes notes;
        notes.WineName = name;
        files.push_back(folder.file(std::string(name) + ".zph"));
        ASSERT_EQ(WriteWineFile(files.back(), rec, notes), 0);
    }
    for (const std::size_t count : {std::size_t{39}, std::size_t{999}}) {
        SCOPED_TRACE(count);
        std::vector<std::string> args{"compare"};
        args.insert(args.end(), files.begin(), files.begin() + static_cast<long>(count));
        const std::string pdf = folder.file("plot.pdf");
        args.insert(args.end(), {"-o", pdf});
        const CliResult result = RunCli(args);
        ASSERT_EQ(result.status, 0) << result.err;
        const std::vector<PdfPage> pages = PdfWords(pdf);
        ASSERT_GE(pages.size(), count > 100 ? 2u : 1u);
        for (const PdfPage& page : pages) {
            const auto faults = PdfLayoutFaults(page, 42, 7);
            EXPECT_TRUE(faults.empty()) << faults[0];
        }
        const std::string words = PdfText(pdf);
        const std::string note = "The chart shows the first 12 of the " + std::to_string(count) +
                                 " trials, in the table's order; the other " +
                                 std::to_string(count - 12) + " are in the table only.";
        EXPECT_NE(words.find(note), std::string::npos) << words.substr(0, 2000);
        EXPECT_NE(words.find("t (min)"), std::string::npos) << "the graph is drawn";
        char last[16];
        std::snprintf(last, sizeof last, "Trial %03zu", count);
        EXPECT_NE(words.find(last), std::string::npos) << "the table's last row";

        args.back() = folder.file("plot.png");
        const CliResult png = RunCli(args);
        EXPECT_EQ(png.status, 0);
        EXPECT_EQ(png.err, args.back() + ": " + note + "\n");
    }
}

// By date means by the moment: a trial at 02:10 in winter time came after
// one at 02:30 in summer time of that night.
TEST(CompareCommandTest, DatesSortAcrossAClockChangeAndAFileIsListedOnce) {
    TempFolder folder;
    const std::string summer =
        Trial(folder, "summer.zph", "Riesling", "PES 0.45", 60, 900, "2026-10-25T02:30:00+02:00");
    const std::string winter =
        Trial(folder, "winter.zph", "Riesling", "PES 0.45", 60, 900, "2026-10-25T02:10:00+01:00");
    const std::string unknown = Trial(folder, "unknown.zph", "Riesling", "PES 0.45", 60, 900, "");
    const std::string link = folder.file("link.zph");
    std::filesystem::create_symlink(summer, link);
    const CliResult dated =
        RunCli({"compare", unknown, winter, summer, winter, link, "--by", "date", "--json"});
    EXPECT_EQ(dated.status, 0);
    EXPECT_EQ(dated.err,
              winter + ": given before; listed once\n" + link + ": given before; listed once\n");
    const nlohmann::json rows = nlohmann::json::parse(dated.out);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0]["file"], "summer.zph");
    EXPECT_EQ(rows[1]["file"], "winter.zph");
    EXPECT_EQ(rows[2]["file"], "unknown.zph");
}

TEST(CompareCommandTest, UnreadableWinesAndWrongUsage) {
    TempFolder folder;
    const Trials t = ThreeTrials(folder);
    const CliResult missing = RunCli({"compare", t.Early, folder.file("none.zph"), "--json"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(nlohmann::json::parse(missing.out).size(), 1u);
    EXPECT_EQ(RunCli({"compare", folder.file("none.zph")}).status, 1);
    EXPECT_EQ(RunCli({"compare"}).status, 2);
    EXPECT_EQ(RunCli({"compare", t.Early, "--csv", "--json"}).status, 2);
    EXPECT_EQ(RunCli({"compare", t.Early, "--by", "name"}).status, 2);
    EXPECT_EQ(RunCli({"compare", t.Early, "-o", folder.file("plot.svg")}).status, 2);
}

} // namespace
} // namespace zephra::test

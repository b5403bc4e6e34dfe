#include "document/WineNotes.h"

#include "document/WineRec.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

namespace zephra {
namespace {

TEST(WineNotesTest, NotesKeepANameOnlyWhereTheRecordCannotHoldIt) {
    struct Case {
        std::string name;
        bool kept;
    };
    const Case cases[] = {
        {"Merlot", false},
        {"Sauvignon Blanc ", false},           // 16 characters
        {"Gr\xC3\xBCner Veltliner", false},    // 16 characters, one of them two bytes
        {"Sauvignon Blanc 25", true},          // 18 characters
        {"\xE6\x97\xA5\xE6\x9C\xAC", true},    // Windows-1252 has no such letters
        {"Ros\xC3\xA9 \xE2\x82\xAC 5", false}, // the euro sign is one of its bytes
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(NameForNotes(c.name), c.kept ? c.name : "");
    }
}

TEST(WineNotesTest, FullNamesComeFromTheNotesOrTheRecord) {
    TWineRec rec{};
    rec.Conditions.WineName.assign("Sauvignon Blanc ");
    rec.Conditions.FilterName.assign("Membrane 0.45 \xB5m");
    WineNotes notes;
    EXPECT_EQ(FullWineName(rec, notes), "Sauvignon Blanc ");
    EXPECT_EQ(FullFilterName(rec, notes), "Membrane 0.45 \xC2\xB5m");
    notes.WineName = "Sauvignon Blanc 25";
    notes.FilterName = "Membrane 0.45 \xC2\xB5m PES";
    EXPECT_EQ(FullWineName(rec, notes), "Sauvignon Blanc 25");
    EXPECT_EQ(FullFilterName(rec, notes), "Membrane 0.45 \xC2\xB5m PES");
}

TEST(WineNotesTest, TrialStartIsLocalTimeWithItsOffset) {
    const char* const saved = std::getenv("TZ");
    const std::string before = saved ? saved : "";
    const std::time_t moment = 1778743867; // 2026-05-14 07:31:07 UTC
    const struct {
        const char* zone;
        const char* text;
    } cases[] = {{"UTC0", "2026-05-14T07:31:07+00:00"},
                 {"CET-1CEST,M3.5.0,M10.5.0/3", "2026-05-14T09:31:07+02:00"},
                 {"<-0330>3:30", "2026-05-14T04:01:07-03:30"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.zone);
        ::setenv("TZ", c.zone, 1);
        ::tzset();
        EXPECT_EQ(TrialStartedText(moment), c.text);
        EXPECT_EQ(TrialStartedText(moment).size(), TrialStartedLength);
    }
    if (saved) {
        ::setenv("TZ", before.c_str(), 1);
    } else {
        ::unsetenv("TZ");
    }
    ::tzset();
}

TEST(WineNotesTest, EmptyOnlyWithoutAnyText) {
    EXPECT_TRUE(WineNotes{}.Empty());
    WineNotes later;
    later.LaterKeys["reading_times_ds"] = "[150]";
    EXPECT_FALSE(later.Empty());
    WineNotes started;
    started.TrialStarted = "2026-05-14T09:31:07+02:00";
    EXPECT_FALSE(started.Empty());
}

} // namespace
} // namespace zephra

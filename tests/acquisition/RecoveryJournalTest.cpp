#include "acquisition/RecoveryJournal.h"

#include "document/Crc32.h"
#include "support/RunAsNobody.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

using namespace zephra;
using zephra::test::TempFolder;

namespace {

// A wine of the Merlot trial with its first `points` readings.
CollectedWine Merlot(int points, std::string fileName = "/lab/merlot.zph") {
    CollectedWine wine;
    wine.fileName = std::move(fileName);
    wine.caption = "merlot.zph";
    wine.rec.Conditions.WineName.assign("Merlot");
    wine.rec.Conditions.LabP.assign("30.0");
    wine.rec.Data.MinSkip.set(1);
    for (int i = 0; i < points; ++i) {
        wine.rec.Data.V[i].assign("  " + std::to_string(10 + i) + ".5");
        wine.rec.Data.T[i].M.assign("  " + std::to_string(i / 4));
        wine.rec.Data.T[i].Sc.assign(std::to_string(10 + i % 4 * 15));
    }
    return wine;
}

bool SameRecord(const TWineRec& a, const TWineRec& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// The journal of a run that stored points 1, 2 and 3.
std::string ThreePoints() {
    return JournalStart(Merlot(1)) + JournalFrame(Merlot(2).rec.Data) +
           JournalFrame(Merlot(3).rec.Data);
}

std::string Bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void Write(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::vector<std::string> Names(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(RecoveryJournalTest, KeepsTheLastWineAndDataWritten) {
    const JournalContents read = ReadJournal(ThreePoints());
    ASSERT_EQ(read.state, JournalContents::State::Intact) << read.problem;
    EXPECT_EQ(read.wine.fileName, "/lab/merlot.zph");
    EXPECT_EQ(read.wine.caption, "merlot.zph");
    EXPECT_TRUE(SameRecord(read.wine.rec, Merlot(3).rec));
    EXPECT_EQ(read.readings, 3);
    EXPECT_FALSE(read.tornTail);

    // The wine saved under a new name meanwhile: a new 'W' frame, data after it.
    CollectedWine renamed = Merlot(4, "/lab/merlot-2.zph");
    renamed.caption = "merlot-2.zph";
    const JournalContents again =
        ReadJournal(ThreePoints() + JournalFrame(renamed) + JournalFrame(Merlot(5).rec.Data));
    ASSERT_EQ(again.state, JournalContents::State::Intact) << again.problem;
    EXPECT_EQ(again.wine.fileName, "/lab/merlot-2.zph");
    EXPECT_EQ(again.wine.caption, "merlot-2.zph");
    EXPECT_EQ(again.readings, 5);

    // A wine never saved, with a caption beyond ASCII.
    CollectedWine unsaved = Merlot(2, "");
    unsaved.caption = "Rosé 2026 F0.45";
    const JournalContents fresh = ReadJournal(JournalStart(unsaved));
    ASSERT_EQ(fresh.state, JournalContents::State::Intact);
    EXPECT_EQ(fresh.wine.fileName, "");
    EXPECT_EQ(fresh.wine.caption, "Rosé 2026 F0.45");
    EXPECT_EQ(fresh.readings, 2);
}

// A program killed while it appended leaves the end of its last frame
// unwritten (or, after a power cut, zero bytes): every frame before it
// counts. A journal that ends before its first frame never kept a reading.
// The wine's notes (full names, comments, the trial's start) come back with
// it; a change of the notes during the run writes the whole wine again.
TEST(RecoveryJournalTest, KeepsTheWinesNotes) {
    CollectedWine noted = Merlot(1);
    noted.notes.WineName = "Merlot Réserve du Domaine 2026";
    noted.notes.Comments = "second lot, after fining";
    noted.notes.TrialStarted = "2026-05-14T09:31:07+02:00";
    noted.notes.LaterKeys["added_later"] = "[1,2]";
    const JournalContents read =
        ReadJournal(JournalStart(noted) + JournalFrame(Merlot(2).rec.Data));
    ASSERT_EQ(read.state, JournalContents::State::Intact) << read.problem;
    EXPECT_EQ(read.wine.notes, noted.notes);
    EXPECT_EQ(read.readings, 2);

    TempFolder temp;
    RecoveryJournal journal(temp.file("zephra"));
    ASSERT_EQ(journal.Keep(Merlot(1)), 0);
    CollectedWine later = Merlot(2);
    later.notes = noted.notes;
    ASSERT_EQ(journal.Keep(later), 0);
    const std::string notesChanged = JournalFrame(later);
    later.rec = Merlot(3).rec;
    ASSERT_EQ(journal.Keep(later), 0);
    const std::string bytes = Bytes(journal.Path());
    EXPECT_EQ(bytes, JournalStart(Merlot(1)) + notesChanged + JournalFrame(later.rec.Data));
    const JournalContents kept = ReadJournal(bytes);
    EXPECT_EQ(kept.wine.notes, noted.notes);
    EXPECT_EQ(kept.readings, 3);

    // Notes that do not read as notes make the wine damaged.
    std::string frame = JournalFrame(noted);
    const std::size_t notesAt = frame.find("ZPHN");
    ASSERT_NE(notesAt, std::string::npos);
    frame[notesAt + 10] ^= 0x20;
    const std::string_view checked = std::string_view(frame).substr(0, frame.size() - 4);
    const std::uint32_t check = Crc32(checked);
    for (int i = 0; i < 4; ++i)
        frame[frame.size() - 4 + static_cast<std::size_t>(i)] = static_cast<char>(check >> (8 * i));
    const JournalContents damaged = ReadJournal(JournalStart(Merlot(1)) + frame);
    EXPECT_EQ(damaged.state, JournalContents::State::Damaged);
}

TEST(RecoveryJournalTest, AnUnfinishedLastFrameIsLeftOut) {
    const std::string whole = ThreePoints();
    const std::size_t start = JournalStart(Merlot(1)).size();
    const std::size_t frame = JournalFrame(Merlot(2).rec.Data).size();
    ASSERT_EQ(whole.size(), start + 2 * frame);
    for (std::size_t cut = 0; cut < whole.size(); ++cut) {
        SCOPED_TRACE(cut);
        const JournalContents read = ReadJournal(std::string_view(whole).substr(0, cut));
        if (cut < start) {
            EXPECT_EQ(read.state, JournalContents::State::Unused) << read.problem;
            continue;
        }
        ASSERT_EQ(read.state, JournalContents::State::Intact) << read.problem;
        const int frames = static_cast<int>((cut - start) / frame);
        EXPECT_EQ(read.readings, 1 + frames);
        EXPECT_EQ(read.tornTail, (cut - start) % frame != 0);
    }
    std::string zeroed = whole;
    std::memset(zeroed.data() + start + frame, 0, frame);
    const JournalContents read = ReadJournal(zeroed + std::string(4096, '\0'));
    ASSERT_EQ(read.state, JournalContents::State::Intact) << read.problem;
    EXPECT_EQ(read.readings, 2);
    EXPECT_TRUE(read.tornTail);
}

TEST(RecoveryJournalTest, DamagedJournalsAreRecognised) {
    const std::string good = ThreePoints();
    const std::size_t start = JournalStart(Merlot(1)).size();
    const auto changed = [&](std::size_t at, char byte) {
        std::string bytes = good;
        bytes[at] = byte;
        return bytes;
    };
    struct Case {
        const char* name;
        std::string bytes;
    };
    const Case cases[] = {
        {"another file", "%PDF-1.4\n" + std::string(3000, 'x')},
        {"another version", changed(4, 2)},
        {"a flipped bit in the first frame", changed(start - 100, 'x')},
        {"a flipped bit in a frame with frames after it", changed(start + 30, 'x')},
        {"data before any wine", good.substr(0, 8) + JournalFrame(Merlot(2).rec.Data)},
        {"an unknown frame with frames after it",
         [&] {
             std::string bytes = good;
             bytes[start] = 'Q';
             return bytes;
         }()},
        {"a data frame of the wrong size",
         [&] {
             std::string frame = JournalFrame(Merlot(2).rec.Data);
             frame.erase(10, 1);
             frame[1] = static_cast<char>(frame[1] - 1);
             return JournalStart(Merlot(1)) + frame + JournalFrame(Merlot(3).rec.Data);
         }()},
        {"garbage after the last frame", good + "garbage"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const JournalContents read = ReadJournal(c.bytes);
        EXPECT_EQ(read.state, JournalContents::State::Damaged);
        EXPECT_FALSE(read.problem.empty());
    }
}

TEST(RecoveryJournalTest, FolderFollowsTheStateHome) {
    const char* savedState = std::getenv("XDG_STATE_HOME");
    const char* savedHome = std::getenv("HOME");
    const std::string keptState = savedState ? savedState : "";
    const std::string keptHome = savedHome ? savedHome : "";
    ::setenv("HOME", "/home/lab", 1);
    ::setenv("XDG_STATE_HOME", "/state", 1);
    EXPECT_EQ(RecoveryFolder(), "/state/zephra");
    ::setenv("XDG_STATE_HOME", "", 1);
    EXPECT_EQ(RecoveryFolder(), "/home/lab/.local/state/zephra");
    ::unsetenv("XDG_STATE_HOME");
    EXPECT_EQ(RecoveryFolder(), "/home/lab/.local/state/zephra");
    ::setenv("HOME", keptHome.c_str(), 1);
    if (savedState)
        ::setenv("XDG_STATE_HOME", keptState.c_str(), 1);
}

// The journal of a wine window: created by the first point, one frame per
// point, gone once the wine is saved or its window is gone.
TEST(RecoveryJournalTest, WriterKeepsEachPointAndRemovesTheJournal) {
    TempFolder temp;
    const std::string folder = temp.file("state/zephra");
    {
        RecoveryJournal journal(folder);
        EXPECT_EQ(journal.Path(), "");
        EXPECT_FALSE(std::filesystem::exists(folder));
        for (int points = 1; points <= 3; ++points)
            ASSERT_EQ(journal.Keep(Merlot(points)), 0);
        ASSERT_NE(journal.Path(), "");
        EXPECT_EQ(std::filesystem::path(journal.Path()).parent_path(), folder);
        EXPECT_EQ(Bytes(journal.Path()), ThreePoints());
        // A running program's journal is not offered to another.
        EXPECT_TRUE(FindLeftJournals(folder).empty());
        EXPECT_EQ(Names(folder).size(), 1u);

        journal.Remove(); // saved
        EXPECT_EQ(journal.Path(), "");
        EXPECT_TRUE(Names(folder).empty());
        ASSERT_EQ(journal.Keep(Merlot(4)), 0); // the run went on
        EXPECT_EQ(ReadJournal(Bytes(journal.Path())).readings, 4);
    }
    EXPECT_TRUE(Names(folder).empty());

    // A folder that cannot be made: nothing kept, the error told.
    Write(temp.file("file"), "x");
    RecoveryJournal blocked(temp.file("file/zephra"));
    EXPECT_EQ(blocked.Keep(Merlot(1)), ENOTDIR);
    EXPECT_EQ(blocked.Path(), "");
}

// At start: intact journals are offered, damaged ones can be moved aside,
// unused ones go quietly, other files stay.
TEST(RecoveryJournalTest, JournalsLeftBehindAreFoundAtStart) {
    TempFolder temp;
    const std::string folder = temp.path().string();
    Write(temp.file("collect-aaaaaa.journal"), ThreePoints());
    Write(temp.file("collect-bbbbbb.journal"), "garbage");
    Write(temp.file("collect-cccccc.journal"), ThreePoints().substr(0, 20));
    Write(temp.file("collect-dddddd.journal.damaged"), "old");
    Write(temp.file("notes.txt"), "mine");

    std::vector<LeftJournal> left = FindLeftJournals(folder);
    ASSERT_EQ(left.size(), 2u);
    std::sort(left.begin(), left.end(),
              [](const LeftJournal& a, const LeftJournal& b) { return a.Path() < b.Path(); });
    EXPECT_EQ(left[0].Path(), temp.file("collect-aaaaaa.journal"));
    EXPECT_EQ(left[0].Contents().state, JournalContents::State::Intact);
    EXPECT_EQ(left[0].Contents().readings, 3);
    EXPECT_EQ(left[1].Contents().state, JournalContents::State::Damaged);
    EXPECT_EQ(Names(folder),
              (std::vector<std::string>{"collect-aaaaaa.journal", "collect-bbbbbb.journal",
                                        "collect-dddddd.journal.damaged", "notes.txt"}));

    EXPECT_EQ(left[1].MoveAside(), temp.file("collect-bbbbbb.journal.damaged"));
    EXPECT_EQ(left[0].Discard(), 0);
    EXPECT_EQ(Names(folder),
              (std::vector<std::string>{"collect-bbbbbb.journal.damaged",
                                        "collect-dddddd.journal.damaged", "notes.txt"}));
    EXPECT_EQ(Bytes(temp.file("collect-bbbbbb.journal.damaged")), "garbage");
    EXPECT_TRUE(FindLeftJournals(folder).empty());
    EXPECT_TRUE(FindLeftJournals(temp.file("missing")).empty());
}

// The journals are the user's alone: the folder is made or closed to mode
// 0700, and a journal or folder of another user is never taken.
TEST(RecoveryJournalTest, OnlyTheUsersOwnJournalsInAPrivateFolderAreOffered) {
    const auto mode = [](const std::string& path) {
        struct stat st {};
        return ::stat(path.c_str(), &st) == 0 ? st.st_mode & 07777 : 0u;
    };
    TempFolder temp;
    const std::string folder = temp.file("state/zephra");
    {
        RecoveryJournal journal(folder);
        ASSERT_EQ(journal.Keep(Merlot(1)), 0);
        EXPECT_EQ(mode(folder), 0700u);
    }
    // A folder of the user's that others may read or write is closed first.
    ASSERT_EQ(::chmod(folder.c_str(), 0777), 0);
    Write(folder + "/collect-aaaaaa.journal", ThreePoints());
    EXPECT_EQ(FindLeftJournals(folder).size(), 1u);
    EXPECT_EQ(mode(folder), 0700u);
    ASSERT_EQ(::chmod(folder.c_str(), 0755), 0);
    {
        RecoveryJournal journal(folder);
        ASSERT_EQ(journal.Keep(Merlot(1)), 0);
        EXPECT_EQ(mode(folder), 0700u);
    }

    if (!zephra::test::CanRunAsNobody())
        GTEST_SKIP() << "needs root to set up files of another user";
    const std::string planted = folder + "/collect-bbbbbb.journal";
    Write(planted, ThreePoints());
    ASSERT_EQ(::chown(planted.c_str(), zephra::test::NobodyUid, zephra::test::NobodyGid), 0);
    const std::vector<LeftJournal> left = FindLeftJournals(folder);
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(left[0].Path(), folder + "/collect-aaaaaa.journal");

    ASSERT_EQ(::chown(folder.c_str(), zephra::test::NobodyUid, zephra::test::NobodyGid), 0);
    EXPECT_TRUE(FindLeftJournals(folder).empty());
    RecoveryJournal journal(folder);
    EXPECT_EQ(journal.Keep(Merlot(1)), EPERM);
    EXPECT_EQ(journal.Path(), "");
}

} // namespace

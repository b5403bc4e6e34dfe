#include "document/WineFile.h"

#include "document/WineTrailer.h"

#include "support/RecordingBoxes.h"
#include "support/RunAsNobody.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <linux/fs.h>
#include <random>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace zephra {
namespace {

using test::RecordingBoxes;
using test::TempFolder;

std::vector<unsigned char> RandomBytes(std::size_t size, unsigned seed) {
    std::mt19937 random(seed);
    std::vector<unsigned char> bytes(size);
    for (auto& b : bytes) {
        b = static_cast<unsigned char>(random());
    }
    return bytes;
}

void WriteBytes(const std::string& path, const std::vector<unsigned char>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

std::vector<unsigned char> ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<unsigned char> BytesOf(const TWineRec& rec) {
    const auto* p = reinterpret_cast<const unsigned char*>(&rec);
    return {p, p + sizeof rec};
}

TWineRec RecordOf(const std::vector<unsigned char>& bytes) {
    TWineRec rec;
    std::memcpy(&rec, bytes.data(), sizeof rec);
    return rec;
}

std::size_t EntriesIn(const std::filesystem::path& folder) {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder),
                                                  std::filesystem::directory_iterator()));
}

TEST(WineFileTest, ReadAndSaveGiveTheFileBackByteForByte) {
    // Random bytes everywhere: short strings carry junk after their texts
    // (and even length bytes above their capacity).
    TempFolder folder;
    const auto original = RandomBytes(WineRecSize, 7);
    WriteBytes(folder.file("in.zph"), original);

    TWineRec rec{};
    RecordingBoxes boxes;
    ASSERT_TRUE(ZephraFileOpen(folder.file("in.zph"), rec, boxes));
    EXPECT_TRUE(boxes.shown.empty());
    ASSERT_EQ(WriteWineFile(folder.file("out.zph"), rec), 0);
    EXPECT_EQ(ReadBytes(folder.file("out.zph")), original);
}

TEST(WineFileTest, AcceptsOnlyLengthsFrom2181To4361) {
    struct Case {
        std::size_t size;
        bool accepted;
    };
    const Case cases[] = {{0, false}, {2180, false}, {2181, true}, {4361, true}, {4362, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.size);
        TempFolder folder;
        const auto bytes = RandomBytes(c.size, static_cast<unsigned>(c.size));
        WriteBytes(folder.file("w.zph"), bytes);

        TWineRec rec{};
        rec.Conditions.WineName.assign("untouched");
        const auto before = BytesOf(rec);
        RecordingBoxes boxes;
        EXPECT_EQ(ZephraFileOpen(folder.file("w.zph"), rec, boxes), c.accepted);
        if (c.accepted) {
            EXPECT_TRUE(boxes.shown.empty());
            const std::vector<unsigned char> first(bytes.begin(), bytes.begin() + WineRecSize);
            EXPECT_EQ(BytesOf(rec), first);
        } else {
            ASSERT_EQ(boxes.shown.size(), 1u);
            EXPECT_EQ(boxes.shown[0].kind, BoxKind::Error);
            EXPECT_EQ(boxes.shown[0].text, "Error reading the data file.");
            EXPECT_EQ(BytesOf(rec), before);
        }
    }
}

TEST(WineFileTest, OpenFailuresNameTheSystemErrorCode) {
    TempFolder folder;
    std::filesystem::create_directory(folder.file("folder.zph"));
    struct Case {
        std::string path;
        int code;
    };
    const Case cases[] = {{folder.file("missing.zph"), ENOENT},
                          {folder.file("folder.zph"), EISDIR}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        TWineRec rec{};
        RecordingBoxes boxes;
        EXPECT_FALSE(ZephraFileOpen(c.path, rec, boxes));
        ASSERT_EQ(boxes.shown.size(), 1u);
        EXPECT_EQ(boxes.shown[0].kind, BoxKind::Error);
        EXPECT_EQ(boxes.shown[0].text,
                  "I/O Error type " + std::to_string(c.code) + " occurred while reading file.");
    }
}

TEST(WineFileTest, NamedPipeIsRejectedWithoutWaiting) {
    TempFolder folder;
    ASSERT_EQ(::mkfifo(folder.file("pipe.zph").c_str(), 0600), 0);
    TWineRec rec{};
    RecordingBoxes boxes;
    EXPECT_FALSE(ZephraFileOpen(folder.file("pipe.zph"), rec, boxes));
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, "Error reading the data file.");
}

WineNotes SomeNotes() {
    WineNotes notes;
    notes.Comments = "Cold stabilised; bentonite 2 g/hL";
    notes.WineName = "Sauvignon Blanc 25 Reserve Lot";
    notes.FilterName = "Membrane 0.45 \xC2\xB5m PES cartridge";
    notes.TrialStarted = "2026-05-14T09:31:07+02:00";
    return notes;
}

TEST(WineFileTest, NotesFollowTheRecordAndComeBack) {
    TempFolder folder;
    const TWineRec rec = RecordOf(RandomBytes(WineRecSize, 12));
    const WineNotes notes = SomeNotes();
    ASSERT_EQ(WriteWineFile(folder.file("w.zph"), rec, notes), 0);
    const auto bytes = ReadBytes(folder.file("w.zph"));
    ASSERT_GT(bytes.size(), WineRecSize);
    EXPECT_EQ(std::vector<unsigned char>(bytes.begin(), bytes.begin() + WineRecSize), BytesOf(rec));

    WineFileContents wine;
    RecordingBoxes boxes;
    ASSERT_TRUE(ReadWineFile(folder.file("w.zph"), wine, boxes));
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(BytesOf(wine.Rec), BytesOf(rec));
    EXPECT_EQ(wine.Notes, notes);
    EXPECT_EQ(wine.NotesWarning, "");

    // Written again unchanged: the same file, byte for byte.
    ASSERT_EQ(WriteWineFile(folder.file("again.zph"), wine.Rec, wine.Notes), 0);
    EXPECT_EQ(ReadBytes(folder.file("again.zph")), bytes);
}

TEST(WineFileTest, AWineWithoutNotesIsExactlyItsRecord) {
    TempFolder folder;
    const auto sample = ReadBytes(ZEPHRA_SAMPLE_WINE);
    WineFileContents wine;
    RecordingBoxes boxes;
    ASSERT_TRUE(ReadWineFile(ZEPHRA_SAMPLE_WINE, wine, boxes));
    EXPECT_TRUE(wine.Notes.Empty());
    EXPECT_EQ(wine.NotesWarning, "");
    ASSERT_EQ(WriteWineFile(folder.file("w.zph"), wine.Rec, wine.Notes), 0);
    EXPECT_EQ(ReadBytes(folder.file("w.zph")), sample);
}

// A program that knows only the record keeps the first 2181 bytes.
TEST(WineFileTest, AFileCutToItsRecordStillOpens) {
    TempFolder folder;
    const TWineRec rec = RecordOf(RandomBytes(WineRecSize, 13));
    ASSERT_EQ(WriteWineFile(folder.file("w.zph"), rec, SomeNotes()), 0);
    ASSERT_EQ(::truncate(folder.file("w.zph").c_str(), WineRecSize), 0);
    WineFileContents wine;
    RecordingBoxes boxes;
    ASSERT_TRUE(ReadWineFile(folder.file("w.zph"), wine, boxes));
    EXPECT_EQ(BytesOf(wine.Rec), BytesOf(rec));
    EXPECT_TRUE(wine.Notes.Empty());
    EXPECT_EQ(wine.NotesWarning, "");
}

TEST(WineFileTest, DamagedNotesAreIgnoredWithAWarningAndTheRecordOpens) {
    TempFolder folder;
    const TWineRec rec = RecordOf(RandomBytes(WineRecSize, 14));
    ASSERT_EQ(WriteWineFile(folder.file("w.zph"), rec, SomeNotes()), 0);
    auto bytes = ReadBytes(folder.file("w.zph"));
    bytes[WineRecSize + 20] ^= 0x20;
    WriteBytes(folder.file("w.zph"), bytes);

    WineFileContents wine;
    wine.Notes.Comments = "replaced";
    RecordingBoxes boxes;
    ASSERT_TRUE(ReadWineFile(folder.file("w.zph"), wine, boxes));
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(BytesOf(wine.Rec), BytesOf(rec));
    EXPECT_TRUE(wine.Notes.Empty());
    EXPECT_EQ(wine.NotesWarning,
              "The notes after the wine record were ignored: their checksum does not match.");

    // Saved again, the notes it could not read are kept byte for byte.
    ASSERT_EQ(WriteWineFile(folder.file("w.zph"), wine.Rec, wine.Notes), 0);
    EXPECT_EQ(ReadBytes(folder.file("w.zph")), bytes);
}

// Notes this version cannot read (damaged, or of a later version) survive
// every save; new notes replace them only once the user has let them go.
TEST(WineFileTest, UnreadableNotesAreKeptUntilTheUserLetsThemGo) {
    TempFolder folder;
    const TWineRec rec = RecordOf(RandomBytes(WineRecSize, 16));
    ASSERT_EQ(WriteWineFile(folder.file("good.zph"), rec, SomeNotes()), 0);
    const auto good = ReadBytes(folder.file("good.zph"));
    const auto changed = [&good](std::size_t at, unsigned char value) {
        auto b = good;
        b[at] = value;
        return b;
    };
    const std::vector<std::pair<const char*, std::vector<unsigned char>>> cases = {
        {"bad checksum", changed(good.size() - 1, good.back() ^ 0x01)},
        {"later version", changed(WineRecSize + 4, 2)},
        {"foreign bytes", changed(WineRecSize, 'X')},
    };
    for (const auto& [name, bytes] : cases) {
        SCOPED_TRACE(name);
        const std::string path = folder.file(std::string(name) + ".zph");
        WriteBytes(path, bytes);
        WineFileContents wine;
        RecordingBoxes boxes;
        ASSERT_TRUE(ReadWineFile(path, wine, boxes));
        EXPECT_NE(wine.NotesWarning, "");

        ASSERT_EQ(WriteWineFile(path, wine.Rec, wine.Notes), 0);
        EXPECT_EQ(ReadBytes(path), bytes);

        WineNotes typed = wine.Notes;
        typed.Comments = "typed after opening";
        EXPECT_EQ(WriteWineFile(path, wine.Rec, typed), ECANCELED);
        EXPECT_EQ(ReadBytes(path), bytes);
        EXPECT_NE(WineWriteErrorDetail(ECANCELED), "");

        typed.Unreadable.clear();
        ASSERT_EQ(WriteWineFile(path, wine.Rec, typed), 0);
        WineFileContents again;
        ASSERT_TRUE(ReadWineFile(path, again, boxes));
        EXPECT_EQ(again.Notes.Comments, "typed after opening");
    }
}

TEST(WineFileTest, NotesTooLongForTheFileAreRefusedAndNothingIsWritten) {
    TempFolder folder;
    const auto old = RandomBytes(WineRecSize, 15);
    WriteBytes(folder.file("w.zph"), old);
    WineNotes notes;
    notes.Comments = std::string(MaxTrailerSize, 'c');
    EXPECT_EQ(WriteWineFile(folder.file("w.zph"), RecordOf(old), notes), EFBIG);
    EXPECT_EQ(ReadBytes(folder.file("w.zph")), old);
    EXPECT_EQ(EntriesIn(folder.path()), 1u);

    // The longest notes that fit make a file of 4361 bytes, which opens.
    notes.Comments.resize(MaxTrailerSize - (EncodeTrailer(notes).size() - MaxTrailerSize));
    ASSERT_EQ(EncodeTrailer(notes).size(), MaxTrailerSize);
    ASSERT_EQ(WriteWineFile(folder.file("w.zph"), RecordOf(old), notes), 0);
    EXPECT_EQ(ReadBytes(folder.file("w.zph")).size(), 2 * WineRecSize - 1);
    WineFileContents wine;
    RecordingBoxes boxes;
    ASSERT_TRUE(ReadWineFile(folder.file("w.zph"), wine, boxes));
    EXPECT_EQ(wine.Notes, notes);
}

// Makes a file impossible to open for writing, also for a privileged
// process (which ignores permission bits): read-only mode, and the
// immutable attribute where the file system and privileges allow it.
class ReadOnlyFile {
public:
    explicit ReadOnlyFile(std::string path) : path_(std::move(path)) {
        ::chmod(path_.c_str(), 0444);
        if (Writable()) {
            SetImmutable(true);
        }
    }
    ~ReadOnlyFile() {
        SetImmutable(false);
        ::chmod(path_.c_str(), 0644);
    }
    bool Writable() const {
        const int fd = ::open(path_.c_str(), O_RDWR);
        if (fd >= 0) {
            ::close(fd);
        }
        return fd >= 0;
    }

private:
    void SetImmutable(bool on) {
        const int fd = ::open(path_.c_str(), O_RDONLY);
        if (fd < 0) {
            return;
        }
        int flags = 0;
        if (::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0) {
            flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
            ::ioctl(fd, FS_IOC_SETFLAGS, &flags);
        }
        ::close(fd);
    }
    std::string path_;
};

TEST(WineFileTest, ReadOnlyFileOpens) {
    TempFolder folder;
    const auto bytes = RandomBytes(WineRecSize, 3);
    WriteBytes(folder.file("ro.zph"), bytes);
    ReadOnlyFile readOnly(folder.file("ro.zph"));
    if (readOnly.Writable()) {
        GTEST_SKIP() << "cannot make a file read-only for this process here";
    }
    TWineRec rec{};
    RecordingBoxes boxes;
    EXPECT_TRUE(ZephraFileOpen(folder.file("ro.zph"), rec, boxes));
    EXPECT_TRUE(boxes.shown.empty());
    EXPECT_EQ(BytesOf(rec), bytes);
}

TEST(WineFileTest, SaveUnderTheLongestNameWorks) {
    TempFolder folder;
    const std::string name = std::string(251, 'w') + ".zph";
    const TWineRec rec = RecordOf(RandomBytes(WineRecSize, 11));
    ASSERT_EQ(WriteWineFile(folder.file(name), rec), 0);
    EXPECT_EQ(ReadBytes(folder.file(name)), BytesOf(rec));
}

TEST(WineFileTest, SaveWritesExactlyOneRecordOverALongerFile) {
    TempFolder folder;
    WriteBytes(folder.file("w.zph"), RandomBytes(4000, 1));
    const TWineRec rec = RecordOf(RandomBytes(WineRecSize, 2));
    ASSERT_EQ(WriteWineFile(folder.file("w.zph"), rec), 0);
    EXPECT_EQ(ReadBytes(folder.file("w.zph")), BytesOf(rec));
    EXPECT_EQ(EntriesIn(folder.path()), 1u) << "no temporary file is left behind";
}

TEST(WineFileTest, NewFileGetsTheUsualPermissionsAndAnOldOneKeepsItsOwn) {
    TempFolder folder;
    const TWineRec rec = RecordOf(RandomBytes(WineRecSize, 4));
    const mode_t mask = ::umask(022);
    ASSERT_EQ(WriteWineFile(folder.file("new.zph"), rec), 0);
    struct stat st {};
    ASSERT_EQ(::stat(folder.file("new.zph").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0644u);

    WriteBytes(folder.file("old.zph"), RandomBytes(WineRecSize, 5));
    ASSERT_EQ(::chmod(folder.file("old.zph").c_str(), 0640), 0);
    ASSERT_EQ(WriteWineFile(folder.file("old.zph"), rec), 0);
    ASSERT_EQ(::stat(folder.file("old.zph").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(ReadBytes(folder.file("old.zph")), BytesOf(rec));
    ::umask(mask);
}

TEST(WineFileTest, SaveThroughASymbolicLinkReplacesTheFileItNames) {
    TempFolder folder;
    WriteBytes(folder.file("real.zph"), RandomBytes(WineRecSize, 6));
    std::filesystem::create_symlink("real.zph", folder.path() / "link.zph");
    const TWineRec rec = RecordOf(RandomBytes(WineRecSize, 8));
    ASSERT_EQ(WriteWineFile(folder.file("link.zph"), rec), 0);
    EXPECT_TRUE(std::filesystem::is_symlink(folder.path() / "link.zph"));
    EXPECT_EQ(ReadBytes(folder.file("real.zph")), BytesOf(rec));
}

TEST(WineFileTest, FailedSaveReturnsTheErrorAndLeavesNoTrace) {
    TempFolder folder;
    WriteBytes(folder.file("plain"), {1, 2, 3});
    std::filesystem::create_directory(folder.file("dir.zph"));
    const TWineRec rec{};
    EXPECT_EQ(WriteWineFile(folder.file("plain/w.zph"), rec), ENOTDIR);
    EXPECT_EQ(WriteWineFile(folder.file("dir.zph"), rec), EISDIR);
    EXPECT_TRUE(std::filesystem::is_directory(folder.file("dir.zph")));
    ASSERT_EQ(::mkfifo(folder.file("pipe.zph").c_str(), 0600), 0);
    EXPECT_EQ(WriteWineFile(folder.file("pipe.zph"), rec), EINVAL);
    EXPECT_TRUE(std::filesystem::is_fifo(folder.file("pipe.zph")));
    std::filesystem::create_symlink("loop-b.zph", folder.path() / "loop-a.zph");
    std::filesystem::create_symlink("loop-a.zph", folder.path() / "loop-b.zph");
    EXPECT_EQ(WriteWineFile(folder.file("loop-a.zph"), rec), ELOOP);
    EXPECT_TRUE(std::filesystem::is_symlink(folder.path() / "loop-b.zph"));
    EXPECT_EQ(EntriesIn(folder.path()), 5u);
}

TEST(WineFileTest, WriteFailingHalfwayKeepsTheOldFileIntact) {
    TempFolder folder;
    const auto old = RandomBytes(WineRecSize, 9);
    WriteBytes(folder.file("w.zph"), old);

    // A file size limit below one record makes the write itself fail.
    struct rlimit saved {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = 1000;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const int result = WriteWineFile(folder.file("w.zph"), RecordOf(RandomBytes(WineRecSize, 10)));
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_EQ(result, EFBIG);
    EXPECT_EQ(ReadBytes(folder.file("w.zph")), old);
    EXPECT_EQ(EntriesIn(folder.path()), 1u);
}

// Files whose identity a new file could not keep are written in place, by
// a user without privileges: the save succeeds wherever a plain write would,
// and the file keeps its inode, owner and links.
class SaveKeepsTheFile : public ::testing::Test {
protected:
    void SetUp() override {
        if (!test::CanRunAsNobody()) {
            GTEST_SKIP() << "needs root to set up files of another user";
        }
        ASSERT_EQ(::chmod(folder.path().c_str(), 0755), 0);
    }

    // A folder inside the temporary one, owned by `owner`.
    std::string Folder(const std::string& name, uid_t owner, mode_t mode) {
        const std::string path = folder.file(name);
        EXPECT_EQ(::mkdir(path.c_str(), mode), 0);
        EXPECT_EQ(::chown(path.c_str(), owner, owner), 0);
        EXPECT_EQ(::chmod(path.c_str(), mode), 0);
        return path;
    }
    // A file of `size` bytes owned by `owner`.
    std::string File(const std::string& path, std::size_t size, uid_t owner, mode_t mode) {
        WriteBytes(path, RandomBytes(size, 21));
        EXPECT_EQ(::chown(path.c_str(), owner, owner), 0);
        EXPECT_EQ(::chmod(path.c_str(), mode), 0);
        return path;
    }
    static struct stat StatOf(const std::string& path) {
        struct stat st {};
        EXPECT_EQ(::stat(path.c_str(), &st), 0);
        return st;
    }
    static int SaveAsNobody(const std::string& path, const TWineRec& rec) {
        return test::RunAsNobody([&] { return WriteWineFile(path, rec); });
    }
    // The file holds exactly the record and is still the same file.
    static void ExpectSavedInPlace(const std::string& path, const struct stat& before,
                                   const TWineRec& rec) {
        const struct stat after = StatOf(path);
        EXPECT_EQ(ReadBytes(path), BytesOf(rec));
        EXPECT_EQ(after.st_ino, before.st_ino);
        EXPECT_EQ(after.st_uid, before.st_uid);
        EXPECT_EQ(after.st_gid, before.st_gid);
        EXPECT_EQ(after.st_mode, before.st_mode);
        EXPECT_EQ(after.st_nlink, before.st_nlink);
    }

    TempFolder folder;
    const TWineRec rec = RecordOf(RandomBytes(WineRecSize, 22));
};

TEST_F(SaveKeepsTheFile, WritableFileInAFolderThatIsNot) {
    const std::string locked = Folder("locked", 0, 0755);
    for (const std::size_t size : {WineRecSize, std::size_t{4000}, std::size_t{100}}) {
        SCOPED_TRACE(size);
        const std::string path = File(locked + "/w.zph", size, test::NobodyUid, 0644);
        const struct stat before = StatOf(path);
        ASSERT_EQ(SaveAsNobody(path, rec), 0);
        ExpectSavedInPlace(path, before, rec);
        EXPECT_EQ(EntriesIn(locked), 1u);
    }
    EXPECT_EQ(SaveAsNobody(locked + "/new.zph", rec), EACCES) << "a new file needs the folder";
}

TEST_F(SaveKeepsTheFile, FileOfAnotherUserWhoseOwnerCannotBeGivenBack) {
    const std::string shared = Folder("shared", test::NobodyUid, 0755);
    const std::string path = File(shared + "/w.zph", WineRecSize, 0, 0666);
    const struct stat before = StatOf(path);
    ASSERT_EQ(SaveAsNobody(path, rec), 0);
    ExpectSavedInPlace(path, before, rec);
    EXPECT_EQ(EntriesIn(shared), 1u);
}

TEST_F(SaveKeepsTheFile, FileWithMoreThanOneHardLink) {
    const std::string own = Folder("own", test::NobodyUid, 0755);
    const std::string path = File(own + "/w.zph", WineRecSize, test::NobodyUid, 0644);
    ASSERT_EQ(::link(path.c_str(), (own + "/other-name.zph").c_str()), 0);
    const struct stat before = StatOf(path);
    ASSERT_EQ(SaveAsNobody(path, rec), 0);
    ExpectSavedInPlace(path, before, rec);
    EXPECT_EQ(ReadBytes(own + "/other-name.zph"), BytesOf(rec));
}

TEST_F(SaveKeepsTheFile, DanglingSymbolicLinkCreatesTheFileItNames) {
    const std::string own = Folder("own", test::NobodyUid, 0755);
    ASSERT_EQ(::mkdir((own + "/wines").c_str(), 0755), 0);
    ASSERT_EQ(::chown((own + "/wines").c_str(), test::NobodyUid, test::NobodyGid), 0);
    std::filesystem::create_symlink("wines/w.zph", own + "/link.zph");
    std::filesystem::create_symlink("link.zph", own + "/link-to-link.zph");
    ASSERT_EQ(SaveAsNobody(own + "/link-to-link.zph", rec), 0);
    EXPECT_TRUE(std::filesystem::is_symlink(own + "/link-to-link.zph"));
    EXPECT_TRUE(std::filesystem::is_symlink(own + "/link.zph"));
    EXPECT_EQ(ReadBytes(own + "/wines/w.zph"), BytesOf(rec));
    EXPECT_EQ(StatOf(own + "/wines/w.zph").st_uid, test::NobodyUid);
}

TEST_F(SaveKeepsTheFile, FileTheUserMayNotWriteIsRefusedAndKept) {
    const std::string shared = Folder("shared", test::NobodyUid, 0755);
    const std::string path = File(shared + "/w.zph", WineRecSize, 0, 0644);
    const auto old = ReadBytes(path);
    EXPECT_EQ(SaveAsNobody(path, rec), EACCES);
    EXPECT_EQ(ReadBytes(path), old);
    EXPECT_EQ(StatOf(path).st_uid, 0u);
}

} // namespace
} // namespace zephra

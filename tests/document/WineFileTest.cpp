#include "document/WineFile.h"

#include "support/RecordingBoxes.h"
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
    EXPECT_EQ(EntriesIn(folder.path()), 3u);
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

} // namespace
} // namespace zephra

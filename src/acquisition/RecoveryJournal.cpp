#include "acquisition/RecoveryJournal.h"

#include "document/Crc32.h"
#include "document/WineTrailer.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>
#include <utility>

namespace zephra {

namespace {

constexpr std::string_view Magic = "ZPHJ";
constexpr std::uint32_t Version = 1;
constexpr std::size_t HeaderSize = 8;
// Kind and length before the payload, the check after it.
constexpr std::size_t FrameHead = 5;
constexpr std::size_t FrameCheck = 4;
constexpr char WineKind = 'W';
constexpr char DataKind = 'D';
constexpr std::size_t LongestName = 0xFFFF;
constexpr std::size_t ShortestWine = 2 + 2 + sizeof(TWineRec);
// The notes' head and check around a text of at most 0xFFFF bytes.
constexpr std::size_t LongestNotes = 8 + 0xFFFF + 4;
constexpr std::size_t LongestWine = ShortestWine + 2 * LongestName + LongestNotes;
// Far more than the longest run writes (about 60 KB).
constexpr off_t LongestJournal = 16 * 1024 * 1024;

constexpr std::string_view NamePrefix = "collect-";
constexpr std::string_view NameSuffix = ".journal";
constexpr std::string_view DamagedSuffix = ".damaged";

void AppendLe(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out += static_cast<char>((value >> (8 * i)) & 0xFFu);
}

std::uint32_t ReadLe(std::string_view bytes, std::size_t at, int count) {
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = value << 8 | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    return value;
}

std::string Frame(char kind, const std::string& payload) {
    std::string frame(1, kind);
    AppendLe(frame, static_cast<std::uint32_t>(payload.size()), 4);
    frame += payload;
    AppendLe(frame, Crc32(frame), 4);
    return frame;
}

void AppendName(std::string& out, std::string_view name) {
    name = name.substr(0, LongestName);
    AppendLe(out, static_cast<std::uint32_t>(name.size()), 2);
    out += name;
}

bool ValidLength(char kind, std::uint32_t length) {
    return kind == DataKind ? length == sizeof(TData)
                            : length >= ShortestWine && length <= LongestWine;
}

// The two names, the record and the notes of a 'W' frame's payload; false
// when the names' lengths do not add up to the payload or the notes cannot
// be read.
bool ReadWine(std::string_view payload, CollectedWine& wine) {
    std::size_t at = 0;
    std::string* names[] = {&wine.fileName, &wine.caption};
    for (std::string* name : names) {
        if (payload.size() - at < 2)
            return false;
        const std::size_t length = ReadLe(payload, at, 2);
        at += 2;
        if (payload.size() - at < length)
            return false;
        name->assign(payload.substr(at, length));
        at += length;
    }
    if (payload.size() - at < sizeof(TWineRec))
        return false;
    std::memcpy(&wine.rec, payload.data() + at, sizeof(TWineRec));
    at += sizeof(TWineRec);
    TrailerRead notes = DecodeTrailer(reinterpret_cast<const unsigned char*>(payload.data() + at),
                                      payload.size() - at);
    wine.notes = std::move(notes.Notes);
    return notes.Problem.empty();
}

bool AllZero(std::string_view bytes) {
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return c == '\0'; });
}

int LeadingPoints(const TData& data) {
    int points = 0;
    while (points < 36 && !data.V[points].empty())
        ++points;
    return points;
}

JournalContents Damaged(std::string problem) {
    JournalContents contents;
    contents.state = JournalContents::State::Damaged;
    contents.problem = std::move(problem);
    return contents;
}

int WriteAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return errno;
        done += static_cast<std::size_t>(n);
    }
    return 0;
}

int SyncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return errno;
    const int error = ::fsync(fd) == 0 ? 0 : errno;
    ::close(fd);
    return error;
}

bool EndsWith(std::string_view text, std::string_view end) {
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

// Reads the whole journal open at `fd`; false when it is too long or unreadable.
bool ReadAll(int fd, std::string& bytes) {
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size > LongestJournal)
        return false;
    bytes.resize(static_cast<std::size_t>(st.st_size));
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::read(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        done += static_cast<std::size_t>(n);
    }
    bytes.resize(done);
    return true;
}

// Makes `folder` the user's own private folder: created with mode 0700 when
// missing (its parents as usual), and an existing one of the user's with
// more open permissions closed to 0700. A folder of another user, or
// anything but a folder, is refused: others could put journals there.
// Returns 0 or the errno.
int MakeFolderPrivate(const std::string& folder, bool create) {
    if (create) {
        std::error_code error;
        std::filesystem::create_directories(std::filesystem::path(folder).parent_path(), error);
        if (error)
            return error.value();
        if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST)
            return errno;
    }
    struct stat st {};
    if (::stat(folder.c_str(), &st) != 0)
        return errno;
    if (!S_ISDIR(st.st_mode))
        return ENOTDIR;
    if (st.st_uid != ::geteuid())
        return EPERM;
    if ((st.st_mode & 07777) != 0700 && ::chmod(folder.c_str(), 0700) != 0)
        return errno;
    return 0;
}

} // namespace

std::string RecoveryFolder() {
    const char* state = std::getenv("XDG_STATE_HOME");
    if (state != nullptr && state[0] != '\0')
        return std::string(state) + "/zephra";
    const char* home = std::getenv("HOME");
    return std::string(home != nullptr ? home : "") + "/.local/state/zephra";
}

std::string JournalStart(const CollectedWine& wine) {
    std::string start(Magic);
    AppendLe(start, Version, 4);
    return start + JournalFrame(wine);
}

std::string JournalFrame(const CollectedWine& wine) {
    std::string payload;
    AppendName(payload, wine.fileName);
    AppendName(payload, wine.caption);
    payload.append(reinterpret_cast<const char*>(&wine.rec), sizeof wine.rec);
    const std::vector<unsigned char> notes = EncodeTrailer(wine.notes);
    payload.append(notes.begin(), notes.end());
    return Frame(WineKind, payload);
}

std::string JournalFrame(const TData& data) {
    return Frame(DataKind, std::string(reinterpret_cast<const char*>(&data), sizeof data));
}

JournalContents ReadJournal(std::string_view bytes) {
    const std::string_view header = bytes.substr(0, HeaderSize);
    std::string expected(Magic);
    AppendLe(expected, Version, 4);
    if (header != std::string_view(expected).substr(0, header.size()))
        return Damaged(header.substr(0, Magic.size()) == Magic
                           ? "written by another version of ZEPHRA"
                           : "not a recovery journal");

    JournalContents contents;
    bool haveWine = false;
    std::size_t at = HeaderSize;
    while (at < bytes.size()) {
        const std::string_view rest = bytes.substr(at);
        // The end of the last write never made it to the disk.
        if (AllZero(rest)) {
            contents.tornTail = true;
            break;
        }
        const char kind = rest[0];
        if (kind != WineKind && kind != DataKind)
            return Damaged("an unknown part at byte " + std::to_string(at));
        if (rest.size() < FrameHead) {
            contents.tornTail = true;
            break;
        }
        const std::uint32_t length = ReadLe(rest, 1, 4);
        if (!ValidLength(kind, length))
            return Damaged("a part of the wrong length at byte " + std::to_string(at));
        const std::size_t frameSize = FrameHead + length + FrameCheck;
        if (rest.size() < frameSize) {
            contents.tornTail = true;
            break;
        }
        const std::string_view checked = rest.substr(0, FrameHead + length);
        if (ReadLe(rest, FrameHead + length, 4) != Crc32(checked)) {
            if (rest.size() == frameSize || AllZero(rest.substr(frameSize))) {
                contents.tornTail = true;
                break;
            }
            return Damaged("a damaged part at byte " + std::to_string(at));
        }
        const std::string_view payload = checked.substr(FrameHead);
        if (kind == WineKind) {
            if (!ReadWine(payload, contents.wine))
                return Damaged("a damaged wine at byte " + std::to_string(at));
            haveWine = true;
        } else if (!haveWine) {
            return Damaged("readings without their wine");
        } else {
            std::memcpy(&contents.wine.rec.Data, payload.data(), sizeof(TData));
        }
        at += frameSize;
    }
    if (!haveWine) {
        contents.state = JournalContents::State::Unused;
        contents.tornTail = false;
        return contents;
    }
    contents.state = JournalContents::State::Intact;
    contents.readings = LeadingPoints(contents.wine.rec.Data);
    return contents;
}

RecoveryJournal::RecoveryJournal(std::string folder) : folder_(std::move(folder)) {}

RecoveryJournal::~RecoveryJournal() {
    Remove();
}

int RecoveryJournal::Keep(const CollectedWine& wine) {
    if (fd_ < 0) {
        if (const int error = Create())
            return error;
        if (const int error = Append(JournalStart(wine))) {
            Remove();
            return error;
        }
        if (const int error = SyncFolder(folder_)) {
            Remove();
            return error;
        }
    } else if (wine.fileName != fileName_ || wine.caption != caption_ || wine.notes != notes_) {
        if (const int error = Append(JournalFrame(wine)))
            return error;
    } else if (const int error = Append(JournalFrame(wine.rec.Data))) {
        return error;
    }
    fileName_ = wine.fileName;
    caption_ = wine.caption;
    notes_ = wine.notes;
    return 0;
}

int RecoveryJournal::TakeOver(LeftJournal& left) {
    Remove();
    const int fd = ::open(left.Path().c_str(), O_RDWR | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return errno;
    // The lock passes from the left journal's descriptor to this one.
    left.Unlock();
    const off_t size = ::lseek(fd, 0, SEEK_END);
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0 || size < 0) {
        const int error = errno;
        ::close(fd);
        return error;
    }
    fd_ = fd;
    path_ = left.Path();
    size_ = size;
    const CollectedWine& wine = left.Contents().wine;
    fileName_ = wine.fileName;
    caption_ = wine.caption;
    notes_ = wine.notes;
    return 0;
}

int RecoveryJournal::Create() {
    if (const int error = MakeFolderPrivate(folder_, true))
        return error;
    std::string name = folder_ + "/" + std::string(NamePrefix) + "XXXXXX" + std::string(NameSuffix);
    const int fd = ::mkostemps(name.data(), static_cast<int>(NameSuffix.size()), O_CLOEXEC);
    if (fd < 0)
        return errno;
    // Held as long as the file: another program starting meanwhile sees
    // that this journal is in use.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int lockError = errno;
        ::unlink(name.c_str());
        ::close(fd);
        return lockError;
    }
    fd_ = fd;
    path_ = std::move(name);
    size_ = 0;
    return 0;
}

// Appends `bytes` and waits until they are on the disk; a failure cuts the
// file back to what it was, so the journal never holds half a frame.
int RecoveryJournal::Append(const std::string& bytes) {
    int error = WriteAll(fd_, bytes);
    if (error == 0 && ::fdatasync(fd_) != 0)
        error = errno;
    if (error != 0) {
        if (::ftruncate(fd_, size_) == 0)
            (void)::lseek(fd_, size_, SEEK_SET);
        return error;
    }
    size_ += static_cast<off_t>(bytes.size());
    return 0;
}

void RecoveryJournal::Remove() {
    if (fd_ < 0)
        return;
    // Deleted while still locked, so that no other program takes it up.
    ::unlink(path_.c_str());
    ::close(fd_);
    fd_ = -1;
    path_.clear();
    fileName_.clear();
    caption_.clear();
    notes_ = {};
}

LeftJournal::LeftJournal(std::string path, int lockFd, JournalContents contents)
    : path_(std::move(path)), lockFd_(lockFd), contents_(std::move(contents)) {}

LeftJournal::LeftJournal(LeftJournal&& other) noexcept
    : path_(std::move(other.path_)), lockFd_(other.lockFd_), contents_(std::move(other.contents_)) {
    other.lockFd_ = -1;
}

LeftJournal& LeftJournal::operator=(LeftJournal&& other) noexcept {
    if (this != &other) {
        if (lockFd_ >= 0)
            ::close(lockFd_);
        path_ = std::move(other.path_);
        lockFd_ = std::exchange(other.lockFd_, -1);
        contents_ = std::move(other.contents_);
    }
    return *this;
}

LeftJournal::~LeftJournal() {
    if (lockFd_ >= 0)
        ::close(lockFd_);
}

void LeftJournal::Unlock() noexcept {
    if (lockFd_ >= 0)
        ::close(lockFd_);
    lockFd_ = -1;
}

int LeftJournal::Discard() {
    return ::unlink(path_.c_str()) == 0 ? 0 : errno;
}

std::string LeftJournal::MoveAside() {
    const std::string aside = path_ + std::string(DamagedSuffix);
    return ::rename(path_.c_str(), aside.c_str()) == 0 ? aside : std::string();
}

std::vector<LeftJournal> FindLeftJournals(const std::string& folder) {
    struct Found {
        std::string path;
        timespec modified;
    };
    std::vector<Found> found;
    DIR* dir = MakeFolderPrivate(folder, false) == 0 ? ::opendir(folder.c_str()) : nullptr;
    if (dir != nullptr) {
        while (const dirent* entry = ::readdir(dir)) {
            const std::string_view name = entry->d_name;
            if (name.substr(0, NamePrefix.size()) != NamePrefix || !EndsWith(name, NameSuffix))
                continue;
            const std::string path = folder + "/" + std::string(name);
            struct stat st {};
            if (::lstat(path.c_str(), &st) == 0)
                found.push_back({path, st.st_mtim});
        }
        ::closedir(dir);
    }
    std::sort(found.begin(), found.end(), [](const Found& a, const Found& b) {
        return std::pair(a.modified.tv_sec, a.modified.tv_nsec) <
               std::pair(b.modified.tv_sec, b.modified.tv_nsec);
    });

    std::vector<LeftJournal> left;
    for (const Found& journal : found) {
        const int fd = ::open(journal.path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            continue;
        // Only the user's own journals are offered; locked ones are kept by
        // a running program.
        struct stat st {};
        if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != ::geteuid() ||
            ::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            ::close(fd);
            continue;
        }
        std::string bytes;
        JournalContents contents =
            ReadAll(fd, bytes) ? ReadJournal(bytes) : Damaged("not a readable file");
        if (contents.state == JournalContents::State::Unused) {
            ::unlink(journal.path.c_str());
            ::close(fd);
            continue;
        }
        left.emplace_back(journal.path, fd, std::move(contents));
    }
    return left;
}

} // namespace zephra

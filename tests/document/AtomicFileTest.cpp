#include "document/AtomicFile.h"

#include "support/RunAsNobody.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <sched.h>
#include <sys/file.h>
#include <sys/inotify.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>
#include <vector>

namespace zephra {
namespace {

using test::NobodyGid;
using test::NobodyUid;

// A user who is neither the one saving nor root.
constexpr uid_t OtherUid = 1234;

std::string Contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void Put(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

int Save(const std::string& path, const std::string& bytes) {
    return WriteFileAtomically(path, bytes.data(), bytes.size());
}

struct stat StatOf(const std::string& path) {
    struct stat st {};
    EXPECT_EQ(::lstat(path.c_str(), &st), 0) << path;
    return st;
}

bool Exists(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

// An extended attribute's value, or nothing when the file has none of that
// name.
std::optional<std::string> Attribute(const std::string& path, const char* name) {
    const ssize_t size = ::lgetxattr(path.c_str(), name, nullptr, 0);
    if (size < 0) {
        return std::nullopt;
    }
    std::string value(static_cast<std::size_t>(size), '\0');
    if (::lgetxattr(path.c_str(), name, value.data(), value.size()) != size) {
        return std::nullopt;
    }
    return value;
}

// A POSIX access control list in the form the kernel keeps it in the
// attributes system.posix_acl_access and system.posix_acl_default.
struct AclEntry {
    std::uint16_t Tag;
    std::uint16_t Permissions;
    std::uint32_t Id;
};
constexpr std::uint16_t UserObj = 0x01, NamedUser = 0x02, GroupObj = 0x04, Mask = 0x10,
                        Others = 0x20;
constexpr std::uint32_t NoId = 0xFFFFFFFF;

std::string AclValue(std::initializer_list<AclEntry> entries) {
    std::string value;
    const auto put = [&value](std::uint32_t x, int bytes) {
        for (int i = 0; i < bytes; ++i) {
            value += static_cast<char>((x >> (8 * i)) & 0xFF);
        }
    };
    put(2, 4); // the format's version
    for (const AclEntry& e : entries) {
        put(e.Tag, 2);
        put(e.Permissions, 2);
        put(e.Id, 4);
    }
    return value;
}

// The save of a user without privileges, in folders and among files set up
// by root for that user and for others.
class AtomicFileAsNobody : public ::testing::Test {
protected:
    void SetUp() override {
        if (!test::CanRunAsNobody()) {
            GTEST_SKIP() << "needs root to set up files of another user";
        }
        ASSERT_EQ(::chmod(folder.path().c_str(), 0755), 0);
    }

    std::string Folder(const std::string& name, uid_t owner, mode_t mode) {
        const std::string path = folder.file(name);
        EXPECT_EQ(::mkdir(path.c_str(), mode), 0);
        EXPECT_EQ(::chown(path.c_str(), owner, owner), 0);
        EXPECT_EQ(::chmod(path.c_str(), mode), 0);
        return path;
    }
    static std::string File(const std::string& path, const std::string& bytes, uid_t owner,
                            mode_t mode) {
        Put(path, bytes);
        EXPECT_EQ(::chown(path.c_str(), owner, owner), 0);
        EXPECT_EQ(::chmod(path.c_str(), mode), 0);
        return path;
    }
    static void Link(const std::string& target, const std::string& path, uid_t owner) {
        std::filesystem::create_symlink(target, path);
        EXPECT_EQ(::lchown(path.c_str(), owner, owner), 0);
    }
    static int SaveAsNobody(const std::string& path, const std::string& bytes) {
        return test::RunAsNobody([&] { return Save(path, bytes); });
    }

    test::TempFolder folder;
};

// In a folder everybody may write to and only owners may delete from (as
// /tmp), a link is followed only when the user saving or the folder's owner
// made it, as the kernel's rule for such folders says: a link planted by
// another user would otherwise make the save replace the user's own file.
TEST_F(AtomicFileAsNobody, LinksInAStickyFolderAreFollowedOnlyWhenTheKernelWould) {
    const std::string own = Folder("own", NobodyUid, 0755);
    const std::string wine = own + "/w.zph";
    struct Case {
        const char* what;
        mode_t sharedMode;
        uid_t linkOwner;
        bool linkToFolder; // the link names the folder on the way, not the file
        int expected;
    };
    const Case cases[] = {
        {"another user's link", 01777, OtherUid, false, EACCES},
        {"another user's link to a folder on the way", 01777, OtherUid, true, EACCES},
        {"the user's own link", 01777, NobodyUid, false, 0},
        {"the folder owner's link", 01777, 0, false, 0},
        {"another user's link in a folder that is not sticky", 0777, OtherUid, false, 0},
    };
    int number = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string shared = Folder("shared-" + std::to_string(number++), 0, c.sharedMode);
        File(wine, "old", NobodyUid, 0644);
        const std::string link = shared + (c.linkToFolder ? "/dir" : "/out.zph");
        Link(c.linkToFolder ? own : wine, link, c.linkOwner);
        const std::string path = c.linkToFolder ? link + "/w.zph" : link;

        EXPECT_EQ(SaveAsNobody(path, "new"), c.expected);
        EXPECT_EQ(Contents(wine), c.expected == 0 ? "new" : "old");
        EXPECT_TRUE(S_ISLNK(StatOf(link).st_mode)) << "the link stays";
        EXPECT_EQ(StatOf(wine).st_uid, NobodyUid);
    }
}

TEST_F(AtomicFileAsNobody, AChainOf41LinksIsALoopAnd40AreFollowed) {
    const std::string own = Folder("own", NobodyUid, 0755);
    const std::string wine = File(own + "/w.zph", "old", NobodyUid, 0644);
    // link-0 -> link-1 -> ... -> link-40 -> w.zph
    const auto link = [&own](int i) { return own + "/link-" + std::to_string(i); };
    for (int i = 0; i <= 40; ++i) {
        Link(i == 40 ? "w.zph" : "link-" + std::to_string(i + 1), link(i), NobodyUid);
    }
    EXPECT_EQ(SaveAsNobody(link(0), "new"), ELOOP);
    for (int i = 0; i <= 40; ++i) {
        EXPECT_TRUE(S_ISLNK(StatOf(link(i)).st_mode)) << link(i);
    }
    EXPECT_EQ(Contents(wine), "old");

    EXPECT_EQ(SaveAsNobody(link(1), "new"), 0);
    EXPECT_EQ(Contents(wine), "new");
    EXPECT_TRUE(S_ISLNK(StatOf(link(1)).st_mode));
}

// A file with another hard link is written in place. When the new content is
// longer, the space it needs is had before any old byte is overwritten: a
// file size limit or a full disk leaves the old file exactly as it was.
TEST_F(AtomicFileAsNobody, InPlaceWriteOverAFileSizeLimitLeavesTheOldFile) {
    const std::string own = Folder("own", NobodyUid, 0755);
    const std::string old(1000, 'o');
    const std::string path = File(own + "/w.pdf", old, NobodyUid, 0644);
    ASSERT_EQ(::link(path.c_str(), (own + "/other-name.pdf").c_str()), 0);
    const int result = test::RunAsNobody([&] {
        std::signal(SIGXFSZ, SIG_IGN);
        const struct rlimit limit { 4096, 4096 };
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) {
            return 254;
        }
        return Save(path, std::string(16000, 'n'));
    });
    EXPECT_EQ(result, EFBIG);
    EXPECT_TRUE(Contents(path) == old) << "the old file is as it was";
    EXPECT_EQ(StatOf(path).st_nlink, 2u);
}

TEST_F(AtomicFileAsNobody, InPlaceWriteOnAFullDiskLeavesTheOldFile) {
    const std::string disk = Folder("disk", 0, 0755);
    const std::string old(1000, 'o');
    enum Outcome : int { Kept, Damaged, OtherError, NoSmallDisk = 77 };
    // A small file system of its own, mounted only for the child.
    const int outcome = test::RunAsUser(0, 0, [&]() -> int {
        if (::unshare(CLONE_NEWNS) != 0 ||
            ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            ::mount("tmpfs", disk.c_str(), "tmpfs", 0, "size=64k,mode=0755") != 0) {
            return NoSmallDisk;
        }
        const std::string path = File(disk + "/w.pdf", old, NobodyUid, 0644);
        ::link(path.c_str(), (disk + "/other-name.pdf").c_str());
        const int filler = ::open((disk + "/filler").c_str(), O_WRONLY | O_CREAT, 0600);
        const std::string block(4096, 'f');
        while (::write(filler, block.data(), block.size()) > 0) {
        }
        ::close(filler);
        const int result = test::RunAsNobody([&] { return Save(path, std::string(16000, 'n')); });
        if (Contents(path) != old) {
            return Damaged;
        }
        return result == ENOSPC ? Kept : OtherError;
    });
    if (outcome == NoSmallDisk) {
        GTEST_SKIP() << "cannot mount a small file system here";
    }
    EXPECT_EQ(outcome, Kept);
}

// Saving keeps who may read the file: its access control list and its
// other extended attributes come back on the new file, and the group bits
// (which show the list's mask) do not widen.
TEST_F(AtomicFileAsNobody, AccessControlListAndExtendedAttributesAreKept) {
    const std::string own = Folder("own", NobodyUid, 0755);
    const std::string path = File(own + "/w.zph", "old", NobodyUid, 0640);
    const std::string acl = AclValue({{UserObj, 6, NoId},
                                      {NamedUser, 6, OtherUid},
                                      {GroupObj, 4, NoId},
                                      {Mask, 6, NoId},
                                      {Others, 0, NoId}});
    ASSERT_EQ(::setxattr(path.c_str(), "system.posix_acl_access", acl.data(), acl.size(), 0), 0);
    ASSERT_EQ(::setxattr(path.c_str(), "user.bench", "bench 3", 7, 0), 0);
    const mode_t mode = StatOf(path).st_mode;
    ASSERT_EQ(mode & 07777, 0660u) << "the group bits show the mask";

    ASSERT_EQ(SaveAsNobody(path, "new"), 0);
    EXPECT_EQ(Contents(path), "new");
    EXPECT_EQ(Attribute(path, "system.posix_acl_access"), acl);
    EXPECT_EQ(Attribute(path, "user.bench"), "bench 3");
    EXPECT_EQ(StatOf(path).st_mode, mode);
    EXPECT_EQ(StatOf(path).st_uid, NobodyUid);
}

// A folder's default list is for new files: a saved file that had no list
// gets none from it, and a file the save creates gets what any new file in
// that folder gets.
TEST_F(AtomicFileAsNobody, AFoldersDefaultListIsForNewFilesOnly) {
    const std::string own = Folder("own", NobodyUid, 0755);
    const std::string path = File(own + "/w.zph", "old", NobodyUid, 0640);
    const std::string inherited = AclValue({{UserObj, 7, NoId},
                                            {NamedUser, 7, OtherUid},
                                            {GroupObj, 5, NoId},
                                            {Mask, 7, NoId},
                                            {Others, 0, NoId}});
    ASSERT_EQ(
        ::setxattr(own.c_str(), "system.posix_acl_default", inherited.data(), inherited.size(), 0),
        0);

    ASSERT_EQ(SaveAsNobody(path, "new"), 0);
    EXPECT_EQ(Contents(path), "new");
    EXPECT_EQ(Attribute(path, "system.posix_acl_access"), std::nullopt);
    EXPECT_EQ(StatOf(path).st_mode & 07777, 0640u);

    const std::string created = own + "/new.zph";
    const std::string plain = own + "/plain";
    ASSERT_EQ(SaveAsNobody(created, "new"), 0);
    ASSERT_EQ(test::RunAsNobody([&] {
                  const int fd = ::open(plain.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0666);
                  return fd >= 0 && ::close(fd) == 0 ? 0 : 1;
              }),
              0);
    EXPECT_EQ(Attribute(created, "system.posix_acl_access"),
              Attribute(plain, "system.posix_acl_access"));
    EXPECT_EQ(StatOf(created).st_mode, StatOf(plain).st_mode);
}

// An attribute the user may not set on a new file (here a capability, which
// only a privileged process sets) cannot be kept that way: the file is
// written in place instead.
TEST_F(AtomicFileAsNobody, AnAttributeTheUserCannotSetMakesTheSaveWriteInPlace) {
    const std::string own = Folder("own", NobodyUid, 0755);
    const std::string path = File(own + "/w.zph", "old", NobodyUid, 0644);
    // Revision 2 of the capability format, with no capability in it.
    const std::string capability = std::string("\x00\x00\x00\x02", 4) + std::string(16, '\0');
    if (::setxattr(path.c_str(), "security.capability", capability.data(), capability.size(), 0) !=
        0) {
        GTEST_SKIP() << "cannot give a file a capability here";
    }
    const ino_t inode = StatOf(path).st_ino;
    ASSERT_EQ(SaveAsNobody(path, "new content"), 0);
    EXPECT_EQ(Contents(path), "new content");
    EXPECT_EQ(StatOf(path).st_ino, inode) << "written in place";
}

// The temporary file of a save is the user's alone from its creation on:
// another user watching the folder never opens it, even while its owner
// may read the file saved.
TEST_F(AtomicFileAsNobody, NoOtherUserOpensTheTemporaryFile) {
    const std::string own = Folder("own", NobodyUid, 0755);
    const std::string path = File(own + "/w.zph", "old", NobodyUid, 0600);
    const mode_t mask = ::umask(022);
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t watcher = ::fork();
    if (watcher == 0) {
        if (::setgroups(0, nullptr) != 0 || ::setgid(OtherUid) != 0 || ::setuid(OtherUid) != 0) {
            ::_exit(255);
        }
        const int notify = ::inotify_init1(IN_CLOEXEC);
        const int dir = ::open(own.c_str(), O_RDONLY | O_DIRECTORY);
        if (notify < 0 || dir < 0 || ::inotify_add_watch(notify, own.c_str(), IN_CREATE) < 0) {
            ::_exit(254);
        }
        (void)!::write(ready[1], "r", 1);
        int opened = 0;
        alignas(inotify_event) char buffer[4096];
        for (;;) {
            const ssize_t n = ::read(notify, buffer, sizeof buffer);
            if (n <= 0) {
                ::_exit(253);
            }
            for (ssize_t at = 0; at < n;) {
                const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
                const std::string name = event->len > 0 ? event->name : "";
                if (name == "done") {
                    ::_exit(std::min(opened, 200));
                }
                const int fd = ::openat(dir, name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK);
                if (fd >= 0) {
                    ++opened;
                    ::close(fd);
                }
                at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
            }
        }
    }
    char signal = 0;
    ASSERT_EQ(::read(ready[0], &signal, 1), 1);
    const int saved = test::RunAsNobody([&] {
        int failures = 0;
        for (int i = 0; i < 500; ++i) {
            failures += Save(path, "new") != 0 ? 1 : 0;
        }
        ::close(::open((own + "/done").c_str(), O_WRONLY | O_CREAT, 0600));
        return failures;
    });
    int status = 0;
    ASSERT_EQ(::waitpid(watcher, &status, 0), watcher);
    ::umask(mask);
    ::close(ready[0]);
    ::close(ready[1]);
    EXPECT_EQ(saved, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "temporary files another user opened";
}

// A save removes what saves killed before their end left in the folder:
// only files of its own name pattern that belong to the user, that no save
// is writing (they are locked while written) and that are some minutes old.
TEST_F(AtomicFileAsNobody, StaleTemporariesOfKilledSavesAreRemoved) {
    const std::string own = Folder("own", NobodyUid, 0755);
    const std::string path = File(own + "/w.zph", "old", NobodyUid, 0644);
    struct Leftover {
        const char* name;
        uid_t owner;
        bool old;
        bool locked;
        bool removed;
    };
    const Leftover leftovers[] = {
        {".zephra-save-4242-0", NobodyUid, true, false, true},
        {".zephra-save-4242-1", NobodyUid, false, false, false}, // may be being written
        {".zephra-save-4242-2", NobodyUid, true, true, false},   // is being written
        {".zephra-save-4242-3", OtherUid, true, false, false},   // another user's
        {".zephra-save-4242-x", NobodyUid, true, false, false},  // not the pattern
        {".zephra-save-4242", NobodyUid, true, false, false},
        {"notes.txt", NobodyUid, true, false, false},
    };
    std::vector<int> locks;
    for (const Leftover& l : leftovers) {
        const std::string leftover = File(own + "/" + l.name, "partial", l.owner, 0600);
        if (l.old) {
            const struct timespec hourAgo[2] = {{::time(nullptr) - 3600, 0},
                                                {::time(nullptr) - 3600, 0}};
            ASSERT_EQ(::utimensat(AT_FDCWD, leftover.c_str(), hourAgo, 0), 0);
        }
        if (l.locked) {
            locks.push_back(::open(leftover.c_str(), O_RDONLY));
            ASSERT_EQ(::flock(locks.back(), LOCK_EX), 0);
        }
    }
    ASSERT_EQ(SaveAsNobody(path, "new"), 0);
    EXPECT_EQ(Contents(path), "new");
    for (const Leftover& l : leftovers) {
        EXPECT_EQ(Exists(own + "/" + l.name), !l.removed) << l.name;
    }
    for (const int fd : locks) {
        ::close(fd);
    }
}

} // namespace
} // namespace zephra

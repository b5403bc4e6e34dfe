#pragma once

#include <functional>
#include <grp.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

namespace zephra::test {

// The unprivileged user and group that file-permission tests act as.
inline constexpr uid_t NobodyUid = 65534;
inline constexpr gid_t NobodyGid = 65534;

// Only a privileged process can set up files of another user and then act
// as that user.
inline bool CanRunAsNobody() {
    return ::geteuid() == 0;
}

// Runs `body` in a child process that has dropped to `uid` and `gid` with
// no supplementary groups, and returns what `body` returned (0..255), or -1
// when the child could not drop its privileges or did not end normally.
inline int RunAsUser(uid_t uid, gid_t gid, const std::function<int()>& body) {
    const pid_t child = ::fork();
    if (child == 0) {
        if (::setgroups(0, nullptr) != 0 || ::setgid(gid) != 0 || ::setuid(uid) != 0) {
            ::_exit(255);
        }
        ::_exit(body() & 0xFF);
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status) ||
        WEXITSTATUS(status) == 255) {
        return -1;
    }
    return WEXITSTATUS(status);
}

// RunAsUser as uid and gid 65534.
inline int RunAsNobody(const std::function<int()>& body) {
    return RunAsUser(NobodyUid, NobodyGid, body);
}

} // namespace zephra::test

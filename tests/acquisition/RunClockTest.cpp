#include "acquisition/RunClock.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <ctime>
#include <fcntl.h>
#include <sched.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int NoTimeNamespace = 77;

std::int64_t MonotonicMs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<std::int64_t>(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

// In a time namespace whose boot-time clock runs 1000 s ahead of its
// monotonic clock, as on a computer that was suspended for 1000 s: exit 0
// when the run clock counts those 1000 s.
[[noreturn]] void CompareInsideASuspendedComputer() {
    if (unshare(CLONE_NEWTIME) != 0)
        _exit(NoTimeNamespace);
    const int offsets = open("/proc/self/timens_offsets", O_WRONLY);
    const std::string suspended = "boottime 1000 0\n";
    if (offsets < 0 || write(offsets, suspended.data(), suspended.size()) < 0)
        _exit(NoTimeNamespace);
    close(offsets);
    // The namespace applies to the children made from now on.
    const pid_t inside = fork();
    if (inside == 0) {
        const std::int64_t ahead = zephra::BootTimeRunClock().NowMs() - MonotonicMs();
        _exit(ahead >= 999'000 && ahead < 1'001'000 ? 0 : 1);
    }
    int status = 0;
    waitpid(inside, &status, 0);
    _exit(WIFEXITED(status) ? WEXITSTATUS(status) : 2);
}

TEST(RunClockTest, CountsTheTimeTheComputerWasSuspended) {
    const pid_t child = fork();
    if (child == 0)
        CompareInsideASuspendedComputer();
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    if (WEXITSTATUS(status) == NoTimeNamespace)
        GTEST_SKIP() << "time namespaces need privileges this machine does not give";
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

TEST(RunClockTest, NeverGoesBack) {
    zephra::BootTimeRunClock clock;
    std::int64_t previous = clock.NowMs();
    for (int i = 0; i < 1000; ++i) {
        const std::int64_t now = clock.NowMs();
        EXPECT_GE(now, previous);
        previous = now;
    }
}

} // namespace

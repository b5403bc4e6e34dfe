#include "acquisition/RunClock.h"

#include <ctime>

namespace zephra {

std::int64_t BootTimeRunClock::NowMs() {
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    return static_cast<std::int64_t>(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

} // namespace zephra

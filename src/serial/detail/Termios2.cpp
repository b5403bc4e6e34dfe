#include "serial/detail/Termios2.h"

#include <asm/termbits.h>
#include <cerrno>
#include <sys/ioctl.h>

namespace zephra::serial::detail {

namespace {

int GetSettings(int fd, termios2& settings) {
    return ioctl(fd, TCGETS2, &settings) == 0 ? 0 : errno;
}

} // namespace

int SetNumericSpeed(int fd, std::uint32_t rate) {
    termios2 settings{};
    if (const int error = GetSettings(fd, settings)) {
        return error;
    }
    settings.c_cflag &= ~(CBAUD | (CBAUD << IBSHIFT));
    settings.c_cflag |= BOTHER | (BOTHER << IBSHIFT);
    settings.c_ispeed = rate;
    settings.c_ospeed = rate;
    if (ioctl(fd, TCSETS2, &settings) != 0) {
        return errno;
    }
    return 0;
}

int GetNumericSpeed(int fd, std::uint32_t& rate) {
    termios2 settings{};
    const int error = GetSettings(fd, settings);
    rate = settings.c_ospeed;
    return error;
}

int GetNumericInputSpeed(int fd, std::uint32_t& rate) {
    termios2 settings{};
    const int error = GetSettings(fd, settings);
    rate = settings.c_ispeed;
    return error;
}

} // namespace zephra::serial::detail

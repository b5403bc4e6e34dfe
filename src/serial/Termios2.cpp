#include "Termios2.h"

#include <asm/termbits.h>
#include <cerrno>
#include <sys/ioctl.h>

namespace zephra::serial::detail {

int SetNumericSpeed(int fd, std::uint32_t rate) {
    termios2 settings{};
    if (ioctl(fd, TCGETS2, &settings) != 0) {
        return errno;
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
    if (ioctl(fd, TCGETS2, &settings) != 0) {
        return errno;
    }
    rate = settings.c_ospeed;
    return 0;
}

} // namespace zephra::serial::detail

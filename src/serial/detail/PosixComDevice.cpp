#include "serial/detail/PosixComDevice.h"

#include "serial/detail/Termios2.h"
#include "serial/detail/TermiosMapping.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <fcntl.h>
#include <limits>
#include <linux/major.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace zephra::serial::detail {

namespace {

/// Calls `call` again while it fails with EINTR; returns 0 or errno.
template <typename Call> int Retry(Call call) {
    for (;;) {
        if (call() != -1) {
            return 0;
        }
        if (errno != EINTR) {
            return errno;
        }
    }
}

bool Unsupported(int error) {
    return error == ENOTTY || error == EINVAL;
}

/// A driver may substitute a nearby rate; more than 2 % off counts as refused.
bool RateAccepted(std::uint32_t requested, std::uint32_t actual) {
    return std::fabs(double(actual) - double(requested)) <= 0.02 * double(requested);
}

constexpr Milliseconds kDrainPollInterval(5);

} // namespace

PosixComDevice::~PosixComDevice() {
    Close();
}

int PosixComDevice::Open(const std::string& path) {
    Close();
    const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return errno;
    }
    termios tio{};
    int error = 0;
    if (tcgetattr(fd, &tio) != 0) {
        error = errno;
    } else if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        // The advisory lock also holds against root, which TIOCEXCL does not stop.
        error = errno == EWOULDBLOCK ? EBUSY : errno;
    } else if (ioctl(fd, TIOCEXCL) != 0 && !Unsupported(errno)) {
        error = errno;
    }
    if (error != 0) {
        ::close(fd);
        return error;
    }
    fd_ = fd;
    ClearLegacySpeedFlags();
    hasCounters_ = ioctl(fd_, TIOCGICOUNT, &counters_) == 0;
    return 0;
}

void PosixComDevice::ClearLegacySpeedFlags() {
    // Old tools can leave a custom divisor or speed flag on a serial-core port
    // that silently turns 38400 bit/s into another rate. Ports without the
    // call (USB, pseudo-terminals) have no such flags.
    serial_struct info{};
    if (ioctl(fd_, TIOCGSERIAL, &info) == 0 && (info.flags & ASYNC_SPD_MASK) != 0) {
        info.flags &= ~ASYNC_SPD_MASK;
        ioctl(fd_, TIOCSSERIAL, &info);
    }
}

void PosixComDevice::Close() {
    if (fd_ < 0) {
        return;
    }
    // The exclusive flag belongs to the tty and can outlive this descriptor.
    ioctl(fd_, TIOCNXCL);
    ::close(fd_);
    fd_ = -1;
    hasCounters_ = false;
}

bool PosixComDevice::IsPseudoTerminal() const {
    struct stat info {};
    if (fd_ < 0 || fstat(fd_, &info) != 0 || !S_ISCHR(info.st_mode)) {
        return false;
    }
    const unsigned int deviceMajor = major(info.st_rdev);
    return deviceMajor >= UNIX98_PTY_SLAVE_MAJOR &&
           deviceMajor < UNIX98_PTY_SLAVE_MAJOR + UNIX98_PTY_MAJOR_COUNT;
}

int PosixComDevice::ModemLines(std::optional<int>& lines) {
    int bits = 0;
    if (ioctl(fd_, TIOCMGET, &bits) == 0) {
        lines = bits;
        return 0;
    }
    return Unsupported(errno) ? 0 : errno;
}

int PosixComDevice::GetState(DeviceState& state) {
    termios tio{};
    if (tcgetattr(fd_, &tio) != 0) {
        return errno;
    }
    std::uint32_t rate = 0;
    if (const int error = GetNumericSpeed(fd_, rate)) {
        return error;
    }
    std::optional<int> lines;
    if (const int error = ModemLines(lines)) {
        return error;
    }
    state = TermiosToState(tio, rate, lines);
    return 0;
}

int PosixComDevice::SetModemLine(int line, bool on) {
    return ioctl(fd_, on ? TIOCMBIS : TIOCMBIC, &line) == 0 ? 0 : errno;
}

int PosixComDevice::SetState(const DeviceState& state) {
    termios tio{};
    if (tcgetattr(fd_, &tio) != 0) {
        return errno;
    }
    bool numericRate = false;
    if (const int error = StateToTermios(state, tio, numericRate)) {
        return error;
    }
    if (tcsetattr(fd_, TCSANOW, &tio) != 0 && errno != EINVAL) {
        return errno;
    }
    // EINVAL does not tell whether the driver applied part of the settings or
    // none, and a success does not tell that it applied all: the port reads the
    // line settings back and the rate is checked here.
    if (numericRate) {
        if (const int error = SetNumericSpeed(fd_, state.BaudRate)) {
            return error;
        }
    }
    if (state.BaudRate != 0) {
        std::uint32_t output = 0;
        std::uint32_t input = 0;
        if (const int error = GetNumericSpeed(fd_, output)) {
            return error;
        }
        if (const int error = GetNumericInputSpeed(fd_, input)) {
            return error;
        }
        // An input rate of 0 follows the output rate.
        if (!RateAccepted(state.BaudRate, output) ||
            (input != 0 && !RateAccepted(state.BaudRate, input))) {
            return EINVAL;
        }
    }

    // Modem lines change only where the requested level differs from the
    // present one, so a device without modem lines is left alone unless asked.
    std::optional<int> lines;
    if (const int error = ModemLines(lines)) {
        return error;
    }
    const int present = lines.value_or(0);
    if (state.DtrControl <= 1 && ((present & TIOCM_DTR) != 0) != (state.DtrControl == 1)) {
        if (const int error = SetModemLine(TIOCM_DTR, state.DtrControl == 1)) {
            return error;
        }
    }
    if (state.RtsControl <= 1 && !state.OutxCtsFlow &&
        ((present & TIOCM_RTS) != 0) != (state.RtsControl == 1)) {
        if (const int error = SetModemLine(TIOCM_RTS, state.RtsControl == 1)) {
            return error;
        }
    }
    return 0;
}

int PosixComDevice::Read(std::uint8_t* buffer, std::size_t count, std::size_t& done) {
    done = 0;
    for (;;) {
        const ssize_t n = ::read(fd_, buffer, count);
        if (n > 0) {
            done = static_cast<std::size_t>(n);
            return 0;
        }
        if (n == 0) {
            // Readable but empty: the other end has hung up.
            return EIO;
        }
        if (errno == EAGAIN || errno == EWOULDBLOCK) {
            return 0;
        }
        if (errno != EINTR) {
            return errno;
        }
    }
}

int PosixComDevice::Write(const std::uint8_t* buffer, std::size_t count, std::size_t& done) {
    done = 0;
    for (;;) {
        const ssize_t n = ::write(fd_, buffer, count);
        if (n >= 0) {
            done = static_cast<std::size_t>(n);
            return 0;
        }
        if (errno == EAGAIN || errno == EWOULDBLOCK) {
            return 0;
        }
        if (errno != EINTR) {
            return errno;
        }
    }
}

int PosixComDevice::WaitReady(Direction direction, std::optional<Milliseconds> limit) {
    pollfd entry{fd_, static_cast<short>(direction == Direction::Input ? POLLIN : POLLOUT), 0};
    const int timeout = limit ? static_cast<int>(std::min<Milliseconds::rep>(
                                    limit->count(), std::numeric_limits<int>::max()))
                              : -1;
    const int result = ::poll(&entry, 1, timeout);
    if (result < 0) {
        return errno == EINTR ? 0 : errno;
    }
    if (result > 0 && (entry.revents & POLLNVAL) != 0) {
        return EBADF;
    }
    // Hang-up and errors show up in the next read or write.
    return 0;
}

int PosixComDevice::InputCount(std::uint32_t& count) {
    int n = 0;
    if (ioctl(fd_, FIONREAD, &n) != 0) {
        return errno;
    }
    count = static_cast<std::uint32_t>(n);
    return 0;
}

int PosixComDevice::OutputCount(std::uint32_t& count) {
    int n = 0;
    if (ioctl(fd_, TIOCOUTQ, &n) != 0) {
        return errno;
    }
    count = static_cast<std::uint32_t>(n);
    return 0;
}

int PosixComDevice::Purge(bool input, bool output) {
    if (!input && !output) {
        return 0;
    }
    const int queue = input && output ? TCIOFLUSH : (input ? TCIFLUSH : TCOFLUSH);
    return tcflush(fd_, queue) == 0 ? 0 : errno;
}

int PosixComDevice::Drain(std::optional<Milliseconds> limit, bool& drained) {
    drained = false;
    const Clock::time_point deadline = limit ? Clock::now() + *limit : Clock::time_point::max();
    for (;;) {
        std::uint32_t queued = 0;
        if (const int error = OutputCount(queued)) {
            return error;
        }
        if (queued == 0) {
            break;
        }
        if (Clock::now() >= deadline) {
            return 0;
        }
        std::this_thread::sleep_for(kDrainPollInterval);
    }
    // The queue is empty; tcdrain now only waits for the last character to leave.
    if (const int error = Retry([this] { return tcdrain(fd_); })) {
        return error;
    }
    drained = true;
    return 0;
}

int PosixComDevice::Escape(EscapeFunction function) {
    switch (function) {
    case EscapeFunction::SetXOff:
        return tcflow(fd_, TCOOFF) == 0 ? 0 : errno;
    case EscapeFunction::SetXOn:
        return tcflow(fd_, TCOON) == 0 ? 0 : errno;
    case EscapeFunction::SetRts:
        return SetModemLine(TIOCM_RTS, true);
    case EscapeFunction::ClearRts:
        return SetModemLine(TIOCM_RTS, false);
    case EscapeFunction::SetDtr:
        return SetModemLine(TIOCM_DTR, true);
    case EscapeFunction::ClearDtr:
        return SetModemLine(TIOCM_DTR, false);
    case EscapeFunction::ResetDevice:
        // Meaningful only for printer ports; nothing to do on a tty.
        return 0;
    case EscapeFunction::SetBreak:
        return ioctl(fd_, TIOCSBRK) == 0 ? 0 : errno;
    case EscapeFunction::ClearBreak:
        return ioctl(fd_, TIOCCBRK) == 0 ? 0 : errno;
    }
    return EINVAL;
}

int PosixComDevice::ModemStatus(std::uint32_t& bits) {
    int lines = 0;
    if (ioctl(fd_, TIOCMGET, &lines) != 0) {
        return errno;
    }
    bits = ((lines & TIOCM_CTS) != 0 ? msCtsOn : 0) | ((lines & TIOCM_DSR) != 0 ? msDsrOn : 0) |
           ((lines & TIOCM_RNG) != 0 ? msRingOn : 0) | ((lines & TIOCM_CAR) != 0 ? msRlsdOn : 0);
    return 0;
}

int PosixComDevice::TakeLineErrors(std::uint32_t& bits) {
    bits = 0;
    if (fd_ < 0) {
        return EBADF;
    }
    if (!hasCounters_) {
        return 0;
    }
    serial_icounter_struct now{};
    if (ioctl(fd_, TIOCGICOUNT, &now) != 0) {
        return errno;
    }
    // Linux counts line errors; a counter that grew since the last look is a new error.
    bits = (now.frame != counters_.frame ? ceFrame : 0) |
           (now.parity != counters_.parity ? ceParity : 0) |
           (now.overrun != counters_.overrun ? ceOverrun : 0) |
           (now.buf_overrun != counters_.buf_overrun ? ceRxOverflow : 0) |
           (now.brk != counters_.brk ? ceBreak : 0);
    counters_ = now;
    return 0;
}

} // namespace zephra::serial::detail

#include "serial/detail/PosixLineEventSource.h"

#include "serial/detail/PosixComDevice.h"

#include <cerrno>
#include <cstdint>
#include <linux/serial.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace zephra::serial::detail {

namespace {

bool Unsupported(int error) {
    return error == ENOTTY || error == EINVAL;
}

} // namespace

PosixLineEventSource::PosixLineEventSource(int fd, int& error) : fd_(fd) {
    wakeFd_ = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    error = wakeFd_ < 0 ? errno : 0;
}

PosixLineEventSource::~PosixLineEventSource() {
    if (wakeFd_ >= 0) {
        ::close(wakeFd_);
    }
}

int PosixLineEventSource::Wait(bool forInput, std::chrono::milliseconds limit,
                               WaitOutcome& outcome) {
    pollfd fds[2] = {{fd_, static_cast<short>(forInput ? POLLIN : 0), 0}, {wakeFd_, POLLIN, 0}};
    const int ready = poll(fds, 2, static_cast<int>(limit.count()));
    if (ready < 0) {
        if (errno != EINTR) {
            return errno;
        }
        outcome = WaitOutcome::Ready;
        return 0;
    }
    if ((fds[1].revents & POLLIN) != 0) {
        std::uint64_t count = 0;
        [[maybe_unused]] const ssize_t drained = ::read(wakeFd_, &count, sizeof count);
        outcome = WaitOutcome::Woken;
    } else if ((fds[0].revents & (POLLHUP | POLLERR | POLLNVAL)) != 0) {
        outcome = WaitOutcome::HungUp;
    } else {
        outcome = WaitOutcome::Ready;
    }
    return 0;
}

void PosixLineEventSource::Wake() {
    const std::uint64_t one = 1;
    [[maybe_unused]] const ssize_t written = ::write(wakeFd_, &one, sizeof one);
}

int PosixLineEventSource::Snapshot(bool withModemLines, LineSnapshot& snapshot) {
    int count = 0;
    if (ioctl(fd_, FIONREAD, &count) != 0) {
        return errno;
    }
    snapshot.inputCount = static_cast<std::uint32_t>(count);
    count = 0;
    if (ioctl(fd_, TIOCOUTQ, &count) != 0) {
        return errno;
    }
    snapshot.outputCount = static_cast<std::uint32_t>(count);
    serial_icounter_struct counters{};
    snapshot.counters.reset();
    if (ioctl(fd_, TIOCGICOUNT, &counters) == 0) {
        snapshot.counters = LineCounters{static_cast<std::uint32_t>(counters.cts),
                                         static_cast<std::uint32_t>(counters.dsr),
                                         static_cast<std::uint32_t>(counters.rng),
                                         static_cast<std::uint32_t>(counters.dcd),
                                         static_cast<std::uint32_t>(counters.rx),
                                         static_cast<std::uint32_t>(counters.tx),
                                         static_cast<std::uint32_t>(counters.frame),
                                         static_cast<std::uint32_t>(counters.overrun),
                                         static_cast<std::uint32_t>(counters.parity),
                                         static_cast<std::uint32_t>(counters.brk),
                                         static_cast<std::uint32_t>(counters.buf_overrun)};
    } else if (!Unsupported(errno)) {
        return errno;
    }
    snapshot.modemLines.reset();
    int lines = 0;
    if (withModemLines && !snapshot.counters) {
        if (ioctl(fd_, TIOCMGET, &lines) == 0) {
            snapshot.modemLines = static_cast<std::uint32_t>(lines);
        } else if (!Unsupported(errno)) {
            return errno;
        }
    }
    return 0;
}

int PosixComDevice::CreateLineEventSource(std::unique_ptr<LineEventSource>& source) {
    int error = 0;
    auto posix = std::make_unique<PosixLineEventSource>(fd_, error);
    if (error == 0) {
        source = std::move(posix);
    }
    return error;
}

} // namespace zephra::serial::detail

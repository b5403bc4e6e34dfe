#include "acquisition/InterruptibleWait.h"

#include "acquisition/Balance.h"
#include "serial/ComPort.h"

#include <cerrno>
#include <cstring>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

namespace zephra {

InterruptibleWait::InterruptibleWait() : interruptFd_(eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {}

InterruptibleWait::~InterruptibleWait() {
    if (interruptFd_ >= 0)
        close(interruptFd_);
}

void InterruptibleWait::Interrupt() noexcept {
    interrupted_ = true;
    if (interruptFd_ >= 0)
        (void)eventfd_write(interruptFd_, 1);
}

bool InterruptibleWait::Wait(int fd, short events, int timeoutMs) {
    pollfd waits[2] = {{interruptFd_, POLLIN, 0}, {fd, events, 0}};
    int ready = -1;
    while (!interrupted_ && ready < 0) {
        ready = poll(waits, fd >= 0 ? 2 : 1, timeoutMs);
        if (ready < 0 && errno != EINTR)
            throw serial::EComError(errno, std::strerror(errno));
    }
    if (interrupted_)
        throw BalanceInterrupted();
    return ready > 0;
}

} // namespace zephra

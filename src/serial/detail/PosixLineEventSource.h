#pragma once

#include "serial/detail/LineEvents.h"

namespace zephra::serial::detail {

/// Line events of an open tty: poll on its descriptor and on an eventfd that
/// `Wake` signals, counters from FIONREAD, TIOCOUTQ, TIOCMGET and TIOCGICOUNT.
///
/// Modem-line changes are read from the counters (or the line levels) at each
/// look instead of with TIOCMIWAIT, which only a signal could interrupt.
/// The descriptor is not owned; the caller keeps it open while it uses the source.
class PosixLineEventSource final : public LineEventSource {
public:
    /// Uses `fd`; creates the wake-up eventfd. `error` receives 0 or the errno of eventfd.
    PosixLineEventSource(int fd, int& error);
    ~PosixLineEventSource() override;
    PosixLineEventSource(const PosixLineEventSource&) = delete;
    PosixLineEventSource& operator=(const PosixLineEventSource&) = delete;

    int Wait(bool forInput, std::chrono::milliseconds limit, WaitOutcome& outcome) override;
    void Wake() override;
    int Snapshot(bool withModemLines, LineSnapshot& snapshot) override;

private:
    int fd_;
    int wakeFd_ = -1;
};

} // namespace zephra::serial::detail

#include "serial/detail/LineEventTracker.h"

#include <sys/ioctl.h>

namespace zephra::serial::detail {

namespace {

/// The first count that is at least 80 % of the buffer.
constexpr std::uint32_t kRx80Threshold = (LineEventTracker::kInputBufferSize * 8 + 9) / 10;

std::uint32_t CounterEvents(const LineCounters& before, const LineCounters& after) {
    std::uint32_t events = 0;
    if (after.rx != before.rx) {
        events |= evRxChar;
    }
    if (after.cts != before.cts) {
        events |= evCTS;
    }
    if (after.dsr != before.dsr) {
        events |= evDSR;
    }
    if (after.dcd != before.dcd) {
        events |= evRLSD;
    }
    if (after.rng != before.rng) {
        events |= evRing;
    }
    if (after.brk != before.brk) {
        events |= evBreak;
    }
    if (after.frame != before.frame || after.overrun != before.overrun ||
        after.parity != before.parity || after.bufOverrun != before.bufOverrun) {
        events |= evErr;
    }
    return events;
}

/// Every byte received since the port opened that has not been discarded.
std::uint64_t BytesReceived(const LineSnapshot& snapshot) {
    return snapshot.inputTaken + snapshot.inputCount;
}

std::uint32_t LevelEvents(std::uint32_t before, std::uint32_t after) {
    const std::uint32_t changed = before ^ after;
    std::uint32_t events = 0;
    if ((changed & TIOCM_CTS) != 0) {
        events |= evCTS;
    }
    if ((changed & TIOCM_DSR) != 0) {
        events |= evDSR;
    }
    if ((changed & TIOCM_CAR) != 0) {
        events |= evRLSD;
    }
    if ((changed & after & TIOCM_RNG) != 0) {
        events |= evRing;
    }
    return events;
}

} // namespace

std::uint32_t LineEventTracker::Update(const LineSnapshot& snapshot) {
    std::uint32_t events = 0;
    // Reads between two looks do not hide bytes that arrived meanwhile, and
    // drivers that count only line events (USB CDC-ACM) still show new bytes.
    if (BytesReceived(snapshot) > BytesReceived(last_)) {
        events |= evRxChar;
    }
    if (snapshot.counters && last_.counters) {
        events |= CounterEvents(*last_.counters, *snapshot.counters);
    } else if (snapshot.modemLines && last_.modemLines) {
        events |= LevelEvents(*last_.modemLines, *snapshot.modemLines);
    }
    if (snapshot.inputCount >= kRx80Threshold && last_.inputCount < kRx80Threshold) {
        events |= evRx80Full;
    }
    if (snapshot.outputCount > 0) {
        txArmed_ = true;
    } else if (txArmed_) {
        txArmed_ = false;
        events |= evTxEmpty;
    }
    last_ = snapshot;
    return events;
}

} // namespace zephra::serial::detail

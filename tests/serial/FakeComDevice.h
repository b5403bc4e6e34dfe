#pragma once

#include "serial/detail/ComDevice.h"

#include <atomic>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace zephra::serial::test {

/// An in-memory device with a simulated clock: scripted input, modem lines,
/// line errors and system-call failures, and a record of what the port did.
/// Waits never sleep; they move the clock on.
class FakeComDevice final : public detail::ComDevice {
public:
    /// Bytes that arrive `after` the given time since the device was made.
    struct Arrival {
        detail::Milliseconds after;
        std::vector<std::uint8_t> bytes;
    };

    // Script.
    std::deque<std::uint8_t> input;
    std::vector<Arrival> arrivals;
    /// Bytes the device accepts before its output stalls; none: no limit.
    std::optional<std::size_t> acceptLimit;
    /// When the output stalls, it takes writes again this long after the wait began.
    std::optional<detail::Milliseconds> acceptAfter;
    /// Bytes held in the output queue and whether they ever leave.
    std::uint32_t queuedOutput = 0;
    bool outputStuck = false;
    std::uint32_t modemBits = 0;
    std::uint32_t lineErrors = 0;
    detail::DeviceState state;
    /// What the driver makes of a requested state (a device that cannot do everything).
    std::function<void(detail::DeviceState&)> driver;
    bool pseudoTerminal = false;
    /// errno to return from the call of that name ("Open", "SetState", "Read", ...).
    std::map<std::string, int> failures;

    // Record.
    std::string openedPath;
    int openCount = 0;
    int closeCount = 0;
    std::vector<detail::DeviceState> appliedStates;
    std::vector<std::uint8_t> sent;
    std::vector<detail::EscapeFunction> escapes;
    std::vector<std::pair<bool, bool>> purges;

    detail::Clock::time_point start = detail::Clock::time_point{} + std::chrono::hours(1);
    detail::Clock::time_point now = start;

    detail::Milliseconds Elapsed() const {
        return std::chrono::duration_cast<detail::Milliseconds>(now - start);
    }

    int Open(const std::string& path) override {
        if (int error = Failure("Open")) {
            return error;
        }
        openedPath = path;
        open_ = true;
        ++openCount;
        return 0;
    }
    void Close() override {
        if (open_) {
            ++closeCount;
        }
        open_ = false;
    }
    int Handle() const override { return open_ ? 42 : -1; }

    int GetState(detail::DeviceState& out) override {
        if (int error = Guard("GetState")) {
            return error;
        }
        out = state;
        return 0;
    }
    int SetState(const detail::DeviceState& in) override {
        if (int error = Guard("SetState")) {
            return error;
        }
        state = in;
        if (driver) {
            driver(state);
        }
        appliedStates.push_back(in);
        return 0;
    }

    int Read(std::uint8_t* buffer, std::size_t count, std::size_t& done) override {
        done = 0;
        if (int error = Guard("Read")) {
            return error;
        }
        Deliver();
        while (done < count && !input.empty()) {
            buffer[done++] = input.front();
            input.pop_front();
        }
        return 0;
    }
    int Write(const std::uint8_t* buffer, std::size_t count, std::size_t& done) override {
        done = 0;
        if (int error = Guard("Write")) {
            return error;
        }
        const std::size_t accepted = acceptLimit ? std::min(count, *acceptLimit) : count;
        sent.insert(sent.end(), buffer, buffer + accepted);
        if (acceptLimit) {
            *acceptLimit -= accepted;
        }
        done = accepted;
        return 0;
    }
    int WaitReady(detail::Direction direction, std::optional<detail::Milliseconds> limit) override {
        if (int error = Guard("WaitReady")) {
            return error;
        }
        if (direction == detail::Direction::Input) {
            Deliver();
            if (!input.empty()) {
                return 0;
            }
            if (!arrivals.empty()) {
                const detail::Clock::time_point due = start + arrivals.front().after;
                if (!limit || due <= now + *limit) {
                    now = std::max(now, due);
                    return 0;
                }
            }
        } else {
            if (!acceptLimit || *acceptLimit > 0) {
                return 0;
            }
            if (acceptAfter && (!limit || *acceptAfter <= *limit)) {
                now += *acceptAfter;
                acceptLimit.reset();
                return 0;
            }
        }
        if (!limit) {
            // Waiting without limit for something that never comes.
            return EDEADLK;
        }
        now += *limit;
        return 0;
    }

    int InputCount(std::uint32_t& count) override {
        if (int error = Guard("InputCount")) {
            return error;
        }
        Deliver();
        count = static_cast<std::uint32_t>(input.size());
        return 0;
    }
    int OutputCount(std::uint32_t& count) override {
        if (int error = Guard("OutputCount")) {
            return error;
        }
        count = queuedOutput;
        return 0;
    }
    int Purge(bool in, bool out) override {
        if (int error = Guard("Purge")) {
            return error;
        }
        purges.emplace_back(in, out);
        if (in) {
            input.clear();
        }
        if (out) {
            queuedOutput = 0;
        }
        return 0;
    }
    int Drain(std::optional<detail::Milliseconds> limit, bool& drained) override {
        drained = false;
        if (int error = Guard("Drain")) {
            return error;
        }
        if (outputStuck && queuedOutput > 0) {
            if (!limit) {
                return EDEADLK;
            }
            now += *limit;
            return 0;
        }
        queuedOutput = 0;
        drained = true;
        return 0;
    }
    int Escape(detail::EscapeFunction function) override {
        if (int error = Guard("Escape")) {
            return error;
        }
        escapes.push_back(function);
        return 0;
    }
    int ModemStatus(std::uint32_t& bits) override {
        if (int error = Guard("ModemStatus")) {
            return error;
        }
        bits = modemBits;
        return 0;
    }
    int TakeLineErrors(std::uint32_t& bits) override {
        bits = 0;
        if (int error = Guard("TakeLineErrors")) {
            return error;
        }
        bits = lineErrors;
        lineErrors = 0;
        return 0;
    }
    detail::Clock::time_point Now() const override { return now; }
    bool IsPseudoTerminal() const override { return pseudoTerminal; }

private:
    int Failure(const std::string& call) const {
        const auto found = failures.find(call);
        return found == failures.end() ? 0 : found->second;
    }
    /// A call on a closed device fails as a call on an invalid descriptor does.
    int Guard(const std::string& call) const { return open_ ? Failure(call) : EBADF; }

    void Deliver() {
        while (!arrivals.empty() && start + arrivals.front().after <= now) {
            input.insert(input.end(), arrivals.front().bytes.begin(), arrivals.front().bytes.end());
            arrivals.erase(arrivals.begin());
        }
    }

    std::atomic<bool> open_{false};
};

} // namespace zephra::serial::test

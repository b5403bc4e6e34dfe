#pragma once

#include <stdexcept>
#include <string>

namespace zephra {

// What a balance may report instead of a weight.
enum class BalanceCondition {
    None,        // a weight, or a reply that could not be read at all
    Overload,    // the load is above the balance's range
    Underload,   // the load is below the balance's range
    Busy,        // the balance cannot give a weight now
    Refused,     // the balance answered with an error code (`Detail`)
    UnknownUnit, // a weight in a unit that is not converted to grams (`Detail`)
    OutOfRange,  // a value no laboratory balance weighs (`Detail`, the value and unit as sent)
};

// The answer to one weight request. `WeightStr` is the text the value was
// read from (for the esc-p link characters 2 to 10 of the reply); `Error` is
// true when the reply gave no weight, and `WeightVal` is then not
// meaningful. Every dialect gives the weight in grams, whatever unit the
// balance weighs in (`Unit`).
struct WeightReading {
    std::string WeightStr;
    double WeightVal = 0.0;
    bool Error = false;
    bool Stable = true;                                  // false for a reading in motion
    std::string Unit{};                                  // the unit as sent; empty when none
    BalanceCondition Condition = BalanceCondition::None; // why there is no weight
    std::string
        Detail{}; // the balance's error code, the unit not converted, the value out of range
};

// A failure of the link to the balance itself: the port cannot be opened, a
// system call fails, or no reply came within the time limit. The message
// names the port and gives the port's own text ("COM3: Timeout"). `Gone`
// tells that the balance's device is no longer there (unplugged).
class BalanceError : public std::runtime_error {
public:
    explicit BalanceError(const std::string& what, bool gone = false)
        : std::runtime_error(what), gone_(gone) {}
    bool Gone() const { return gone_; }

private:
    bool gone_;
};

// An exchange ended early because `Interrupt` was called; nothing was read.
class BalanceInterrupted : public std::runtime_error {
public:
    BalanceInterrupted() : std::runtime_error("interrupted") {}
};

// The laboratory balance as the collection run uses it. Failures of the link
// are thrown as BalanceError. Every member but `Interrupt` belongs to the one
// thread that does the exchanges.
class Balance {
public:
    virtual ~Balance() = default;

    // Zeroes the balance (the tare command).
    virtual void Tare() = 0;
    // One weight request.
    virtual WeightReading GetWeight() = 0;
    // Makes sure the port is closed, also after a failed exchange. Never throws.
    virtual void Close() noexcept = 0;
    // Safe from any thread: a pending wait for the balance, and every later
    // exchange, ends at once with BalanceInterrupted. For good: the run that
    // uses the balance is over.
    virtual void Interrupt() noexcept {}
};

} // namespace zephra

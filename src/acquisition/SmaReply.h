#pragma once

#include "acquisition/Balance.h"

#include <optional>
#include <string>
#include <string_view>

namespace zephra {

// Reads a standard scale response of the SMA protocol: LF, five status
// characters (scale status, range, gross/net, motion, reserved), the value
// in a field of 10 characters (11 on some indicators), the unit, CR:
// "\n 1G     123.45g  \r". Motion "M" is an unstable reading. Scale status
// "O" is an overload, "U" an underload, "E", "I" and "T" (zero, initial
// zero and tare errors) are refusals, "e" (no weight shown) is busy. The
// leading LF may be missing and CR, LF or both may end the line; "?" alone
// (an unrecognised command) is a refusal. The value is converted to grams.
WeightReading ParseSmaReply(std::string_view line);

// The compliance level in the reply to the about command A ("SMA:2/1.0");
// nothing for any other line.
std::optional<std::string> SmaAbout(std::string_view line);

} // namespace zephra

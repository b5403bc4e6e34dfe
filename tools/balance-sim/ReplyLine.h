#pragma once

#include <random>
#include <string>

namespace zephra::balancesim {

// The reply line of a weight request: the sign ("-" or "+"), the magnitude
// with `decimals` decimals right-aligned in characters 2 to 10, a blank, the
// unit in three characters (blanks while the reading is unstable), CR LF: 16
// characters. The long form puts a six-character identifier in front of it:
// 22 characters.
std::string ReplyLine(double value, bool stable, bool longForm, const std::string& unit = "g",
                      int decimals = 2);

// What arrives when the two ends of the line disagree on the settings: bytes
// of the reply's length that are no weight, ending in CR LF.
std::string GarbageLine(std::mt19937& random);

} // namespace zephra::balancesim

#pragma once

#include <string>

namespace zephra {

// A resistance in m⁻¹ as the record shows it: in units of 10⁹ m⁻¹ with two
// decimals in six characters, or "> 1E15" from 999 999 000 000 000 m⁻¹ on
// (also for +infinity). R must not be NaN. A longer text (from 1000 on)
// keeps its field's first characters where it is stored.
std::string ResistanceText(double R);

} // namespace zephra

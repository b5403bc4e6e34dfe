#pragma once

#include "acquisition/Balance.h"

#include <optional>
#include <string>
#include <string_view>

namespace zephra {

// Reads a reply of the standard interface command set to a weight request
// (SI): "S S     123.45 g" (stable) or "S D     123.47 g" (dynamic, a valid
// reading), the identifier "SI" in place of "S" too, any padding, the sign
// before the digits or apart from them, CR, LF or both at the end. "S I" is
// busy, "S +" / "S -" over- and underload; "ES", "ET" and "EL" (command,
// transmission and logical errors) are refusals. The value is converted to
// grams (see SetWeight).
WeightReading ParseMtSicsReply(std::string_view line);

// Whether the reply to a tare command (T) says the balance tared ("T S ...");
// anything else ("T I" for a load that did not settle, "T +", an error) is
// a refusal.
bool MtSicsTared(std::string_view line);

// The serial number in the reply to I4 ("I4 A \"B021002593\""); nothing for
// any other line.
std::optional<std::string> MtSicsSerialNumber(std::string_view line);

} // namespace zephra

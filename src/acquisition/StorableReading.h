#pragma once

#include <string>
#include <string_view>

namespace zephra {

// How far below zero a tared balance reads from its noise and drift alone.
inline constexpr double TareNoiseGrams = 1.0;

// Why a collection run cannot take `grams` as a weight on its tared
// balance: it is not finite, beyond any balance's range, or more than
// TareNoiseGrams below zero. The message names the value and ends the run;
// empty when the weight can be taken.
std::string ImplausibleWeightText(double grams);

// Why a volume with the stored text `volumeText` (one decimal) cannot be
// stored in the record's volume field: its whole millilitres need more
// characters than the field has. A text that only loses decimals is
// stored as its first characters (12345.6 as "12345."). The message names
// the volume and ends the run; empty when the volume can be stored.
std::string UnstorableVolumeText(std::string_view volumeText);

} // namespace zephra

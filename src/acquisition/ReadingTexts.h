#pragma once

#include <cstdint>
#include <string>

namespace zephra {

// The texts one reading stores: volume (ml, 1 decimal, width 6), whole
// minutes (width 3) and seconds (2 digits with a leading "0").
struct ReadingTexts {
    std::string V;
    std::string M;
    std::string Sc;
};

// The texts of a reading of `volumeMl` taken `elapsedMs` after the start.
// Seconds are the elapsed seconds past the whole minutes, rounded to the
// nearest whole number (halves to even). Seconds that round up to 60 are
// stored as the next minute with "00" (119.7 s gives "  2" and "00"), since
// "60" is no valid seconds entry; the time stands for the same moment.
ReadingTexts MakeReadingTexts(double volumeMl, std::int64_t elapsedMs);

} // namespace zephra

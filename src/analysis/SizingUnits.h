#pragma once

#include "entry/UnitConstants.h"

#include <array>
#include <string_view>

namespace zephra {

// The units a batch volume and a production flow can be given in, each with
// its size in litres and in litres per hour; the first is the default.
struct SizingUnit {
    std::string_view Name;
    double Factor;
};

inline constexpr std::array<SizingUnit, 3> BatchVolumeUnits{
    {{"gal", LitresPerGallon}, {"L", 1}, {"hL", 100}}};

inline constexpr std::array<SizingUnit, 5> FlowUnits{{{"gpm", LitresPerGallon * 60},
                                                      {"bpm", LitresPerBottle * 60},
                                                      {"L/min", 60},
                                                      {"L/h", 1},
                                                      {"hL/h", 100}}};

} // namespace zephra

#pragma once

#include "analysis/BlockingLaws.h"
#include "document/WineRec.h"

#include <cstdint>
#include <vector>

namespace zephra::test {

// The laboratory filter area of a 47 mm filter as the calculation computes it.
double LabArea47();

// Typical parameters of each law for a trial of about nine minutes on a
// 47 mm filter: J0 2000 LMH, and Kb 8 1/h, Ki 0.02 m²/L, Vmax 300 L/m² or
// Kc 6.7e-6 h·m⁴/L².
LawParameters TypicalParameters(BlockingLaw law);

// The cumulative volume (ml) of the law on a 47 mm filter after `seconds`.
double LawVolumeMl(BlockingLaw law, const LawParameters& p, double seconds);

// A wine on a 47 mm filter at 30 psi (production area 10 m²) whose readings
// follow the law, stored as the data dialog stores them: a reading every
// `interval` seconds (whole seconds) from `interval` on, volumes to 0.1 ml.
TWineRec LawWine(BlockingLaw law, const LawParameters& p, int readings, int interval = 15,
                 std::uint16_t minSkip = 0);

} // namespace zephra::test

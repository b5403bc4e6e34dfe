#pragma once

#include "analysis/FoulingAnalysis.h"
#include "entry/UnitSystem.h"

#include <nlohmann/json.hpp>

namespace zephra {

// The analysis as one JSON object with exactly these keys:
//   wine, filter, points_used, first_row, last_row, lab_area_m2,
//   models: [{law, fitted, reason (only when not fitted), J0_LMH,
//             Kb_per_h | Ki_m2_per_L | Vmax_L_per_m2 | Kc_h_m4_per_L2,
//             r2, rms_ml}] in the order complete, intermediate, standard, cake,
//   best (a law's key or null), vmax_L_per_m2, vmax_ci95_L_per_m2 (half-width),
//   J0_LMH, production_capacity_gal, flux_decline_percent, fi_s,
//   fi_standard_conditions.
// Numbers are JSON numbers; a value that cannot be computed (a law not
// fitted, no rows, FI not reached) is null. In metric units the capacity is
// production_capacity_hL, in hectolitres.
nlohmann::ordered_json FoulingAnalysisJson(const FoulingAnalysis& analysis,
                                           const DisplayUnits& units = UsUnits);

} // namespace zephra

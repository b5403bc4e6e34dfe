#pragma once

#include "analysis/FoulingAnalysis.h"

#include <nlohmann/json.hpp>

namespace zephra {

// The analysis as one JSON object with exactly these keys:
//   wine, filter, points_used, first_row, last_row, lab_area_m2,
//   precise_times (the readings' times to 0.1 s were used),
//   models: [{law, fitted, reason (only when not fitted), J0_LMH,
//             Kb_per_h | Ki_m2_per_L | Vmax_L_per_m2 | Kc_h_m4_per_L2,
//             t0_s, r2, rms_ml, aicc, delta_aicc}] in the order complete,
//           intermediate, standard, cake,
//   best (a law's key or null), not_distinguishable_from (law keys),
//   vmax_L_per_m2, vmax_ci95_low_L_per_m2, vmax_ci95_high_L_per_m2,
//   vmax_lower_bound95_L_per_m2, J0_LMH, production_capacity_gal,
//   best_capacity_basis ("vmax", "limit" J0/Kb or "terminal_flux"),
//   terminal_flux_share, best_capacity_L_per_m2,
//   best_capacity_ci95_low_L_per_m2, best_capacity_ci95_high_L_per_m2,
//   best_capacity_lower_bound95_L_per_m2, best_production_capacity_gal,
//   flux_decline_percent, fi_s, fi_standard_conditions.
// Numbers are JSON numbers; a value that cannot be computed (a law not
// fitted, no rows, Vmax where the standard law is not the best, an interval
// without upper end, FI not reached) is null. The keys and values are the
// same whatever units the program shows; each key's name ends in its unit.
// docs/schema/analyze.schema.json describes them.
nlohmann::ordered_json FoulingAnalysisJson(const FoulingAnalysis& analysis);

// "vmax", "limit" or "terminal_flux": what the capacity of `law` is.
std::string_view CapacityBasisKey(BlockingLaw law);

} // namespace zephra

#pragma once

#include "analysis/AnalysisWarnings.h"
#include "analysis/PowerModelSearch.h"
#include "document/WineRec.h"

#include <optional>
#include <span>
#include <string_view>

namespace zephra {

// Fits the power model R = Rm + a·v^b to the points in use (v, R) and stores
// `aReal`, `a`, `bP`, `rP`, `RmP`, `ExpectedVolP` and the Rpower column, or,
// when the model fails, their blanks (`aReal` then keeps its value).
// Returns the correlation coefficient of a fitted model, nothing when it
// failed.
std::optional<double> FitPowerModel(TWineRec& rec, std::span<const double> v,
                                    std::span<const double> R, double A_prod, double R_max,
                                    std::string_view separator, AnalysisWarnings& warnings);

// Stores the power model's expected full-scale volume: "  0" with a warning
// when Rm is at or above R_max; otherwise from the exponent
// E = (ln(R_max − Rm) − b) / m, " incalculably high" when E > 46, else the
// gallons. An E that is not finite (m of 0) leaves the field blank, with a
// warning.
void StorePowerExpectedVolume(TWineRec& rec, const PowerSearchResult& fit, double A_prod,
                              double R_max, std::string_view separator, AnalysisWarnings& warnings);

} // namespace zephra

#include "analysis/PowerModel.h"

#include "analysis/BlankResults.h"
#include "analysis/GallonText.h"
#include "analysis/PowerModelSearch.h"
#include "analysis/ResistanceText.h"
#include "document/Quantities.h"
#include "document/Real48.h"
#include "document/TextCatalog.h"
#include "entry/FixedText.h"
#include "entry/NumberText.h"

#include <cmath>

namespace zephra {

void StorePowerExpectedVolume(TWineRec& rec, const PowerSearchResult& fit, double A_prod,
                              double R_max, std::string_view separator,
                              AnalysisWarnings& warnings) {
    if (fit.Rm >= R_max) {
        warnings.Warn(ShownText(
            "Messages", "Expected volume cannot be calculated from Power Model. Rm is greater than "
                        "maximum allowable production resistance."));
        rec.ExpectedVolP.assign("  0");
        return;
    }
    const double E = (std::log(R_max - fit.Rm) - fit.b) / fit.m;
    if (!std::isfinite(E)) {
        // An exponent b of 0 (or too close to 0) puts R_max out of reach of
        // the curve's formula.
        rec.ExpectedVolP.assign(BlankExpectedVolume);
        warnings.Warn(ShownText(
            "Messages", "Expected volume cannot be calculated from Power Model. Its exponent b is "
                        "zero or too close to zero."));
        return;
    }
    if (E > 46) {
        rec.ExpectedVolP.assign(" incalculably high");
        return;
    }
    const double volume = std::exp(E) * A_prod * LitresPerCubicMetre / calc::LitresPerGallon;
    rec.ExpectedVolP.assign(GallonText(volume, separator));
}

namespace {

// Stores a = e^b into `aReal` and returns the value as stored, or nothing
// when a is beyond the six-byte real's range.
std::optional<double> StoreA(TWineRec& rec, double b) {
    try {
        rec.aReal = DoubleToReal48(std::exp(b));
    } catch (const Real48Overflow&) {
        return std::nullopt;
    }
    return Real48ToDouble(rec.aReal);
}

std::string ATextOf(double a) {
    constexpr double Limit = 9999999000000000.0;
    if (a < Limit) {
        return FixedText(a / 1e9, 7, 3);
    }
    return "> 1E16";
}

// ln 0 is undefined, so a row whose stored V/A reads 0 or less has no
// power-model resistance; its cell shows six blanks. Returns whether any row
// had none.
bool FillPowerColumn(TWineRec& rec, const PowerSearchResult& fit, double a) {
    bool missing = false;
    for (TTableRow& row : rec.TableData) {
        if (row.V.empty()) {
            break;
        }
        const double x = ReadStoredNumber(row.VA.text());
        if (x > 0) {
            // NaN only from an infinite power times an a stored as 0.
            const double R = std::exp(std::log(x) * fit.m) * a + fit.Rm;
            if (!std::isnan(R)) {
                row.Rpower.assignTruncated(ResistanceText(R));
                continue;
            }
        }
        row.Rpower.fillBlanks();
        missing = true;
    }
    return missing;
}

} // namespace

std::optional<double> FitPowerModel(TWineRec& rec, std::span<const double> v,
                                    std::span<const double> R, double A_prod, double R_max,
                                    std::string_view separator, AnalysisWarnings& warnings) {
    const PowerSearchResult fit = SearchPowerModel(v, R);
    if (fit.End == PowerSearchEnd::Overshoot) {
        BlankPowerResults(rec);
        return std::nullopt;
    }
    if (fit.End == PowerSearchEnd::TooManySteps) {
        BlankPowerResults(rec);
        warnings.Warn(ShownText(
            "Messages", "The resistances are too high for the Power Model. Its results are left "
                        "blank."));
        return std::nullopt;
    }
    const bool finite = std::isfinite(fit.m) && std::isfinite(fit.b) && std::isfinite(fit.r);
    const std::optional<double> a = finite ? StoreA(rec, fit.b) : std::nullopt;
    if (!a) {
        BlankPowerResults(rec);
        warnings.Warn(ShownText(
            "Messages", "The Power Model cannot be fitted to these data. Its results are left "
                        "blank."));
        return std::nullopt;
    }

    rec.a.assignTruncated(ATextOf(*a));
    // A figure longer than its field keeps the field's first characters.
    rec.bP.assignTruncated(FixedText(fit.m, 5, 3));
    rec.rP.assignTruncated(FixedText(fit.r, 5, 3));
    rec.RmP.assignTruncated(ResistanceText(fit.Rm));
    StorePowerExpectedVolume(rec, fit, A_prod, R_max, separator, warnings);
    if (FillPowerColumn(rec, fit, *a)) {
        warnings.Warn(ShownText(
            "Messages", "The Power Model has no value at a V/A of 0.000. Those rows show no "
                        "Power Model resistance."));
    }
    return fit.r;
}

} // namespace zephra

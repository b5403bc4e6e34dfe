#include "analysis/ExponentialModel.h"

#include "analysis/BlankResults.h"
#include "analysis/GallonText.h"
#include "analysis/ResistanceText.h"
#include "document/Quantities.h"
#include "document/TextCatalog.h"
#include "entry/FixedText.h"
#include "entry/NumberText.h"

#include <algorithm>
#include <cmath>

namespace zephra {

ExponentialFit FitExponentialModel(const TRegressionData& v, const TRegressionData& L,
                                   std::uint16_t n) {
    ExponentialFit fit;
    // Equal logarithms would leave only rounding noise in the correlation.
    if (std::all_of(L.begin(), L.begin() + n, [&](double value) { return value == L[0]; })) {
        fit.Status = ExponentialFitStatus::EqualResistances;
        return fit;
    }
    Regression(fit.m, fit.b, fit.r, v, L, n);
    fit.Rm = std::exp(fit.b);
    const bool finite = std::isfinite(fit.m) && std::isfinite(fit.b) && std::isfinite(fit.r) &&
                        std::isfinite(fit.Rm) && fit.Rm > 0;
    if (!finite) {
        fit.Status = ExponentialFitStatus::OutOfRange;
    }
    return fit;
}

void StoreExponentialResults(TWineRec& rec, const ExponentialFit& fit, double A_prod, double R_max,
                             std::string_view separator, AnalysisWarnings& warnings) {
    // A figure longer than its field keeps the field's first characters.
    rec.bE.assignTruncated(FixedText(fit.m, 5, 3));
    rec.RmE.assignTruncated(ResistanceText(fit.Rm));
    rec.rE.assignTruncated(FixedText(fit.r, 5, 3));

    if (fit.Rm >= R_max) {
        warnings.Warn(ShownText(
            "Messages", "Rm is greater than the allowable production resistance. If the data and "
                        "conditions are correct then this filtration should foul extremely "
                        "rapidly."));
        rec.ExpectedVolE.assign("  0");
        rec.ExpectedVolP.assign("  0");
    } else if (fit.m <= 0) {
        rec.ExpectedVolE.assign(BlankExpectedVolume);
        rec.ExpectedVolP.assign(BlankExpectedVolume);
        warnings.Warn(ShownText(
            "Messages", "No fouling was observed. Either the volume passed was insufficient to "
                        "foul the filter or perhaps pressure rose during the trial. Expected "
                        "volume cannot be estimated."));
    } else {
        const double volume = (std::log(R_max) - std::log(fit.Rm)) / fit.m * A_prod *
                              LitresPerCubicMetre / calc::LitresPerGallon;
        rec.ExpectedVolE.assign(GallonText(volume, separator));
    }
}

void FillExponentialColumn(TWineRec& rec, const ExponentialFit& fit) {
    for (TTableRow& row : rec.TableData) {
        if (row.V.empty()) {
            break;
        }
        const double x = ReadStoredNumber(row.VA.text());
        row.Rexp.assignTruncated(ResistanceText(std::exp(fit.m * x) * fit.Rm));
    }
}

} // namespace zephra

#include "analysis/FoulingModels.h"

#include "analysis/BlankResults.h"
#include "analysis/ExponentialModel.h"
#include "analysis/PowerModel.h"
#include "entry/FixedText.h"

#include <optional>
#include <span>

namespace zephra {
namespace {

// A figure longer than its field keeps the field's first characters.
void StoreFigures(TWineRec& rec, const FoulingFitInput& in) {
    rec.LabEquivVol.assignTruncated(in.LabEquivVolume >= 9999 ? ">10K"
                                                              : FixedText(in.LabEquivVolume, 4, 0));
    rec.LabFaceVel.assignTruncated(FixedText(in.LabFaceVelocity, 4, 1));
    rec.ProdFaceVel.assignTruncated(FixedText(in.ProdFaceVelocity, 4, 1));
}

} // namespace

void FitFoulingModels(TWineRec& rec, const FoulingFitInput& in, std::string_view separator,
                      AnalysisWarnings& warnings) {
    const ExponentialFit exponential = FitExponentialModel(in.v, in.L, in.n);
    if (exponential.Status != ExponentialFitStatus::Fitted) {
        warnings.Warn(exponential.Status == ExponentialFitStatus::EqualResistances
                          ? "The resistance is the same over every interval in use. Unable to "
                            "calculate fouling constants."
                          : "The resistances are out of the range of the fouling models. Unable "
                            "to calculate fouling constants.");
        BlankFitResults(rec, "      ");
        EmptyColumn(rec, &TTableRow::Rexp);
        EmptyColumn(rec, &TTableRow::Rpower);
        return;
    }
    StoreExponentialResults(rec, exponential, in.A_prod, in.R_max, separator, warnings);
    StoreFigures(rec, in);
    FillExponentialColumn(rec, exponential);

    const std::optional<double> rP =
        FitPowerModel(rec, std::span(in.v.data(), in.n), std::span(in.R.data(), in.n), in.A_prod,
                      in.R_max, separator, warnings);
    rec.Model.set(rP && !(exponential.r > *rP) ? 1 : 0);
}

} // namespace zephra

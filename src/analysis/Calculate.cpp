#include "analysis/Calculate.h"

#include "analysis/AnalysisWarnings.h"
#include "analysis/BlankResults.h"
#include "analysis/FillData.h"
#include "analysis/FoulingModels.h"
#include "analysis/ResistanceText.h"
#include "analysis/ThousandsSeparator.h"
#include "document/Quantities.h"
#include "document/TextCatalog.h"
#include "entry/FixedText.h"
#include "entry/NumberText.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace zephra {
namespace {

constexpr int Rows = 36;
constexpr int MinimumFittedPoints = 4;
constexpr double NormalViscosity = 0.0015;
constexpr double DessertViscosity = 0.0021;
constexpr std::string_view SixBlanks = "      ";

bool Positive(double x) {
    return std::isfinite(x) && x > 0;
}

// Minutes and seconds read as 0 unless they are a valid number.
double TimeFieldValue(std::string_view text) {
    return ParseEntryNumber(text).value_or(0.0);
}

// One run of the calculation. The arrays are indexed by point number 1..36.
class Calculation {
public:
    Calculation(TWineRec& rec, bool ShowDialogs, MessageBoxes& boxes, std::string_view separator)
        : rec_(rec), warnings_(ShowDialogs, boxes), separator_(separator) {}

    void Run() {
        if (!ReachFits()) {
            return;
        }
        if (n_ < MinimumFittedPoints) {
            warnings_.Warn(
                ShownText("Messages", "Data is insufficient to calculate fouling constants."));
            BlankFitResults(rec_, SixBlanks);
            EmptyColumn(rec_, &TTableRow::Rexp);
            EmptyColumn(rec_, &TTableRow::Rpower);
            return;
        }
        const FoulingFitInput input = FitInput();
        if (!std::isfinite(input.LabEquivVolume) || !std::isfinite(input.LabFaceVelocity)) {
            ShowValuesOutOfRange();
            return;
        }
        FitFoulingModels(rec_, input, separator_, warnings_);
    }

    // Every step before the fits: the table's cells, the resistances and the
    // skip. False when the calculation has already ended (its results
    // written) because the conditions or the data cannot be calculated with.
    bool ReachFits() {
        FillData(rec_);
        ReadElapsedTimes();
        ReadConditions();
        if (!ConditionsUsable()) {
            warnings_.Warn(ShownText(
                "Messages", "The filtration conditions are missing or out of range. Please check "
                            "them with Edit Conditions. Unable to calculate."));
            rec_.MaxProdR.assign(SixBlanks);
            rec_.Model.set(0);
            EmptyRowsAfter(rec_, 0);
            BlankFitResults(rec_, SixBlanks);
            return false;
        }
        rec_.MaxProdR.assignTruncated(ResistanceText(R_max_));
        rec_.Model.set(0);

        CountPoints();
        V_last_ = n_ > 0 ? V_[n_] : 0;
        ScanIntervals();
        EmptyRowsAfter(rec_, n_);
        if (timeError_ || volumeError_) {
            warnings_.Warn(timeError_ ? "There is a non-positive interval in the Time data. "
                                        "Unable to calculate."
                                      : "There is a non-positive interval in the Volume data. "
                                        "Unable to calculate.");
            BlankAllResults("   neg");
            return false;
        }
        if (!ValuesUsable()) {
            ShowValuesOutOfRange();
            return false;
        }
        SkipInitialPoints();
        return true;
    }

    // The laboratory results FitInput gives in US gallons, in exact units.
    // Only after ReachFits, with enough points to fit.
    std::optional<LabResults> ExactLabResults() const {
        if (n_ < MinimumFittedPoints) {
            return std::nullopt;
        }
        const double litres = Volume::Ml(V_last_).InLitres();
        const LabResults lab{litres * (A_prod_ / A_lab_),
                             litres / A_lab_ / Duration::Seconds(LastTime()).InHours()};
        if (!std::isfinite(lab.EquivalentVolumeL) || !std::isfinite(lab.FaceVelocityLPerM2H)) {
            return std::nullopt;
        }
        return lab;
    }

    // The counted points as ReachFits left them.
    FiltrationPoints Points() const {
        FiltrationPoints points;
        points.LabArea = A_lab_;
        const int counted = std::max(n_ + k_, 0);
        for (int i = 1; i <= counted; ++i) {
            points.Volume.push_back(V_[i]);
            points.Time.push_back(T_[i]);
        }
        points.FirstFitted = static_cast<std::size_t>(std::min(k_, counted));
        points.MinSkip = rec_.Data.MinSkip.get();
        return points;
    }

private:
    TTableRow& Row(int i) { return rec_.TableData[i - 1]; }

    void ReadElapsedTimes() {
        for (int i = 1; i <= Rows; ++i) {
            T_[i] = SecondsPerMinute * TimeFieldValue(Row(i).Min.text()) +
                    TimeFieldValue(Row(i).Sec.text());
            if (T_[i] <= 0) {
                T_[i] = 0;
            }
        }
        dt_[1] = T_[1];
        for (int i = 2; i <= Rows; ++i) {
            dt_[i] = T_[i] != 0 ? T_[i] - T_[i - 1] : 0;
        }
    }

    void ReadConditions() {
        const TConditions& c = rec_.Conditions;
        const double D = ReadStoredNumber(c.LabFiltDia.text());
        const double radius = D / 1000 / 2; // mm to m
        A_lab_ = radius * radius * calc::Pi;
        P_lab_ = ReadStoredNumber(c.LabP.text()) * calc::PaPerPsi;
        P_prod_ = ReadStoredNumber(c.ProdP.text()) * calc::PaPerPsi;
        A_prod_ = ReadStoredNumber(c.ProdA.text());
        const double rate = ReadStoredNumber(c.ProdRate.text());
        Q_prod_ = c.ProdRateUnits.get() == 0
                      ? rate * LitresPerBottle / LitresPerCubicMetre / SecondsPerMinute
                      : rate * calc::LitresPerGallon / LitresPerCubicMetre / SecondsPerMinute;
        mu_ = c.WineType.get() == 0 ? NormalViscosity : DessertViscosity;
        R_max_ = P_prod_ * A_prod_ / (mu_ * Q_prod_);
        prodFaceVelocity_ =
            Q_prod_ * LitresPerCubicMetre / calc::LitresPerGallon * SecondsPerMinute / A_prod_;
    }

    // The conditions dialog keeps every condition positive; a record from
    // elsewhere may not, and nothing can be computed from such conditions.
    bool ConditionsUsable() const {
        return Positive(A_lab_) && Positive(P_lab_) && Positive(P_prod_) && Positive(A_prod_) &&
               Positive(Q_prod_) && Positive(R_max_) && Positive(prodFaceVelocity_);
    }

    void StoreVA(int i) {
        if (std::isfinite(v_[i])) {
            // From 10 on the field keeps the first characters (12.345 as "12.34").
            Row(i).VA.assignTruncated(FixedText(v_[i], 5, 3));
        } else {
            Row(i).VA.clear();
        }
    }

    // Counts the points from row 1 on and writes their V/A. Row 1 counts on
    // its volume alone; row 2 always follows it; later rows count while
    // their V, Min and Sec cells are all filled.
    void CountPoints() {
        for (int i = 1; i <= Rows; ++i) {
            V_[i] = ReadStoredNumber(Row(i).V.text());
        }
        n_ = 0;
        v_[1] = V_[1] / MlPerCubicMetre / 2 / A_lab_;
        if (v_[1] <= 0) {
            Row(1).VA.clear();
            return;
        }
        StoreVA(1);
        n_ = 2;
        for (;;) {
            v_[n_] = ((V_[n_] - V_[n_ - 1]) / 2 + V_[n_ - 1]) / MlPerCubicMetre / A_lab_;
            StoreVA(n_);
            ++n_;
            if (n_ > Rows || Row(n_).V.empty() || Row(n_).Min.empty() || Row(n_).Sec.empty()) {
                break;
            }
        }
        --n_;
    }

    // The resistance of every interval up to the first with no time, which
    // ends the data.
    void ScanIntervals() {
        for (int j = 1; j <= n_; ++j) {
            if (dt_[j] == 0) {
                n_ = j - 1;
                break;
            }
            const double dV = V_[j] - V_[j - 1];
            if (dt_[j] < 0) {
                timeError_ = true;
            } else if (dV <= 0) {
                volumeError_ = true;
            } else {
                const double R = dt_[j] / (dV / MlPerCubicMetre) * (P_lab_ * A_lab_ / mu_);
                if (Positive(R)) {
                    R_[j] = R;
                    Row(j).R.assignTruncated(ResistanceText(R));
                    L_[j] = std::log(R);
                } else {
                    rangeError_ = true;
                }
            }
        }
    }

    // Volumes so large or small (texts with exponents, only from records
    // made elsewhere) that a V/A or a resistance is not a finite number.
    bool ValuesUsable() const {
        if (rangeError_ || !std::isfinite(V_last_)) {
            return false;
        }
        for (int i = 1; i <= n_; ++i) {
            if (!std::isfinite(v_[i])) {
                return false;
            }
        }
        return true;
    }

    void ShowValuesOutOfRange() {
        warnings_.Warn(ShownText(
            "Messages", "A volume in the data is too large or too small to calculate with. "
                        "Unable to calculate."));
        BlankAllResults(SixBlanks);
    }

    void BlankAllResults(std::string_view RmEText) {
        BlankFitResults(rec_, RmEText);
        EmptyColumn(rec_, &TTableRow::R);
        EmptyColumn(rec_, &TTableRow::Rexp);
        EmptyColumn(rec_, &TTableRow::Rpower);
    }

    // Skips MinSkip points and then every further point whose resistance is
    // still falling to the next, and moves the points in use to the front.
    void SkipInitialPoints() {
        const auto resistanceAt = [this](int p) { return p <= n_ ? R_[p] : 0.0; };
        k_ = rec_.Data.MinSkip.get();
        while (resistanceAt(k_ + 1) > resistanceAt(k_ + 2) && k_ < n_) {
            ++k_;
        }
        if (k_ == 0) {
            return;
        }
        for (int i = 1; i <= n_ && i + k_ <= Rows; ++i) {
            v_[i] = v_[i + k_];
            R_[i] = R_[i + k_];
            L_[i] = L_[i + k_];
        }
        n_ -= k_;
        for (int i = n_ < 0 ? 1 : n_ + 1; i <= Rows; ++i) {
            v_[i] = 0;
            R_[i] = 0;
            L_[i] = 0;
        }
    }

    FoulingFitInput FitInput() const {
        FoulingFitInput in;
        for (int i = 1; i <= n_; ++i) {
            in.v[i - 1] = v_[i];
            in.R[i - 1] = R_[i];
            in.L[i - 1] = L_[i];
        }
        in.n = static_cast<std::uint16_t>(n_);
        in.A_prod = A_prod_;
        in.R_max = R_max_;
        const double T_last = LastTime();
        in.LabEquivVolume = V_last_ / MlPerLitre / calc::LitresPerGallon * (A_prod_ / A_lab_);
        in.LabFaceVelocity =
            V_last_ / MlPerLitre / calc::LitresPerGallon / A_lab_ / (T_last / SecondsPerMinute);
        in.ProdFaceVelocity = prodFaceVelocity_;
        return in;
    }

    // The elapsed time of the last point the fits use.
    double LastTime() const { return T_[n_ + k_]; }

    TWineRec& rec_;
    AnalysisWarnings warnings_;
    std::string_view separator_;

    double A_lab_ = 0;
    double P_lab_ = 0;
    double P_prod_ = 0;
    double A_prod_ = 0;
    double Q_prod_ = 0;
    double mu_ = 0;
    double R_max_ = 0;
    double prodFaceVelocity_ = 0;

    std::array<double, Rows + 1> T_{};
    std::array<double, Rows + 1> dt_{};
    std::array<double, Rows + 1> V_{}; // V_[0] is the 0 before the first reading
    std::array<double, Rows + 1> v_{};
    std::array<double, Rows + 1> R_{};
    std::array<double, Rows + 1> L_{};
    int n_ = 0;
    int k_ = 0;
    double V_last_ = 0;
    bool timeError_ = false;
    bool volumeError_ = false;
    bool rangeError_ = false;
};

// Answers nothing: the point selection shows no boxes.
class NoBoxes : public MessageBoxes {
public:
    BoxAnswer Show(BoxKind, const std::string&, BoxButtons, BoxAnswer defaultButton) override {
        return defaultButton;
    }
};

// What `take` finds in a calculation of a copy of `rec` that has reached
// its fits, without boxes; nothing when the calculation ended before.
template <typename Result, typename Take>
std::optional<Result> AtTheFits(const TWineRec& rec, Take take) {
    TWineRec copy = rec;
    NoBoxes boxes;
    Calculation calculation(copy, false, boxes, {});
    if (!calculation.ReachFits()) {
        return std::nullopt;
    }
    return take(calculation);
}

} // namespace

std::optional<FiltrationPoints> FittedPointsOf(const TWineRec& rec) {
    return AtTheFits<FiltrationPoints>(rec, [](const Calculation& c) { return c.Points(); });
}

std::optional<LabResults> LabResultsOf(const TWineRec& rec) {
    return AtTheFits<LabResults>(rec, [](const Calculation& c) { return c.ExactLabResults(); });
}

void Calculate(TWineRec& rec, bool ShowDialogs, MessageBoxes& boxes) {
    Calculate(rec, ShowDialogs, boxes, LocaleThousandsSeparator());
}

void Calculate(TWineRec& rec, bool ShowDialogs, MessageBoxes& boxes,
               std::string_view thousandsSeparator) {
    Calculation(rec, ShowDialogs, boxes, thousandsSeparator).Run();
}

} // namespace zephra

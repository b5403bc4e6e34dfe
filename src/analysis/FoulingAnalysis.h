#pragma once

// The fouling analysis of a trial: which of the four blocking laws
// (BlockingLaws.h) describes it best, that law's capacity with its 95 %
// interval and lower bound, Vmax where the standard law is the one, the
// production capacities they give, the flux decline and the filterability
// index. It stands beside the filterability calculation and stores nothing
// in the record.
//
// Entry points: AnalyzeFouling(record) for a wine; AnalyzeFoulingPoints for
// point arrays; FoulingAnalysisJson (FoulingAnalysisJson.h) renders a result
// as its JSON object.

#include "analysis/BlockingLawFit.h"
#include "analysis/Calculate.h"
#include "analysis/FilterabilityIndex.h"
#include "analysis/LabSettings.h"
#include "analysis/LawCapacity.h"
#include "analysis/ReadingRounding.h"
#include "document/WineNotes.h"
#include "document/WineRec.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace zephra {

// The conditions the analysis reads besides the points.
struct FoulingConditions {
    double FilterDiameterMm = 0; // laboratory filter
    double PressurePsi = 0;      // laboratory pressure
    double ProductionAreaM2 = 0; // production filter
};

// Two laws whose AICc differ by less than this describe a trial equally
// well: the data cannot tell them apart.
inline constexpr double IndistinguishableAicc = 2;

// How far the capacity of a trial can be relied on: judged once by the
// analysis, and every output that shows a capacity says it.
struct FoulingVerdict {
    // Other laws describe the trial as well as the best one
    // (FoulingAnalysis::NotDistinguishableFrom).
    bool LawUnclear = false;
    // The best law leaves runs of residuals of one sign
    // (ResidualsLookIndependent): it does not follow the trial closely, as
    // under a pressure that wobbles or drifts.
    bool ResidualRuns = false;

    bool Doubtful() const { return LawUnclear || ResidualRuns; }
};

struct FoulingAnalysis {
    std::string Wine; // the record's names (UTF-8)
    std::string Filter;
    // The names in full, as people read them: the wine's notes keep those the
    // record's fields cut (FullWineName); the record's names without notes.
    std::string FullWine;
    std::string FullFilter;

    // The points the analysis fits: how many, and their rows (1-based) in
    // the data; Rows are 0 when there are none. The first is past the
    // points the user skips and past leading points whose flow still rises
    // by more than the rounding of the readings explains (FirstFittedPoint).
    int PointsUsed = 0;
    int FirstRow = 0;
    int LastRow = 0;
    double LabAreaM2 = 0;
    // Every counted point, skipped ones included (the first FirstRow - 1),
    // volume in ml and time in s.
    std::vector<double> VolumeMl;
    std::vector<double> Seconds;
    // Whether Seconds are the readings' times to 0.1 s rather than the
    // record's whole seconds.
    bool PreciseTimes = false;

    // At least four usable points: otherwise every law is "not enough data"
    // and nothing below is computed.
    bool EnoughData = false;
    std::array<LawFit, 4> Laws;      // in the order of AllBlockingLaws
    std::optional<BlockingLaw> Best; // the fitted law with the smallest AICc
    // The other fitted laws within IndistinguishableAicc of the best.
    std::vector<BlockingLaw> NotDistinguishableFrom;
    FoulingVerdict Verdict;

    // The share of J0 at which the capacities of intermediate blocking and
    // cake filtration are taken (LabSettings).
    double TerminalFluxShare = LabSettings{}.TerminalFluxShare;
    // The best law's own capacity (L/m²) and that capacity times the
    // production area (US gallons): constant-pressure estimates without a
    // safety factor.
    std::optional<CapacityEstimate> BestCapacity;
    std::optional<double> BestProductionCapacityGal;
    // Vmax and the capacity by Vmax, only when the standard law is the best.
    std::optional<CapacityEstimate> Vmax;
    std::optional<double> ProductionCapacityGal;
    // The capacity to rely on, as every output gives it: the best law's
    // when the law is clear; otherwise the lowest capacity among the best
    // law and those it cannot be told from, with that law's interval and
    // lower bound (CapacityLaw names the law it comes from).
    std::optional<BlockingLaw> CapacityLaw;
    std::optional<CapacityEstimate> Capacity;
    // That capacity times the production area (US gallons).
    std::optional<double> ProductionCapacityToRelyOnGal;
    // The best law's J0, and 100·(1 - J_last/J0) with the flux of the last
    // interval between fitted points.
    std::optional<double> J0Lmh;
    std::optional<double> FluxDeclinePercent;

    FilterabilityIndex FI;

    const LawFit& Fit(BlockingLaw law) const { return Laws[static_cast<std::size_t>(law)]; }
    // AICc of the fitted `law` less that of the best law, counted with the
    // best law's effective number of points (LawFit::EffectivePoints), as
    // its intervals are: residuals that run together carry less information
    // than as many independent readings. Every law has the same number of
    // parameters, so this is also defined where AICc itself is not (fewer
    // than six points). Nothing for a law not fitted.
    std::optional<double> DeltaAicc(BlockingLaw law) const;
};

// The analysis of the counted points of a trial under `conditions`: the
// points from FirstFittedPoint on are fitted, with the rounding of
// `resolution`.
FoulingAnalysis AnalyzeFoulingPoints(const FiltrationPoints& points,
                                     const FoulingConditions& conditions,
                                     const LabSettings& lab = {},
                                     const ReadingResolution& resolution = WholeSeconds);

// The analysis of a wine as it stands: the points the filterability
// calculation counts, the laboratory filter's area as that calculation
// computes it. Data the calculation cannot use give "not enough data".
//
// `readingSeconds` may give the elapsed time of each stored reading to
// 0.1 s, row 1 first, as a collection run stamps them: the analysis then
// uses these instead of the record's whole seconds. They are used only when
// there is one for every counted point, each within a second of its row's
// stored time and all increasing; otherwise (the data edited since, a
// thinned set the times do not follow) the record's times are used.
FoulingAnalysis AnalyzeFouling(const TWineRec& rec, const LabSettings& lab = {},
                               std::span<const double> readingSeconds = {});

// AnalyzeFouling with the readings' times that the wine's notes keep.
FoulingAnalysis AnalyzeWineFouling(const TWineRec& rec, const WineNotes& notes,
                                   const LabSettings& lab = {});

} // namespace zephra

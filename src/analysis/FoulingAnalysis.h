#pragma once

// The fouling analysis of a trial: which of the four blocking laws
// (BlockingLaws.h) describes it best, the standard law's Vmax with its 95 %
// confidence interval and the production capacity it gives, the flux
// decline and the filterability index. It stands beside the filterability
// calculation and stores nothing in the record.
//
// Entry points: AnalyzeFouling(record) for a wine; AnalyzeFoulingPoints for
// point arrays; FoulingAnalysisJson (FoulingAnalysisJson.h) renders a result
// as its JSON object.

#include "analysis/BlockingLaws.h"
#include "analysis/Calculate.h"
#include "analysis/FilterabilityIndex.h"
#include "document/WineRec.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace zephra {

// The conditions the analysis reads besides the points.
struct FoulingConditions {
    double FilterDiameterMm = 0; // laboratory filter
    double PressurePsi = 0;      // laboratory pressure
    double ProductionAreaM2 = 0; // production filter
};

struct FoulingAnalysis {
    std::string Wine;   // UTF-8
    std::string Filter; // UTF-8

    // The points the calculation fits (after the skipped leading points):
    // how many, and their rows (1-based) in the data; Rows are 0 when there
    // are none.
    int PointsUsed = 0;
    int FirstRow = 0;
    int LastRow = 0;
    double LabAreaM2 = 0;
    // Every counted point, skipped ones included (the first FirstRow - 1),
    // volume in ml and time in s.
    std::vector<double> VolumeMl;
    std::vector<double> Seconds;

    // At least four usable points: otherwise every law is "not enough data"
    // and nothing below is computed.
    bool EnoughData = false;
    std::array<LawFit, 4> Laws;      // in the order of AllBlockingLaws
    std::optional<BlockingLaw> Best; // the fitted law with the smallest RMS

    // From the standard law, when it is fitted.
    std::optional<double> VmaxLPerM2;
    std::optional<double> VmaxHalfWidth95; // half-width of the 95 % interval, L/m²
    std::optional<double> J0Lmh;
    // Vmax times the production area, US gallons: a constant-pressure
    // estimate without a safety factor.
    std::optional<double> ProductionCapacityGal;
    // 100·(1 - J_last/J0): the last interval's flux against the standard J0.
    std::optional<double> FluxDeclinePercent;

    FilterabilityIndex FI;

    const LawFit& Fit(BlockingLaw law) const { return Laws[static_cast<std::size_t>(law)]; }
};

// The analysis of the counted points of a trial (`points.FirstFitted` on
// are fitted) under `conditions`.
FoulingAnalysis AnalyzeFoulingPoints(const FiltrationPoints& points,
                                     const FoulingConditions& conditions);

// The analysis of a wine as it stands: the points the filterability
// calculation fits, the laboratory filter's area as that calculation
// computes it. Data the calculation cannot use give "not enough data".
FoulingAnalysis AnalyzeFouling(const TWineRec& rec);

} // namespace zephra

#pragma once

// Trials side by side: one row per trial with the figures that decide
// between wines and filters, and one chart of every trial's throughput per
// filter area against time. The desktop's Compare Trials window and
// `zephra-cli compare` both show these.

#include "analysis/IndexBands.h"
#include "document/WineNotes.h"
#include "document/WineRec.h"
#include "graphs/XyChart.h"

#include <nlohmann/json.hpp>

#include <optional>
#include <string>
#include <vector>

namespace zephra {

struct ComparisonRow {
    std::string File; // the file's name without its folder
    std::string Wine; // full names
    std::string Filter;
    std::string TrialStarted; // as the notes keep it (ISO 8601), empty when unknown
    int Points = 0;           // counted points
    std::optional<double> IndexSeconds;
    bool StandardConditions = false;
    std::optional<IndexBand> Band; // only at standard conditions
    // Vmax with its 95 % interval, where the standard law is the best.
    std::optional<double> VmaxLPerM2;
    std::optional<double> VmaxLow95;
    std::optional<double> VmaxHigh95;
    std::string BestLaw;   // the law's key, empty when none is fitted
    bool Doubtful = false; // the analysis' verdict (FoulingVerdict)
    // Capacity per m² of filter by each estimate: both fouling models (from
    // the production area), Vmax, and the analysis' capacity to rely on
    // (the best law's own while the verdict is clear).
    std::optional<double> ExponentialLPerM2;
    std::optional<double> PowerLPerM2;
    std::optional<double> BestLawLPerM2;
    std::optional<double> FluxDeclinePercent;
    // Throughput per area (L/m²) against time (min) of every counted point.
    std::vector<ChartPoint> Throughput;
};

// The row of one wine as it stands (nothing recalculated).
ComparisonRow ComparisonRowOf(const TWineRec& rec, const WineNotes& notes,
                              const std::string& fileName, const IndexBandLimits& limits = {});

enum class ComparisonOrder {
    Capacity, // the best law's capacity per m², largest first; none last
    Date,     // trial start as a moment (its offset from UTC counted), earliest
              // first; unknown last
};

// The rows in `order`; rows that tie keep their order.
void SortComparison(std::vector<ComparisonRow>& rows, ComparisonOrder order);

// The rows as a table of texts for reading, a header row first: wine,
// filter, trial start, points, index and band, Vmax with its interval, best
// law, capacity per m² by each estimate and flux decline.
std::vector<std::vector<std::string>> ComparisonTableRows(const std::vector<ComparisonRow>& rows);

// The rows as CSV records (header first, numbers as numbers, units in the
// header) and as a JSON array of objects with the same keys.
std::string ComparisonCsv(const std::vector<ComparisonRow>& rows);
nlohmann::ordered_json ComparisonJson(const std::vector<ComparisonRow>& rows);

// The chart of the trials' throughput per area against time, each trial in
// its own colour and marker, the legend "wine — filter". It holds the first
// ChartedTrials rows: more curves would leave neither the curves nor the
// legend readable.
Chart ComparisonChart(const std::vector<ComparisonRow>& rows);
inline constexpr std::size_t MostChartedTrials = 12;
std::size_t ChartedTrials(const std::vector<ComparisonRow>& rows);

// What a chart of these rows leaves out, to be shown with it ("The chart
// shows the first 12 of the 39 trials, ..."); empty when it holds them all.
std::string ComparisonChartNote(const std::vector<ComparisonRow>& rows);

} // namespace zephra

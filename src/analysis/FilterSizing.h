#pragma once

// Filter sizing for a batch: from each capacity estimate a wine has, the
// filter area a batch needs, the filter elements that make it up and, given
// the production flow, how long the batch takes and whether the flux holds.
//
// The laws' estimates follow the practice of the Vmax method (Badmington et
// al., 1995; Zydney and Ho, 2002): at constant pressure a filter of area A
// passes V = A·v(t), so a batch V_b within the time t_b needs
//   A = V_b / v(t_b) = V_b·(1/Vmax + 1/(J0·t_b))   for standard blocking,
// and never less than V_b over the law's capacity; without a batch time
// A = V_b / capacity. The two fouling models of the filterability
// calculation estimate the volume the wine's production filter passes;
// each is scaled to the batch by area. Every area is multiplied by the
// safety factor.

#include "analysis/FoulingAnalysis.h"
#include "document/WineRec.h"

#include <optional>
#include <string>
#include <vector>

namespace zephra {

enum class EstimateKind { ExponentialModel, PowerModel, Vmax, BestLaw };

// One capacity estimate of a wine and what it rests on.
struct SizingEstimate {
    EstimateKind Kind = EstimateKind::Vmax;
    std::string Name;    // "exponential model", "power model", "Vmax", "cake filtration"
    std::string RestsOn; // the law or model behind it, in words
    // L/m² of filter; nothing when the wine has no such estimate.
    std::optional<double> CapacityLPerM2;
    // The one-sided 95 % lower bound of the capacity, where the analysis
    // gives one.
    std::optional<double> LowerBoundLPerM2;
    // The law whose flux decline gives the batch time (the laws' estimates
    // only), with its J0 taken to the production pressure.
    std::optional<BlockingLaw> Law;
    LawParameters Params;
    // The clean filter's flux at the production pressure (LMH), for every
    // estimate of a wine whose trial a law describes.
    std::optional<double> CleanFluxLmh;
    // False when the estimate is there but should not be relied on; `Note`
    // says why, or why it is not available.
    bool Trustworthy = true;
    std::string Note;
};

// The estimates of a wine, in the order exponential model, power model,
// Vmax, and the best law's own capacity when the best law is not the
// standard one. The models' estimates are the stored expected volumes over
// the production area. J0 goes to the production pressure in proportion to
// the pressures, as the clean filter's flux does (Darcy's law); the
// capacities per m² do not depend on the pressure.
std::vector<SizingEstimate> SizingEstimatesOf(const TWineRec& rec, const FoulingAnalysis& analysis);

// What a batch is sized for.
struct BatchRequest {
    double VolumeL = 0;
    double SafetyFactor = LabSettings{}.SafetyFactor;
    std::optional<double> ElementAreaM2; // one cartridge, sheet or module
    std::optional<double> FlowLPerH;     // production flow; the batch time is V_b over it
    // The flux below which a filter counts as spent, as a share of J0.
    double TerminalFluxShare = LabSettings{}.TerminalFluxShare;
};

// The sizing of a batch by one estimate. Empty where the estimate is not
// available or the figure needs what the request does not give.
struct BatchSizing {
    SizingEstimate Estimate;
    std::optional<double> AreaM2;             // needed, safety factor included
    std::optional<double> AreaAtLowerBoundM2; // the same by the lower bound
    std::optional<int> Elements;              // AreaM2 over the element area, rounded up
    std::optional<double> InstalledAreaM2;    // the elements' area, or AreaM2 without them
    // The laws' estimates, on the installed area: the flux the filter still
    // gives at the production pressure when the batch has passed, and
    // whether it stays at or above the terminal share of J0.
    std::optional<double> EndFluxLmh;
    std::optional<bool> FluxAboveMinimum;
    // With a production flow, on the installed area: whether the clean
    // filter gives it at the production pressure; the time the batch takes,
    // at that flow until the pressure reaches the production pressure and
    // then at that pressure with a falling flow (the models' estimates hold
    // the flow throughout); and whether the flow holds to the end.
    std::optional<bool> FlowReachable;
    std::optional<double> BatchHours;
    std::optional<bool> FlowHeldToEnd;
};

BatchSizing SizeBatch(const SizingEstimate& estimate, const BatchRequest& request);

// The batch sized by each estimate, in their order.
std::vector<BatchSizing> SizeBatchByEach(const std::vector<SizingEstimate>& estimates,
                                         const BatchRequest& request);

} // namespace zephra

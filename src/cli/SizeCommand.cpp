#include "analysis/FilterSizing.h"
#include "analysis/FilterSizingText.h"
#include "cli/Arguments.h"
#include "cli/CommandRegistry.h"
#include "cli/TerminalText.h"
#include "cli/UnitSystemOption.h"
#include "cli/WineFiles.h"
#include "document/Quantities.h"
#include "entry/AlignedLines.h"
#include "entry/NumberText.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <ostream>
#include <span>

namespace zephra::cli {

namespace {

constexpr const char* Help =
    "Usage: zephra-cli size FILE.zph --batch VOLUME[gal|L|hL] [--safety F]\n"
    "                  [--element-area M2] [--flow RATE[gpm|bpm|L/min|L/h|hL/h]] [--json]\n"
    "                  [--unit-system us|metric]\n"
    "\n"
    "Sizes the filter for a batch of the wine: by each capacity estimate the\n"
    "wine has (the exponential and power models' estimates, scaled by area\n"
    "from the wine's production area; Vmax where the standard law describes\n"
    "the trial; the best blocking law's own capacity otherwise) the filter\n"
    "area the batch needs, the area by the estimate's 95 % lower bound, and\n"
    "the number of filter elements. Every area includes the safety factor.\n"
    "With a production flow the batch time V/flow sets the area too\n"
    "(A = V·(1/Vmax + 1/(J0·t)) for the standard law), and the tool says how\n"
    "long the batch takes at that flow and at the production pressure, and\n"
    "whether the clean filter gives the flow at all. It says which law or\n"
    "model each estimate rests on and when one is not available or not\n"
    "trustworthy. J0 is taken to the production pressure in proportion.\n"
    "\n"
    "  --batch VOLUME        the batch, in US gallons (gal, the default), L or hL\n"
    "  --safety F            safety factor, at least 1 (default 1.5)\n"
    "  --element-area M2     area of one cartridge, sheet or module (m²)\n"
    "  --flow RATE           production flow, in gpm (the default), bpm (0.75 L\n"
    "                        bottles per minute), L/min, L/h or hL/h\n"
    "  --json                print one JSON object instead of aligned text\n"
    "  --unit-system U       us (the default) or metric: in metric units a batch\n"
    "                        without a unit is in hL, a flow without one in L/h,\n"
    "                        and the batch is not restated in US gallons; the\n"
    "                        results are in L, m², L/m² and LMH in both\n"
    "\n"
    "The data are analysed as they stand; nothing is stored in the file.\n"
    "\n"
    "Exit status: 0 success, 1 the file could not be read, 2 wrong usage.\n";

using Json = nlohmann::ordered_json;

// A number with an optional unit after it ("500hL", "2.5 gpm"), in the unit
// of factor 1; no unit means `plain` (the first unit without it). Nothing
// when the number or the unit is not right.
std::optional<double> Quantity(const std::string& text, std::span<const NamedUnit> units,
                               std::string_view plain = {}) {
    std::size_t end = 0;
    while (end < text.size() &&
           (std::isdigit(static_cast<unsigned char>(text[end])) || text[end] == '.')) {
        ++end;
    }
    const std::optional<double> number = ParseEntryNumber(text.substr(0, end));
    std::string unit = text.substr(end);
    unit.erase(0, unit.find_first_not_of(' '));
    if (!number || units.empty()) {
        return std::nullopt;
    }
    if (unit.empty()) {
        const auto named = std::ranges::find(units, plain, &NamedUnit::Name);
        return *number * (named == units.end() ? units.front() : *named).Size;
    }
    const auto lower = [](std::string_view text) {
        std::string lowered(text);
        std::ranges::transform(lowered, lowered.begin(),
                               [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        return lowered;
    };
    for (const NamedUnit& candidate : units) {
        if (lower(unit) == lower(candidate.Name)) {
            return *number * candidate.Size;
        }
    }
    return std::nullopt;
}

// Plain numbers, or numbers of m².
constexpr std::array<NamedUnit, 1> Plain{{{"", 1}}};
constexpr std::array<NamedUnit, 2> SquareMetres{{{"m2", 1}, {"m²", 1}}};

double PositiveQuantity(const ParsedArguments& parsed, const std::string& option,
                        std::span<const NamedUnit> units, const std::string& what,
                        std::string_view plain = {}) {
    const std::optional<double> value = Quantity(parsed.value(option, ""), units, plain);
    if (!value || !(*value > 0) || !std::isfinite(*value)) {
        throw UsageError(option + " needs " + what);
    }
    return *value;
}

BatchRequest RequestOf(const ParsedArguments& parsed, const DisplayUnits& units) {
    if (!parsed.has("--batch")) {
        throw UsageError("--batch is required");
    }
    BatchRequest r;
    r.VolumeL = PositiveQuantity(parsed, "--batch", VolumeUnits, "a volume in gal, L or hL",
                                 units.Metric() ? VolumeUnit(units) : "");
    if (parsed.has("--safety")) {
        r.SafetyFactor = PositiveQuantity(parsed, "--safety", Plain, "a factor of at least 1");
        if (r.SafetyFactor < 1) {
            throw UsageError("--safety needs a factor of at least 1");
        }
    }
    if (parsed.has("--element-area")) {
        r.ElementAreaM2 = PositiveQuantity(parsed, "--element-area", SquareMetres, "an area in m²");
    }
    if (parsed.has("--flow")) {
        r.FlowLPerH =
            PositiveQuantity(parsed, "--flow", FlowUnits, "a flow in gpm, bpm, L/min, L/h or hL/h",
                             units.Metric() ? FlowUnit(units) : "");
    }
    return r;
}

Json Number(std::optional<double> value) {
    return value && std::isfinite(*value) ? Json(*value) : Json(nullptr);
}

Json Flag(std::optional<bool> value) {
    return value ? Json(*value) : Json(nullptr);
}

const char* KindKey(EstimateKind kind) {
    switch (kind) {
    case EstimateKind::ExponentialModel:
        return "exponential_model";
    case EstimateKind::PowerModel:
        return "power_model";
    case EstimateKind::Vmax:
        return "vmax";
    case EstimateKind::BestLaw:
        return "best_law";
    }
    return "";
}

Json SizingJson(const FoulingAnalysis& a, const BatchRequest& r,
                const std::vector<BatchSizing>& sizings) {
    Json json;
    json["wine"] = a.Wine;
    json["filter"] = a.Filter;
    json["batch_L"] = r.VolumeL;
    json["safety_factor"] = r.SafetyFactor;
    json["element_area_m2"] = Number(r.ElementAreaM2);
    json["flow_L_per_h"] = Number(r.FlowLPerH);
    json["terminal_flux_share"] = r.TerminalFluxShare;
    json["estimates"] = Json::array();
    for (const BatchSizing& s : sizings) {
        const SizingEstimate& e = s.Estimate;
        Json item;
        item["estimate"] = KindKey(e.Kind);
        item["name"] = e.Name;
        item["law"] = e.Law ? Json(std::string(LawKey(*e.Law))) : Json(nullptr);
        item["rests_on"] = e.RestsOn;
        item["available"] = e.CapacityLPerM2.has_value();
        item["trustworthy"] = e.CapacityLPerM2.has_value() && e.Trustworthy;
        item["note"] = e.Note;
        item["capacity_L_per_m2"] = Number(e.CapacityLPerM2);
        item["capacity_lower_bound95_L_per_m2"] = Number(e.LowerBoundLPerM2);
        item["clean_flux_LMH"] = Number(e.CleanFluxLmh);
        item["area_m2"] = Number(s.AreaM2);
        item["area_at_lower_bound_m2"] = Number(s.AreaAtLowerBoundM2);
        item["elements"] = s.Elements ? Json(*s.Elements) : Json(nullptr);
        item["installed_area_m2"] = Number(s.InstalledAreaM2);
        item["end_flux_LMH"] = Number(s.EndFluxLmh);
        item["flux_above_minimum"] = Flag(s.FluxAboveMinimum);
        item["flow_reachable"] = Flag(s.FlowReachable);
        item["batch_hours"] = Number(s.BatchHours);
        item["flow_held_to_end"] = Flag(s.FlowHeldToEnd);
        json["estimates"].push_back(item);
    }
    json["notes"] = SizingNotes(sizings, r);
    return json;
}

void PrintText(const FoulingAnalysis& a, const BatchRequest& r,
               const std::vector<BatchSizing>& sizings, const DisplayUnits& units,
               std::ostream& out) {
    std::vector<std::vector<std::string>> items{{"Wine:", a.FullWine}, {"Filter:", a.FullFilter}};
    for (const auto& [label, value] : SizingRequestItems(r, units)) {
        items.push_back({label + ":", value});
    }
    for (const std::vector<std::vector<std::string>>& block : {items, SizingTableRows(sizings)}) {
        PrintAligned(block, out);
        out << '\n';
    }
    for (const std::string& note : SizingNotes(sizings, r)) {
        out << note << '\n';
    }
}

int RunSize(const std::vector<std::string>& args, CommandStreams& io) {
    const ParsedArguments parsed = ParseArguments(args, {{"--batch", 1, false},
                                                         {"--safety", 1, false},
                                                         {"--element-area", 1, false},
                                                         {"--flow", 1, false},
                                                         {"--json", 0, false},
                                                         UnitSystemOptionSpec()});
    if (parsed.help) {
        io.out << Help;
        return ExitSuccess;
    }
    if (parsed.positional.size() != 1) {
        throw UsageError("expected one wine file");
    }
    const DisplayUnits units = UnitsOption(parsed);
    const BatchRequest request = RequestOf(parsed, units);
    TWineRec rec{};
    WineNotes notes;
    if (!ReadWine(parsed.positional[0], rec, notes, io.err)) {
        return ExitFailure;
    }
    const FoulingAnalysis analysis = AnalyzeWineFouling(rec, notes);
    const std::vector<BatchSizing> sizings =
        SizeBatchByEach(SizingEstimatesOf(rec, analysis), request);
    if (parsed.has("--json")) {
        io.out << SizingJson(analysis, request, sizings).dump(2) << '\n';
    } else {
        PrintText(analysis, request, sizings, units, io.out);
    }
    return ExitSuccess;
}

const CommandRegistration registration{"size", "size the filter for a batch of a wine", RunSize};

} // namespace

} // namespace zephra::cli

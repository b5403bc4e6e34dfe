#include "analysis/FilterSizingText.h"

#include "analysis/FoulingAnalysisText.h"
#include "document/NumberMarks.h"
#include "document/Quantities.h"
#include "entry/FixedText.h"

#include <cmath>

namespace zephra {

namespace {

std::string Number(std::optional<double> value, int digits = 4) {
    return ShortNumberText(value, digits);
}

std::string YesNo(std::optional<bool> value) {
    return value ? (*value ? "yes" : "no") : NoValue;
}

} // namespace

std::string HoursText(std::optional<double> hours) {
    if (!hours || !std::isfinite(*hours) || *hours < 0) {
        return NoValue;
    }
    const double minutes = std::round(*hours * 60);
    const double whole = std::floor(minutes / 60);
    std::string rest = FixedText(minutes - 60 * whole, 0, 0);
    if (rest.size() < 2) {
        rest.insert(0, "0");
    }
    return ShownNumber(FixedText(whole, 0, 0)) + " h " + rest + " min";
}

std::vector<std::pair<std::string, std::string>> SizingRequestItems(const BatchRequest& r,
                                                                    const DisplayUnits& units) {
    const std::string gallons = units.Metric()
                                    ? std::string()
                                    : ", " + Number(Volume::Litres(r.VolumeL).InGallons()) + " gal";
    std::vector<std::pair<std::string, std::string>> items{
        {"Batch", Number(r.VolumeL, 7) + " L (" +
                      Number(Volume::Litres(r.VolumeL).InHectolitres(), 5) + " hL" + gallons + ")"},
        {"Safety factor", Number(r.SafetyFactor, 3) + " (in every area below)"},
        {"Element area", r.ElementAreaM2 ? Number(r.ElementAreaM2, 4) + " m²" : NoValue},
    };
    if (r.FlowLPerH) {
        items.emplace_back("Production flow", Number(r.FlowLPerH) + " L/h (the batch in " +
                                                  HoursText(r.VolumeL / *r.FlowLPerH) + ")");
    } else {
        items.emplace_back("Production flow", std::string(NoValue) + " (sized by capacity alone)");
    }
    items.emplace_back("Terminal flux", Number(100 * r.TerminalFluxShare, 3) + " % of J0");
    return items;
}

std::vector<std::vector<std::string>> SizingTableRows(const std::vector<BatchSizing>& sizings) {
    std::vector<std::vector<std::string>> rows{{"Estimate", "Capacity (L/m²)", "Area (m²)",
                                                "Area at 95 % (m²)", "Elements", "Batch time",
                                                "End flux (LMH)", "Above terminal flux"}};
    for (const BatchSizing& s : sizings) {
        rows.push_back({s.Estimate.Name + (s.Estimate.Trustworthy ? "" : " (not trustworthy)"),
                        Number(s.Estimate.CapacityLPerM2), Number(s.AreaM2, 3),
                        Number(s.AreaAtLowerBoundM2, 3),
                        s.Elements ? ShownNumber(std::to_string(*s.Elements)) : NoValue,
                        HoursText(s.BatchHours), Number(s.EndFluxLmh, 3),
                        YesNo(s.FluxAboveMinimum)});
    }
    return rows;
}

std::vector<std::string> SizingNotes(const std::vector<BatchSizing>& sizings,
                                     const BatchRequest& request) {
    std::vector<std::string> notes;
    for (const BatchSizing& s : sizings) {
        std::string note = s.Estimate.Name + ": rests on " + s.Estimate.RestsOn;
        if (!s.Estimate.Note.empty()) {
            note += "; " + s.Estimate.Note;
        }
        notes.push_back(note + ".");
    }
    for (const BatchSizing& s : sizings) {
        if (s.FlowReachable == false) {
            notes.push_back(s.Estimate.Name + ": the production flow of " +
                            Number(request.FlowLPerH) +
                            " L/h cannot be reached even on a clean filter: " +
                            Number(*s.Estimate.CleanFluxLmh * *s.InstalledAreaM2) + " L/h on " +
                            Number(s.InstalledAreaM2, 3) + " m² at the production pressure.");
        } else if (s.FlowHeldToEnd == false) {
            notes.push_back(s.Estimate.Name + ": the production flow falls off before the " +
                            "batch ends; at the production pressure it takes " +
                            HoursText(s.BatchHours) + ".");
        }
    }
    return notes;
}

} // namespace zephra

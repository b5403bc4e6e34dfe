#include "reports/TrialComparison.h"

#include "analysis/FilterSizing.h"
#include "analysis/FoulingAnalysis.h"
#include "analysis/FoulingAnalysisText.h"
#include "document/Quantities.h"
#include "document/TextCatalog.h"
#include "reports/Csv.h"
#include "reports/FieldText.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

namespace zephra {

namespace {

using Json = nlohmann::ordered_json;

std::optional<double> CapacityBy(const std::vector<SizingEstimate>& estimates, EstimateKind kind) {
    for (const SizingEstimate& e : estimates) {
        if (e.Kind == kind) {
            return e.CapacityLPerM2;
        }
    }
    return std::nullopt;
}

// The keys of the machine-readable outputs, in column order.
constexpr std::array<const char*, 16> Keys{"file",
                                           "wine",
                                           "filter",
                                           "trial_started",
                                           "points",
                                           "fi_s",
                                           "fi_band",
                                           "vmax_L_per_m2",
                                           "vmax_ci95_low_L_per_m2",
                                           "vmax_ci95_high_L_per_m2",
                                           "best_law",
                                           "capacity_exponential_L_per_m2",
                                           "capacity_power_L_per_m2",
                                           "capacity_best_law_L_per_m2",
                                           "flux_decline_percent",
                                           "fi_standard_conditions"};

std::string PlainNumber(std::optional<double> value) {
    if (!value || !std::isfinite(*value)) {
        return {};
    }
    char text[40];
    std::snprintf(text, sizeof text, "%.9g", *value);
    return text;
}

Json JsonNumber(std::optional<double> value) {
    return value && std::isfinite(*value) ? Json(*value) : Json(nullptr);
}

std::string BandKey(const std::optional<IndexBand>& band) {
    if (!band) {
        return {};
    }
    std::string key = BandName(*band);
    std::replace(key.begin(), key.end(), ' ', '_');
    return key;
}

// "2026-05-14T09:31:07+02:00" as "2026-05-14 09:31".
std::string StartShown(const std::string& text) {
    if (text.size() < 16 || text[10] != 'T') {
        return text;
    }
    return text.substr(0, 10) + " " + text.substr(11, 5);
}

// The moment a trial started, in seconds since 1970 UTC, from its
// "2026-05-14T09:31:07+02:00"; nothing for a text of another form.
std::optional<long long> StartInstant(const std::string& text) {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0, offsetH = 0, offsetM = 0;
    char sign = 0;
    int end = 0;
    if (std::sscanf(text.c_str(), "%4d-%2d-%2dT%2d:%2d:%2d%c%2d:%2d%n", &year, &month, &day, &hour,
                    &minute, &second, &sign, &offsetH, &offsetM, &end) != 9 ||
        static_cast<std::size_t>(end) != text.size() || (sign != '+' && sign != '-')) {
        return std::nullopt;
    }
    // Days since 1970-01-01 of the proleptic Gregorian calendar.
    const int y = year - (month <= 2 ? 1 : 0);
    const int era = (y >= 0 ? y : y - 399) / 400;
    const int yearOfEra = y - era * 400;
    const int dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    const long long days = static_cast<long long>(era) * 146097 + dayOfEra - 719468;
    const long long offset = (sign == '-' ? -1 : 1) * (offsetH * 3600LL + offsetM * 60LL);
    return days * 86400 + hour * 3600LL + minute * 60LL + second - offset;
}

// Eight inks that stay apart on white paper and six markers: a trial's
// pair repeats only after 24 trials.
constexpr std::array<Colour, 8> Inks{{{31, 119, 180},
                                      {214, 39, 40},
                                      {44, 160, 44},
                                      {148, 103, 189},
                                      {255, 127, 14},
                                      {23, 190, 207},
                                      {140, 86, 75},
                                      {227, 119, 194}}};
constexpr std::array<MarkerShape, 6> Markers{MarkerShape::Circle,   MarkerShape::Square,
                                             MarkerShape::Triangle, MarkerShape::Diamond,
                                             MarkerShape::Plus,     MarkerShape::Cross};

} // namespace

ComparisonRow ComparisonRowOf(const TWineRec& rec, const WineNotes& notes,
                              const std::string& fileName, const IndexBandLimits& limits) {
    const FoulingAnalysis a = AnalyzeWineFouling(rec, notes);
    ComparisonRow row;
    row.File = fileName;
    row.Wine = std::string(TrimBlanks(FullWineName(rec, notes)));
    row.Filter = std::string(TrimBlanks(FullFilterName(rec, notes)));
    row.TrialStarted = notes.TrialStarted;
    row.Points = static_cast<int>(a.VolumeMl.size());
    row.IndexSeconds = a.FI.Seconds;
    row.StandardConditions = a.FI.StandardConditions;
    row.Band = ReadingBandOf(a.FI, limits);
    if (a.Vmax) {
        row.VmaxLPerM2 = a.Vmax->Value;
        row.VmaxLow95 = a.Vmax->Low95;
        row.VmaxHigh95 = a.Vmax->High95;
    }
    row.BestLaw = a.Best ? std::string(LawKey(*a.Best)) : std::string();
    row.Doubtful = a.Verdict.Doubtful();
    const std::vector<SizingEstimate> estimates = SizingEstimatesOf(rec, a);
    row.ExponentialLPerM2 = CapacityBy(estimates, EstimateKind::ExponentialModel);
    row.PowerLPerM2 = CapacityBy(estimates, EstimateKind::PowerModel);
    if (a.Capacity) {
        row.BestLawLPerM2 = a.Capacity->Value;
    }
    row.FluxDeclinePercent = a.FluxDeclinePercent;
    if (a.LabAreaM2 > 0) {
        for (std::size_t i = 0; i < a.VolumeMl.size() && i < a.Seconds.size(); ++i) {
            row.Throughput.push_back({Duration::Seconds(a.Seconds[i]).InMinutes(),
                                      Volume::Ml(a.VolumeMl[i]).InLitres() / a.LabAreaM2});
        }
    }
    return row;
}

void SortComparison(std::vector<ComparisonRow>& rows, ComparisonOrder order) {
    if (order == ComparisonOrder::Capacity) {
        std::stable_sort(rows.begin(), rows.end(), [](const auto& a, const auto& b) {
            return a.BestLawLPerM2.value_or(-INFINITY) > b.BestLawLPerM2.value_or(-INFINITY);
        });
        return;
    }
    // By the moment, not the text: starts of one trial series can lie on
    // both sides of a change of the clock (another offset from UTC).
    std::vector<std::pair<std::optional<long long>, ComparisonRow>> timed;
    for (ComparisonRow& row : rows) {
        timed.emplace_back(StartInstant(row.TrialStarted), std::move(row));
    }
    std::stable_sort(timed.begin(), timed.end(), [](const auto& a, const auto& b) {
        if (a.first.has_value() != b.first.has_value()) {
            return a.first.has_value();
        }
        return a.first < b.first;
    });
    for (std::size_t i = 0; i < rows.size(); ++i) {
        rows[i] = std::move(timed[i].second);
    }
}

std::vector<std::vector<std::string>> ComparisonTableRows(const std::vector<ComparisonRow>& rows) {
    std::vector<std::vector<std::string>> table{
        {ShownText("Comparison", "Wine"), ShownText("Comparison", "Filter"),
         ShownText("Comparison", "Trial start"), ShownText("Comparison", "Points"),
         ShownText("Comparison", "Index (s)"), ShownText("Comparison", "Band"),
         ShownText("Comparison", "Vmax (L/m²)"), ShownText("Comparison", "Vmax 95 %"),
         ShownText("Comparison", "Best law"), ShownText("Comparison", "Exp. (L/m²)"),
         ShownText("Comparison", "Power (L/m²)"), ShownText("Comparison", "Best law (L/m²)"),
         ShownText("Comparison", "Flux decline (%)")}};
    for (const ComparisonRow& r : rows) {
        std::string band = r.Band ? BandName(*r.Band) : std::string(NoValue);
        if (!r.Band && r.IndexSeconds && !r.StandardConditions) {
            band = "not comparable";
        }
        std::string interval = NoValue;
        if (r.VmaxLow95) {
            interval = SignificantText(r.VmaxLow95) + "–" +
                       (r.VmaxHigh95 ? SignificantText(r.VmaxHigh95) : std::string("∞"));
        }
        table.push_back(
            {r.Wine, r.Filter, r.TrialStarted.empty() ? NoValue : StartShown(r.TrialStarted),
             std::to_string(r.Points), ShortNumberText(r.IndexSeconds, 3), band,
             SignificantText(r.VmaxLPerM2), interval,
             r.BestLaw.empty() ? std::string(NoValue) : LawWithDoubt(r.BestLaw, r.Doubtful),
             SignificantText(r.ExponentialLPerM2), SignificantText(r.PowerLPerM2),
             SignificantText(r.BestLawLPerM2),
             r.FluxDeclinePercent ? ShortNumberText(r.FluxDeclinePercent, 3)
                                  : std::string(NoValue)});
    }
    return table;
}

std::string ComparisonCsv(const std::vector<ComparisonRow>& rows) {
    std::string csv = CsvRecord(std::vector<std::string>(Keys.begin(), Keys.end()));
    for (const ComparisonRow& r : rows) {
        csv += CsvRecord({r.File, r.Wine, r.Filter, r.TrialStarted, std::to_string(r.Points),
                          PlainNumber(r.IndexSeconds), BandKey(r.Band), PlainNumber(r.VmaxLPerM2),
                          PlainNumber(r.VmaxLow95), PlainNumber(r.VmaxHigh95), r.BestLaw,
                          PlainNumber(r.ExponentialLPerM2), PlainNumber(r.PowerLPerM2),
                          PlainNumber(r.BestLawLPerM2), PlainNumber(r.FluxDeclinePercent),
                          r.StandardConditions ? "true" : "false"});
    }
    return csv;
}

Json ComparisonJson(const std::vector<ComparisonRow>& rows) {
    Json array = Json::array();
    for (const ComparisonRow& r : rows) {
        const auto text = [](const std::string& s) { return s.empty() ? Json(nullptr) : Json(s); };
        const std::array<Json, Keys.size()> values{r.File,
                                                   r.Wine,
                                                   r.Filter,
                                                   text(r.TrialStarted),
                                                   r.Points,
                                                   JsonNumber(r.IndexSeconds),
                                                   text(BandKey(r.Band)),
                                                   JsonNumber(r.VmaxLPerM2),
                                                   JsonNumber(r.VmaxLow95),
                                                   JsonNumber(r.VmaxHigh95),
                                                   text(r.BestLaw),
                                                   JsonNumber(r.ExponentialLPerM2),
                                                   JsonNumber(r.PowerLPerM2),
                                                   JsonNumber(r.BestLawLPerM2),
                                                   JsonNumber(r.FluxDeclinePercent),
                                                   r.StandardConditions};
        Json object;
        for (std::size_t i = 0; i < Keys.size(); ++i) {
            object[Keys[i]] = values[i];
        }
        array.push_back(object);
    }
    return array;
}

std::size_t ChartedTrials(const std::vector<ComparisonRow>& rows) {
    return std::min(rows.size(), MostChartedTrials);
}

std::string ComparisonChartNote(const std::vector<ComparisonRow>& rows) {
    if (rows.size() <= MostChartedTrials) {
        return {};
    }
    return FilledIn(CoreText("Comparison", "The chart shows the first %1 of the %2 trials, in the "
                                           "table's order; the other %3 are in the table only."),
                    {std::to_string(MostChartedTrials), std::to_string(rows.size()),
                     std::to_string(rows.size() - MostChartedTrials)});
}

Chart ComparisonChart(const std::vector<ComparisonRow>& rows) {
    Chart chart;
    chart.XTitle = "t (min)";
    chart.YTitle = "V/A (L/m\xC2\xB2)";
    const auto nameOf = [](const ComparisonRow& r) { return r.Wine + " \xE2\x80\x94 " + r.Filter; };
    const auto charted = rows.begin() + static_cast<std::ptrdiff_t>(ChartedTrials(rows));
    for (std::size_t i = 0; i < ChartedTrials(rows); ++i) {
        // Trials of one wine on one filter are told apart by their start, or
        // by their file.
        std::string label = nameOf(rows[i]);
        const auto same = std::count_if(rows.begin(), charted,
                                        [&](const ComparisonRow& r) { return nameOf(r) == label; });
        if (same > 1) {
            label +=
                " (" +
                (rows[i].TrialStarted.empty() ? rows[i].File : StartShown(rows[i].TrialStarted)) +
                ")";
        }
        chart.Series.push_back({label, Inks[i % Inks.size()], PenStyle::Solid, true,
                                Markers[i % Markers.size()], rows[i].Throughput});
    }
    return chart;
}

} // namespace zephra

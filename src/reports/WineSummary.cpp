#include "reports/WineSummary.h"

#include "analysis/FoulingAnalysis.h"
#include "analysis/FoulingAnalysisText.h"
#include "document/Windows1252.h"
#include "entry/AlignedLines.h"
#include "entry/ControlCharacters.h"
#include "entry/ShownQuantities.h"
#include "reports/CountedRows.h"
#include "reports/Csv.h"
#include "reports/FieldText.h"
#include "reports/ResultValue.h"

#include <algorithm>

namespace zephra {

namespace {

// An estimate's text (UTF-8, US gallons) as shown in `units`.
std::string ShownEstimateText(const std::string& text, const DisplayUnits& units) {
    return units.Metric() ? ShownEstimate(Utf8ToWin1252(text), units) : text;
}

// Fields of one wine, in the order of SummaryColumns. For CSV (`forCsv`)
// the record's gallons as plain numbers without their thousands grouping
// and the analysis's numbers in full, with empty fields for values that
// cannot be computed, whatever `units`; for reading, the volumes in the
// volume unit of `units`.
std::vector<std::string> SummaryFields(const WineSummary& w, bool forCsv,
                                       const DisplayUnits& units) {
    const auto gallons = [forCsv, &units](const std::string& text) {
        return forCsv ? ResultValueText(ReadGallonValue(text)) : ShownEstimateText(text, units);
    };
    std::vector<std::string> fields{w.File,
                                    w.Wine,
                                    w.Filter,
                                    w.Type,
                                    std::to_string(w.Points),
                                    std::to_string(w.Skipped),
                                    w.RmE,
                                    w.bE,
                                    w.rE,
                                    w.RmP,
                                    w.a,
                                    w.bP,
                                    w.rP,
                                    gallons(w.ExpectedVolE),
                                    gallons(w.ExpectedVolP)};
    if (forCsv) {
        const auto number = [](std::optional<double> value) {
            return value ? ResultValueText(*value) : std::string();
        };
        fields.insert(fields.end(), {w.BestLaw, number(w.Vmax), number(w.CapacityGal)});
    } else {
        fields.insert(fields.end(),
                      {w.BestLaw.empty() ? NoValue : LawWithDoubt(w.BestLaw, w.Doubtful),
                       SignificantText(w.Vmax),
                       w.CapacityGal ? ShownVolume(*w.CapacityGal, units) : NoValue});
    }
    return fields;
}

// The columns holding names or words: left-aligned in the text table.
constexpr std::size_t NameColumns = 4;
constexpr std::size_t BestLawColumn = 15;

bool LeftAligned(std::size_t column) {
    return column < NameColumns || column == BestLawColumn;
}

} // namespace

WineSummary SummarizeWine(const std::string& file, const TWineRec& rec, const WineNotes& notes) {
    WineSummary w;
    w.File = file;
    w.Wine = TrimBlanks(FullWineName(rec, notes));
    w.Filter = TrimBlanks(FullFilterName(rec, notes));
    w.Type = rec.Conditions.WineType.get() == 1 ? "dessert" : "normal";
    const std::vector<CountedRow> rows = CountedRows(rec);
    w.Points = static_cast<int>(rows.size());
    w.Skipped = static_cast<int>(
        std::count_if(rows.begin(), rows.end(), [](const CountedRow& r) { return r.Skipped; }));
    w.RmE = FieldText(rec.RmE);
    w.bE = FieldText(rec.bE);
    w.rE = FieldText(rec.rE);
    w.RmP = FieldText(rec.RmP);
    w.a = FieldText(rec.a);
    w.bP = FieldText(rec.bP);
    w.rP = FieldText(rec.rP);
    w.ExpectedVolE = FieldText(rec.ExpectedVolE);
    w.ExpectedVolP = FieldText(rec.ExpectedVolP);
    const FoulingAnalysis analysis = AnalyzeWineFouling(rec, notes);
    if (analysis.Best) {
        w.BestLaw = LawKey(*analysis.Best);
        w.Doubtful = analysis.Verdict.Doubtful();
    }
    if (analysis.Vmax) {
        w.Vmax = analysis.Vmax->Value;
    }
    w.CapacityGal = analysis.ProductionCapacityGal;
    return w;
}

std::vector<std::string> SummaryColumns(const DisplayUnits& units) {
    if (units.Metric()) {
        std::vector<std::string> columns = SummaryColumns();
        for (std::string& column : columns) {
            if (const std::size_t gal = column.rfind("_gal"); gal != std::string::npos) {
                column.replace(gal, std::string::npos, "_hL");
            }
        }
        return columns;
    }
    return {"file",
            "wine",
            "filter",
            "type",
            "points",
            "skipped",
            "RmE",
            "bE",
            "rE",
            "RmP",
            "a",
            "bP",
            "rP",
            "exp_gal",
            "power_gal",
            "best_law",
            "vmax_L_per_m2",
            "production_capacity_gal"};
}

std::string SummaryCsvText(const std::vector<WineSummary>& wines) {
    std::string out = CsvRecord(SummaryColumns());
    for (const WineSummary& w : wines) {
        out += CsvRecord(SummaryFields(w, true, UsUnits));
    }
    return out;
}

std::vector<std::string> SummaryTextLines(const std::vector<WineSummary>& wines,
                                          const DisplayUnits& units) {
    std::vector<std::vector<std::string>> table{SummaryColumns(units)};
    for (const WineSummary& w : wines) {
        std::vector<std::string> fields = SummaryFields(w, false, units);
        for (std::string& field : fields) {
            field = VisibleControlCharacters(field);
        }
        table.push_back(std::move(fields));
    }
    std::vector<ColumnAlign> align;
    for (std::size_t c = 0; c < table[0].size(); ++c)
        align.push_back(LeftAligned(c) ? ColumnAlign::Left : ColumnAlign::Right);
    return AlignedLines(table, align);
}

} // namespace zephra

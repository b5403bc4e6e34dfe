#include "reports/CountedRows.h"

#include "entry/NumberText.h"
#include "graphs/PlotSeries.h"
#include "reports/FieldText.h"

namespace zephra {

std::vector<CountedRow> CountedRows(const TWineRec& rec) {
    std::vector<CountedRow> rows;
    if (rec.TableData[0].V.empty()) {
        return rows;
    }
    const PlotSeries series = ReadPlotSeries(rec);
    const int skipped = CountSkippedPoints(series, rec.Data.MinSkip.get());
    for (int number = 1; number <= series.Count; ++number) {
        const TTableRow& cells = rec.TableData[number - 1];
        CountedRow row;
        row.Number = number;
        row.Volume = FieldText(cells.V);
        row.Minutes = FieldText(cells.Min);
        row.Seconds = FieldText(cells.Sec);
        row.ElapsedSeconds =
            ReadStoredNumber(cells.Min.text()) * 60 + ReadStoredNumber(cells.Sec.text());
        row.VA = FieldText(cells.VA);
        row.R = FieldText(cells.R);
        row.Rexp = FieldText(cells.Rexp);
        row.Rpower = FieldText(cells.Rpower);
        row.Skipped = number <= skipped;
        rows.push_back(std::move(row));
    }
    return rows;
}

} // namespace zephra

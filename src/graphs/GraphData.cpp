#include "graphs/GraphData.h"

#include "document/Real48.h"
#include "entry/NumberText.h"

#include <string_view>

namespace zephra {

namespace {

bool IsBlank(std::string_view text) {
    return text.find_first_not_of(' ') == std::string_view::npos;
}

} // namespace

GraphData ReadGraphData(const TWineRec& rec) {
    GraphData data;
    data.Series = ReadPlotSeries(rec);
    data.Skipped = CountSkippedPoints(data.Series, rec.Data.MinSkip.get());
    data.Power.RmP = ReadStoredNumber(rec.RmP.text());
    data.Power.A = Real48ToDouble(rec.aReal) / 1e9;
    data.Power.BP = ReadStoredNumber(rec.bP.text());
    data.Exponential.RmE = ReadStoredNumber(rec.RmE.text());
    data.Exponential.BE = ReadStoredNumber(rec.bE.text());
    data.PowerModelFailed = IsBlank(rec.RmP.text());
    data.NegativeInterval = rec.RmE.text() == "   neg";
    data.MaxProdR = ReadStoredNumber(rec.MaxProdR.text());
    return data;
}

} // namespace zephra

#include "analysis/FillData.h"

namespace zephra {

void FillData(TWineRec& rec) {
    for (std::size_t i = 0; i < std::size(rec.TableData); ++i) {
        TTableRow& row = rec.TableData[i];
        row.V.assign(rec.Data.V[i].text());
        row.Min.assign(rec.Data.T[i].M.text());
        row.Sec.assign(rec.Data.T[i].Sc.text());
    }
}

} // namespace zephra

#include "analysis/BlankResults.h"

namespace zephra {

void BlankFitResults(TWineRec& rec, std::string_view RmEText) {
    rec.RmE.assign(RmEText);
    rec.RmP.fillBlanks();
    rec.rE.fillBlanks();
    rec.rP.fillBlanks();
    rec.bE.fillBlanks();
    rec.bP.fillBlanks();
    rec.a.fillBlanks();
    rec.ExpectedVolE.assign(BlankExpectedVolume);
    rec.ExpectedVolP.assign(BlankExpectedVolume);
    rec.LabEquivVol.fillBlanks();
    rec.LabFaceVel.fillBlanks();
    rec.ProdFaceVel.fillBlanks();
}

void BlankPowerResults(TWineRec& rec) {
    rec.RmP.fillBlanks();
    rec.a.fillBlanks();
    rec.bP.fillBlanks();
    rec.rP.fillBlanks();
    rec.ExpectedVolP.assign(BlankExpectedVolume);
    for (TTableRow& row : rec.TableData) {
        row.Rpower.fillBlanks();
    }
}

void EmptyColumn(TWineRec& rec, ShortString<6> TTableRow::*cell) {
    for (TTableRow& row : rec.TableData) {
        (row.*cell).clear();
    }
}

void EmptyRowsAfter(TWineRec& rec, int rowsKept) {
    for (int i = rowsKept < 0 ? 0 : rowsKept; i < static_cast<int>(std::size(rec.TableData)); ++i) {
        TTableRow& row = rec.TableData[i];
        row.V.clear();
        row.Min.clear();
        row.Sec.clear();
        row.VA.clear();
        row.R.clear();
        row.Rexp.clear();
        row.Rpower.clear();
    }
}

} // namespace zephra

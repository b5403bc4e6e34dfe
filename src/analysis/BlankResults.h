#pragma once

#include "document/WineRec.h"

#include <string_view>

namespace zephra {

// A blank expected-volume field: six blanks, whatever the capacity.
inline constexpr std::string_view BlankExpectedVolume = "      ";

// Writes the blank results of a calculation that cannot fit the models:
// `RmE` := RmEText; `RmP` six blanks; `rE`, `rP`, `bE`, `bP` five blanks;
// `a` seven blanks; both expected volumes six blanks; `LabEquivVol`,
// `LabFaceVel` and `ProdFaceVel` four blanks. `aReal`, `Model` and
// `MaxProdR` are not touched.
void BlankFitResults(TWineRec& rec, std::string_view RmEText);

// Writes the blank results of a failed power model: `RmP` six blanks, `a`
// seven, `bP` and `rP` five, `ExpectedVolP` six, and six blanks in the
// Rpower cell of every row. `aReal` is not touched.
void BlankPowerResults(TWineRec& rec);

// Empties (length 0) one result column of all 36 table rows.
void EmptyColumn(TWineRec& rec, ShortString<6> TTableRow::*cell);

// Empties all seven cells of the table rows after the first `rowsKept`.
void EmptyRowsAfter(TWineRec& rec, int rowsKept);

} // namespace zephra

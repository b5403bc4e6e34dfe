#pragma once

#include "document/WineRec.h"

namespace zephra {

// Copies the raw data points into the report table: row i's V, Min and Sec
// cells become V(i), M(i) and Sc(i). Only the length byte and the text bytes
// of a cell are written; the VA, R, Rexp and Rpower cells are not touched.
void FillData(TWineRec& rec);

} // namespace zephra

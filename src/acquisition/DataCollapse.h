#pragma once

#include "document/WineNotes.h"
#include "document/WineRec.h"

namespace zephra {

// Thins a full data set for the doubled reading interval: points 2, 4, ..., 36
// become points 1 to 18 (volumes, then minutes, then seconds, in ascending
// order so that point 2k is read before anything overwrites it) and points 19
// to 36 become empty. MinSkip is not changed. On fewer than 36 points a
// missing even-numbered point simply copies an empty text.
void DataCollapse(TData& data);

// DataCollapse for the data and the readings' times in `notes`, which
// follow their points.
void DataCollapse(TData& data, WineNotes& notes);

} // namespace zephra

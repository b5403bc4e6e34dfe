#pragma once

#include "document/WineFile.h"
#include "support/RecordingBoxes.h"

namespace zephra::test {

// The shipped sample wine, at the path the test target defines as
// ZEPHRA_SAMPLE_WINE: 36 points, the first skipped, both models fitted. A
// wine of zeros when the file cannot be read, which every test of its
// contents notices.
inline TWineRec SampleWine() {
    TWineRec rec{};
    RecordingBoxes boxes;
    ZephraFileOpen(ZEPHRA_SAMPLE_WINE, rec, boxes);
    return rec;
}

} // namespace zephra::test

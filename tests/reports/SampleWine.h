#pragma once

#include "document/WineFile.h"
#include "support/RecordingBoxes.h"

#include <gtest/gtest.h>

namespace zephra::test {

// The shipped sample wine: 36 points, the first skipped, both models fitted.
inline TWineRec SampleWine() {
    TWineRec rec{};
    RecordingBoxes boxes;
    EXPECT_TRUE(ZephraFileOpen(ZEPHRA_SAMPLE_WINE, rec, boxes));
    return rec;
}

} // namespace zephra::test

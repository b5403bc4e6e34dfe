#pragma once

#include "document/WineRec.h"
#include "graphs/DisplayList.h"
#include "graphs/TextMetrics.h"

namespace zephra {

// The desktop colours the wine window graph takes from its window.
struct DesktopColours {
    Colour ButtonFace{240, 240, 240};
    Colour WindowText{0, 0, 0};
};

// The small graph of a wine window: resistance against V/A of every point,
// the points not used as crosses, the model curves, frame, axis titles and
// labels, on a width x height picture (the plot rectangle stays at 35, 15,
// 235, 165; the font height follows the width). Throws FloatingPointFault
// when the picture cannot be drawn; nothing is drawn from a NaN or infinity.
DisplayList DrawWineGraph(const TWineRec& rec, int width, int height, const DesktopColours& colours,
                          const TextMetrics& metrics);

} // namespace zephra

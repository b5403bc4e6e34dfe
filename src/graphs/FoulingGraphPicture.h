#pragma once

#include "analysis/FoulingAnalysis.h"
#include "graphs/DisplayList.h"
#include "graphs/TextMetrics.h"

namespace zephra {

inline constexpr int FoulingGraphWidth = 640;
inline constexpr int FoulingGraphHeight = 480;
inline constexpr PixelRect FoulingGraphPlotRect{70, 50, 610, 410};

// The pen of each law's curve: a colour and a dash pattern of its own.
struct LawPen {
    Colour Ink;
    PenStyle Style;
};
LawPen LawPenOf(BlockingLaw law);

// The picture of a fouling analysis: the measured volume V (ml) against
// time t (min) of every counted point (skipped points as crosses), the
// closed-form curve of every fitted law, a legend naming the laws (the
// best one marked, the unfitted ones so named) and axes with their units.
DisplayList DrawFoulingGraphPicture(const FoulingAnalysis& analysis, Colour windowText,
                                    const TextMetrics& metrics);

} // namespace zephra

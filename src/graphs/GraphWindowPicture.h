#pragma once

#include "document/WineRec.h"
#include "graphs/DisplayList.h"
#include "graphs/TextMetrics.h"

namespace zephra {

enum class GraphScale { Laboratory, Production };

inline constexpr int GraphWindowWidth = 700;
inline constexpr int GraphWindowHeight = 600;

// The 700 x 600 picture of a graph window: title, plot, axis titles,
// labels, ticks and legend. The production scale widens the axes to show
// where the power model reaches the maximum production resistance and draws
// that resistance as a dotted line. Throws FloatingPointFault when the
// picture cannot be drawn; nothing is drawn from a NaN or infinity.
DisplayList DrawGraphWindowPicture(const TWineRec& rec, GraphScale scale, Colour windowText,
                                   const TextMetrics& metrics);

} // namespace zephra

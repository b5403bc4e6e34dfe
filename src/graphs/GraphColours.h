#pragma once

#include "graphs/DisplayList.h"

namespace zephra::graph_colours {

inline constexpr Colour GhostWhite{248, 248, 255};
inline constexpr Colour Ivory{255, 255, 240};
inline constexpr Colour CornflowerBlue{100, 149, 237};
inline constexpr Colour DarkTurquoise{0, 206, 209};
inline constexpr Colour FireBrick{178, 34, 34};
inline constexpr Colour Green{0, 128, 0};
inline constexpr Colour Blue{0, 0, 255};
inline constexpr Colour Black{0, 0, 0};

} // namespace zephra::graph_colours

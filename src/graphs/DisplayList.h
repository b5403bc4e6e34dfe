#pragma once

#include "graphs/PixelGeometry.h"

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace zephra {

struct Colour {
    std::uint8_t Red = 0;
    std::uint8_t Green = 0;
    std::uint8_t Blue = 0;
    friend bool operator==(const Colour&, const Colour&) = default;
};

// Dotted: one pixel drawn, two left out. Dashed: eight drawn, four left
// out. DashDot: eight drawn, three out, two drawn, three out.
enum class PenStyle { Solid, Dotted, Dashed, DashDot };

// A font of the default face, normal style. Height > 0 is the height of the
// whole character cell in pixels, Height < 0 minus the character (em)
// height without the cell's internal leading. Rotated text reads upward.
struct FontSpec {
    int Height = -11;
    bool Rotated = false;
    friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

// Fills the pixels from (Left, Top) to (Right - 1, Bottom - 1).
struct FillRectOp {
    PixelRect Rect;
    Colour Brush;
};

// A one-pixel border along the inside of the rectangle.
struct FrameRectOp {
    PixelRect Rect;
    Colour Brush;
};

// The outline in the pen colour, the inside in the brush colour; the
// outline's right column is Right - 1 and its bottom row Bottom - 1.
struct RectangleOp {
    PixelRect Rect;
    Colour Pen;
    Colour Brush;
};

// A line from `From` up to, but not including, `To`. Its pen pattern
// starts PatternStart pixels in, so a polyline's pattern runs on across
// its segments.
struct LineOp {
    PixelPoint From;
    PixelPoint To;
    Colour Pen;
    PenStyle Style = PenStyle::Solid;
    std::int64_t PatternStart = 0;
};

// Text whose character cell has its top-left corner at Origin (for rotated
// text: the cell reads upward from Origin and lies to the right of it),
// the cell filled with Background first unless the text is transparent.
// Nothing outside Clip is drawn.
struct TextOp {
    PixelPoint Origin;
    std::string Text; // UTF-8
    FontSpec Font;
    Colour Ink;
    std::optional<Colour> Background; // none: transparent
    std::optional<PixelRect> Clip;
};

using DrawOp = std::variant<FillRectOp, FrameRectOp, RectangleOp, LineOp, TextOp>;

// A finished picture as the ordered drawing operations that make it.
struct DisplayList {
    int Width = 0;
    int Height = 0;
    std::vector<DrawOp> Ops;
};

} // namespace zephra

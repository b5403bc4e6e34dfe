#pragma once

#include "graphs/DisplayList.h"
#include "graphs/TextMetrics.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace zephra {

enum class TextAlign { Left, Centre };

// Records drawing into a display list with the state of a painting canvas:
// a pen, a brush, a font and a current position. Every operation records
// the state it is drawn with, so the list can be rendered on its own.
class PlotCanvas {
public:
    PlotCanvas(int width, int height, const TextMetrics& metrics);

    Colour PenColour{0, 0, 0};
    PenStyle PenKind = PenStyle::Solid;
    Colour BrushColour{255, 255, 255};
    // A clear brush draws text without filling its cell.
    bool BrushClear = false;
    Colour FontColour{0, 0, 0};
    FontSpec Font;

    void FillRect(const PixelRect& rect);
    void FrameRect(const PixelRect& rect);
    void Rectangle(const PixelRect& rect);
    void MoveTo(PixelPoint p);
    // A line from the current position to p, without p; p becomes current.
    // The pen's pattern runs on from the previous line unless MoveTo came
    // between.
    void LineTo(PixelPoint p);
    // Text opaque on the brush colour (unless the brush is clear), cell
    // top-left at (x, y).
    void TextOut(int x, int y, std::string_view text);
    // Text in a box, clipped to it, its top at the box's top, left-aligned
    // or horizontally centred.
    void TextRect(const PixelRect& box, std::string_view text, TextAlign align);
    int TextWidth(std::string_view text) const;
    int TextHeight(std::string_view text) const;

    DisplayList Finish() &&;

private:
    std::optional<Colour> TextBackground() const;

    const TextMetrics& metrics_;
    DisplayList list_;
    PixelPoint position_;
    std::int64_t patternPosition_ = 0;
};

} // namespace zephra

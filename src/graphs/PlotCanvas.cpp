#include "graphs/PlotCanvas.h"

#include <algorithm>
#include <cstdlib>
#include <string>

namespace zephra {

PlotCanvas::PlotCanvas(int width, int height, const TextMetrics& metrics) : metrics_(metrics) {
    list_.Width = width;
    list_.Height = height;
}

void PlotCanvas::FillRect(const PixelRect& rect) {
    list_.Ops.push_back(FillRectOp{rect, BrushColour});
}

void PlotCanvas::FrameRect(const PixelRect& rect) {
    list_.Ops.push_back(FrameRectOp{rect, BrushColour});
}

void PlotCanvas::Rectangle(const PixelRect& rect) {
    list_.Ops.push_back(RectangleOp{rect, PenColour, BrushColour});
}

void PlotCanvas::MoveTo(PixelPoint p) {
    position_ = p;
    patternPosition_ = 0;
}

void PlotCanvas::LineTo(PixelPoint p) {
    list_.Ops.push_back(LineOp{position_, p, PenColour, PenKind, patternPosition_});
    // A line has one pixel per step along its longer axis.
    const std::int64_t dx = std::abs(std::int64_t{p.X} - position_.X);
    const std::int64_t dy = std::abs(std::int64_t{p.Y} - position_.Y);
    patternPosition_ += std::max(dx, dy);
    position_ = p;
}

void PlotCanvas::TextOut(int x, int y, std::string_view text) {
    list_.Ops.push_back(TextOp{{x, y}, std::string(text), Font, FontColour, TextBackground(), {}});
}

void PlotCanvas::TextRect(const PixelRect& box, std::string_view text, TextAlign align) {
    int x = box.Left;
    if (align == TextAlign::Centre) {
        const int spare = box.Width() - TextWidth(text);
        // Floor division keeps a text wider than its box centred as well.
        x += spare >= 0 ? spare / 2 : -((1 - spare) / 2);
    }
    list_.Ops.push_back(
        TextOp{{x, box.Top}, std::string(text), Font, FontColour, TextBackground(), box});
}

int PlotCanvas::TextWidth(std::string_view text) const {
    return metrics_.TextWidth(Font, text);
}

int PlotCanvas::TextHeight(std::string_view text) const {
    return metrics_.TextHeight(Font, text);
}

std::optional<Colour> PlotCanvas::TextBackground() const {
    if (BrushClear) {
        return std::nullopt;
    }
    return BrushColour;
}

DisplayList PlotCanvas::Finish() && {
    return std::move(list_);
}

} // namespace zephra

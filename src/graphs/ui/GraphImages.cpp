#include "graphs/ui/GraphImages.h"

#include "graphs/FoulingGraphPicture.h"
#include "graphs/ui/DisplayListRenderer.h"
#include "graphs/ui/QtTextMetrics.h"

namespace zephra {

namespace {

Colour ColourOf(const QColor& c) {
    return {static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
            static_cast<std::uint8_t>(c.blue())};
}

} // namespace

DesktopColours DesktopColoursOf(const QPalette& palette) {
    return {ColourOf(palette.color(QPalette::Window)),
            ColourOf(palette.color(QPalette::WindowText))};
}

QImage WineGraphImage(const TWineRec& rec, QSize size, const DesktopColours& colours) {
    const QtTextMetrics metrics;
    return RenderDisplayList(DrawWineGraph(rec, size.width(), size.height(), colours, metrics));
}

QImage GraphWindowImage(const TWineRec& rec, GraphScale scale, Colour windowText) {
    const QtTextMetrics metrics;
    return RenderDisplayList(DrawGraphWindowPicture(rec, scale, windowText, metrics));
}

QImage FoulingGraphImage(const FoulingAnalysis& analysis, Colour windowText) {
    const QtTextMetrics metrics;
    return RenderDisplayList(DrawFoulingGraphPicture(analysis, windowText, metrics));
}

} // namespace zephra

#include "graphs/ui/GraphFont.h"

#include <QFontMetrics>

namespace zephra {

namespace {

QFont FaceOfPixelSize(int pixelSize) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setWeight(QFont::Normal);
    font.setStyle(QFont::StyleNormal);
    font.setPixelSize(pixelSize);
    return font;
}

} // namespace

QFont GraphFont(const FontSpec& font) {
    if (font.Height < 0) {
        return FaceOfPixelSize(-font.Height);
    }
    const int cell = font.Height > 0 ? font.Height : 1;
    int pixelSize = cell;
    while (pixelSize > 1 && QFontMetrics(FaceOfPixelSize(pixelSize)).height() > cell) {
        --pixelSize;
    }
    return FaceOfPixelSize(pixelSize);
}

} // namespace zephra

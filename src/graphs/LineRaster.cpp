#include "graphs/LineRaster.h"

#include <algorithm>
#include <cstdlib>

namespace zephra {

std::vector<RasterPixel> RasterLine(PixelPoint from, PixelPoint to, int width, int height) {
    std::vector<RasterPixel> pixels;
    const std::int64_t dx = std::int64_t{to.X} - from.X;
    const std::int64_t dy = std::int64_t{to.Y} - from.Y;
    const bool xMajor = std::llabs(dx) >= std::llabs(dy);
    const std::int64_t length = std::max(std::llabs(dx), std::llabs(dy));
    if (length == 0 || width <= 0 || height <= 0) {
        return pixels;
    }

    const std::int64_t majorStart = xMajor ? from.X : from.Y;
    const std::int64_t minorStart = xMajor ? from.Y : from.X;
    const std::int64_t majorSign = (xMajor ? dx : dy) < 0 ? -1 : 1;
    const std::int64_t minorDelta = xMajor ? dy : dx;
    const std::int64_t minorSign = minorDelta < 0 ? -1 : 1;
    const std::int64_t minorRun = std::llabs(minorDelta);
    const std::int64_t majorExtent = xMajor ? width : height;
    const std::int64_t minorExtent = xMajor ? height : width;

    // Steps i whose major coordinate lies inside the picture.
    std::int64_t first = 0;
    std::int64_t last = length - 1;
    if (majorSign > 0) {
        first = std::max(first, -majorStart);
        last = std::min(last, majorExtent - 1 - majorStart);
    } else {
        first = std::max(first, majorStart - (majorExtent - 1));
        last = std::min(last, majorStart);
    }

    for (std::int64_t i = first; i <= last; ++i) {
        const __int128 twice = static_cast<__int128>(2) * i * minorRun + length;
        const auto offset = static_cast<std::int64_t>(twice / (static_cast<__int128>(2) * length));
        const std::int64_t minor = minorStart + minorSign * offset;
        if (minor < 0 || minor >= minorExtent) {
            continue;
        }
        const std::int64_t major = majorStart + majorSign * i;
        const auto x = static_cast<std::int32_t>(xMajor ? major : minor);
        const auto y = static_cast<std::int32_t>(xMajor ? minor : major);
        pixels.push_back({x, y, i});
    }
    return pixels;
}

bool PenDraws(PenStyle style, std::int64_t index) {
    switch (style) {
    case PenStyle::Solid:
        return true;
    case PenStyle::Dotted:
        return index % 3 == 0;
    case PenStyle::Dashed:
        return index % 12 < 8;
    case PenStyle::DashDot: {
        const std::int64_t i = index % 16;
        return i < 8 || (i >= 11 && i < 13);
    }
    }
    return true;
}

} // namespace zephra

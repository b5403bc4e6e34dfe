#pragma once

#include "graphs/DisplayList.h"

#include <string_view>

namespace zephra {

// Measures text in the font the pictures are rendered with, so that the
// picture code can place labels exactly as the renderer will draw them.
class TextMetrics {
public:
    virtual ~TextMetrics() = default;

    // Size in pixels of the text's character cell (UTF-8 text), unrotated.
    virtual int TextWidth(const FontSpec& font, std::string_view text) const = 0;
    virtual int TextHeight(const FontSpec& font, std::string_view text) const = 0;
};

} // namespace zephra

#pragma once

#include "graphs/TextMetrics.h"

namespace zephra {

// Text sizes in the font of GraphFont, as the renderer will draw them.
class QtTextMetrics : public TextMetrics {
public:
    int TextWidth(const FontSpec& font, std::string_view text) const override;
    int TextHeight(const FontSpec& font, std::string_view text) const override;
};

} // namespace zephra

#pragma once

#include "graphs/TextMetrics.h"

#include <cstdlib>

namespace zephra::test {

// Every character is half the font height wide; the cell is the height
// plus two pixels (em heights) or the height itself (cell heights).
class FakeTextMetrics : public TextMetrics {
public:
    int TextWidth(const FontSpec& font, std::string_view text) const override {
        return static_cast<int>(text.size()) * (std::abs(font.Height) / 2);
    }
    int TextHeight(const FontSpec& font, std::string_view) const override {
        return font.Height < 0 ? -font.Height + 2 : font.Height;
    }
};

} // namespace zephra::test

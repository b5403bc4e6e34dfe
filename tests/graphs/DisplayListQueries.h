#pragma once

#include "graphs/DisplayList.h"

#include <variant>
#include <vector>

namespace zephra::test {

// The line operations of a picture drawn in one colour, in drawing order.
inline std::vector<LineOp> LinesIn(const DisplayList& list, Colour colour) {
    std::vector<LineOp> lines;
    for (const DrawOp& op : list.Ops) {
        if (const auto* line = std::get_if<LineOp>(&op); line && line->Pen == colour) {
            lines.push_back(*line);
        }
    }
    return lines;
}

// The text operations of a picture, in drawing order.
inline std::vector<TextOp> Texts(const DisplayList& list) {
    std::vector<TextOp> texts;
    for (const DrawOp& op : list.Ops) {
        if (const auto* text = std::get_if<TextOp>(&op)) {
            texts.push_back(*text);
        }
    }
    return texts;
}

} // namespace zephra::test

#pragma once

#include "document/MessageBoxes.h"

#include <string>
#include <vector>

namespace zephra::test {

// Message boxes that answer OK at once and remember what they were asked.
class ScriptedBoxes : public MessageBoxes {
public:
    struct Shown {
        BoxKind kind;
        std::string text;
        BoxButtons buttons;
    };

    BoxAnswer Show(BoxKind kind, const std::string& text, BoxButtons buttons,
                   BoxAnswer defaultButton) override {
        shown.push_back({kind, text, buttons});
        return defaultButton;
    }

    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const Shown& box : shown) {
            texts.push_back(box.text);
        }
        return texts;
    }

    std::vector<Shown> shown;
};

} // namespace zephra::test

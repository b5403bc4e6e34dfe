#pragma once

#include "document/MessageBoxes.h"

#include <string>
#include <vector>

namespace zephra::test {

// Message boxes that answer with their default button and remember what
// they showed.
class RecordingBoxes : public MessageBoxes {
public:
    struct Shown {
        BoxKind kind;
        std::string text;
    };

    BoxAnswer Show(BoxKind kind, const std::string& text, BoxButtons,
                   BoxAnswer defaultButton) override {
        shown.push_back({kind, text});
        return defaultButton;
    }

    std::vector<Shown> shown;
};

} // namespace zephra::test

#pragma once

#include "document/MessageBoxes.h"

#include <string>
#include <vector>

namespace zephra::test {

// Message boxes that remember what they showed and answer with the default.
class RecordingBoxes : public MessageBoxes {
public:
    struct Box {
        BoxKind Kind;
        std::string Text;
    };

    BoxAnswer Show(BoxKind kind, const std::string& text, BoxButtons,
                   BoxAnswer defaultButton) override {
        Shown.push_back({kind, text});
        return defaultButton;
    }

    std::vector<Box> Shown;
};

} // namespace zephra::test

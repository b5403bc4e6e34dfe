#pragma once

#include "document/MessageBoxes.h"

#include <deque>
#include <string>
#include <vector>

namespace zephra::test {

// Message boxes for tests: remember every box shown, in order, and answer
// from a queue of scripted answers; once the queue is empty each box gets
// its default button.
class RecordingBoxes : public MessageBoxes {
public:
    // One box as the program asked for it.
    struct Box {
        BoxKind kind;
        std::string text;
        BoxButtons buttons;
        BoxAnswer defaultButton;
    };

    BoxAnswer Show(BoxKind kind, const std::string& text, BoxButtons buttons,
                   BoxAnswer defaultButton) override {
        shown.push_back({kind, text, buttons, defaultButton});
        if (answers.empty()) {
            return defaultButton;
        }
        const BoxAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }

    // The texts of all boxes shown, in order.
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const Box& box : shown) {
            texts.push_back(box.text);
        }
        return texts;
    }

    // How many boxes showed exactly `text`.
    int Count(const std::string& text) const {
        int count = 0;
        for (const Box& box : shown) {
            count += box.text == text ? 1 : 0;
        }
        return count;
    }

    // Answers for the next boxes, used in order.
    std::deque<BoxAnswer> answers;
    std::vector<Box> shown;
};

} // namespace zephra::test

#pragma once

#include "document/MessageBoxes.h"

#include <QTest>

#include <functional>
#include <string>
#include <utility>
#include <vector>

// Message boxes that record what they show and answer questions as told.
class ScriptedBoxes : public zephra::MessageBoxes {
public:
    zephra::BoxAnswer Show(zephra::BoxKind kind, const std::string& text, zephra::BoxButtons,
                           zephra::BoxAnswer) override {
        shown.emplace_back(kind, text);
        if (whenShown)
            whenShown();
        if (modalMs > 0)
            QTest::qWait(modalMs); // events go on, as under a real modal box
        if (kind == zephra::BoxKind::Question)
            return questionAnswer;
        return kind == zephra::BoxKind::Warning ? warningAnswer : zephra::BoxAnswer::Ok;
    }
    int Count(const std::string& text) const {
        int n = 0;
        for (const auto& box : shown)
            n += box.second == text ? 1 : 0;
        return n;
    }

    std::vector<std::pair<zephra::BoxKind, std::string>> shown;
    zephra::BoxAnswer questionAnswer = zephra::BoxAnswer::Yes;
    // The answer to warnings, such as a wine window's close prompt.
    zephra::BoxAnswer warningAnswer = zephra::BoxAnswer::Ok;
    int modalMs = 0; // how long each box stays up
    // Called as each box shows, to look at what stands behind it.
    std::function<void()> whenShown;
};

#pragma once

#include <string>

namespace zephra {

// A modal message box as the program shows it: a kind, a button set, a
// default button and a fixed text. The desktop program shows real boxes;
// the command-line tool prints the text; tests script the answers.
enum class BoxKind { Information, Warning, Error, Question };
enum class BoxButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class BoxAnswer { Ok, Cancel, Yes, No };

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;

    // Shows the box and waits for the answer. `defaultButton` is one of the
    // buttons of `buttons`.
    virtual BoxAnswer Show(BoxKind kind, const std::string& text, BoxButtons buttons,
                           BoxAnswer defaultButton) = 0;

    void Warning(const std::string& text) {
        Show(BoxKind::Warning, text, BoxButtons::Ok, BoxAnswer::Ok);
    }
    void Error(const std::string& text) {
        Show(BoxKind::Error, text, BoxButtons::Ok, BoxAnswer::Ok);
    }
    void Information(const std::string& text) {
        Show(BoxKind::Information, text, BoxButtons::Ok, BoxAnswer::Ok);
    }
};

} // namespace zephra

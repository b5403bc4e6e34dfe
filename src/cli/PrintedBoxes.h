#pragma once

#include "document/MessageBoxes.h"

#include <iosfwd>
#include <string>

namespace zephra::cli {

// Message boxes of the command-line tool: each box is one line
// "<file>: <text>" on the error stream, answered with its default button.
class PrintedBoxes : public MessageBoxes {
public:
    PrintedBoxes(std::ostream& err, std::string fileName);

    BoxAnswer Show(BoxKind kind, const std::string& text, BoxButtons buttons,
                   BoxAnswer defaultButton) override;

    // How many boxes were shown.
    int count() const { return count_; }

private:
    std::ostream& err_;
    std::string fileName_;
    int count_ = 0;
};

} // namespace zephra::cli

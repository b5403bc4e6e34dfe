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

private:
    std::ostream& err_;
    std::string fileName_;
};

} // namespace zephra::cli

#include "cli/PrintedBoxes.h"

#include <ostream>

namespace zephra::cli {

PrintedBoxes::PrintedBoxes(std::ostream& err, std::string fileName)
    : err_(err), fileName_(std::move(fileName)) {}

BoxAnswer PrintedBoxes::Show(BoxKind, const std::string& text, BoxButtons,
                             BoxAnswer defaultButton) {
    err_ << fileName_ << ": " << text << '\n';
    return defaultButton;
}

} // namespace zephra::cli

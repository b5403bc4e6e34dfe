#include "cli/TerminalText.h"

#include "entry/AlignedLines.h"
#include "entry/ControlCharacters.h"

#include <ostream>

namespace zephra::cli {

void PrintAligned(std::vector<std::vector<std::string>> rows, std::ostream& out) {
    for (std::vector<std::string>& row : rows) {
        for (std::string& cell : row) {
            cell = VisibleControlCharacters(cell);
        }
    }
    for (const std::string& line : AlignedLines(rows)) {
        out << line << '\n';
    }
}

} // namespace zephra::cli

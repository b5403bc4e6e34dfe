#pragma once

// Text from a file or a device (a wine's names, a settings file's values, a
// balance's reply) on its way to a terminal: its control characters are
// shown as escapes (VisibleControlCharacters), so that they can neither act
// on the terminal nor break the lines and columns.

#include <iosfwd>
#include <string>
#include <vector>

namespace zephra::cli {

// Prints the rows as aligned columns (AlignedLines), each cell escaped.
void PrintAligned(std::vector<std::vector<std::string>> rows, std::ostream& out);

} // namespace zephra::cli

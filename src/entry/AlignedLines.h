#pragma once

#include "document/Utf8Characters.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace zephra {

// How a column's cells sit in its width.
enum class ColumnAlign { Left, Right };

// A table of UTF-8 cells as lines of text: every column as wide as its widest
// cell in characters, two blanks between columns, each cell left- or
// right-aligned as `align` says for its column (columns past its end are
// left-aligned), trailing blanks removed. Rows may have different lengths.
std::vector<std::string> AlignedLines(const std::vector<std::vector<std::string>>& rows,
                                      const std::vector<ColumnAlign>& align = {});

} // namespace zephra

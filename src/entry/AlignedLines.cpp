#include "entry/AlignedLines.h"

#include <algorithm>

namespace zephra {

std::vector<std::string> AlignedLines(const std::vector<std::vector<std::string>>& rows,
                                      const std::vector<ColumnAlign>& align) {
    std::vector<std::size_t> widths;
    for (const auto& row : rows) {
        widths.resize(std::max(widths.size(), row.size()));
        for (std::size_t c = 0; c < row.size(); ++c)
            widths[c] = std::max(widths[c], Utf8Characters(row[c]));
    }
    std::vector<std::string> lines;
    lines.reserve(rows.size());
    for (const auto& row : rows) {
        std::string line;
        for (std::size_t c = 0; c < row.size(); ++c) {
            const std::string pad(widths[c] - Utf8Characters(row[c]), ' ');
            const bool right = c < align.size() && align[c] == ColumnAlign::Right;
            line += c == 0 ? "" : "  ";
            line += right ? pad + row[c] : row[c] + pad;
        }
        line.erase(line.find_last_not_of(' ') + 1);
        lines.push_back(std::move(line));
    }
    return lines;
}

} // namespace zephra

#pragma once

#include <cstddef>
#include <string>

namespace zephra::serial::detail {

/// Formats the data part of a log line: "$1B, $50, $0D".
std::string FormatLogData(const void* data, std::size_t count);

/// Appends one line to `fileName`: the local date and time (short date and
/// long time of the locale), a blank, `message`. Throws std::system_error when
/// the file cannot be opened or written.
void AppendLogLine(const std::string& fileName, const std::string& message);

} // namespace zephra::serial::detail

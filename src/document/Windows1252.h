#pragma once

#include <string>
#include <string_view>

namespace zephra {

// Record texts are Windows-1252 bytes; the user interface speaks UTF-8.
std::string Win1252ToUtf8(std::string_view bytes);

// A character that Windows-1252 cannot hold becomes "?"; malformed UTF-8
// sequences become "?" as well.
std::string Utf8ToWin1252(std::string_view utf8);

} // namespace zephra

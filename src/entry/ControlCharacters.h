#pragma once

// Control characters in names: C0 controls (U+0000..U+001F, among them tab,
// line feed and escape), DEL (U+007F) and C1 controls (U+0080..U+009F).
// A terminal acts on them instead of showing them, a line break splits a
// line of text, and XML does not allow most of them.

#include <string>
#include <string_view>

namespace zephra {

// True when the UTF-8 text holds a control character.
bool HoldsControlCharacter(std::string_view utf8);

// The text with each control character shown as an escape: "\x1B" for a C0
// control or DEL, "\u009D" for a C1 control.
std::string VisibleControlCharacters(std::string_view utf8);

// The text without its control characters.
std::string WithoutControlCharacters(std::string_view utf8);

} // namespace zephra

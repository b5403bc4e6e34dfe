#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace zephra {

// A language the program speaks: its ISO 639-1 code and its name in itself.
struct Language {
    std::string Code;
    std::string Name;
};

// English first (the source language and the default), then fr, it, es, de
// and pt.
const std::vector<Language>& Languages();

// The code of the language named by a locale or language name such as
// "fr_FR.UTF-8", "pt_BR" or "de"; empty when the program does not speak it.
std::string SpokenLanguage(std::string_view name);

// The language the system asks for, read as gettext reads it: the first
// variable of LC_ALL, LC_MESSAGES and LANG that is set and not empty names the
// locale; unless that locale is "C" or "POSIX", LANGUAGE (a list separated by
// ":") comes first and its first language the program speaks wins. English
// when nothing names a language the program speaks. `variable` gives a
// variable's value or nullptr (std::getenv in the program).
std::string SystemLanguage(const std::function<const char*(const char*)>& variable);

} // namespace zephra

#include "document/Language.h"

#include <algorithm>

namespace zephra {

const std::vector<Language>& Languages() {
    static const std::vector<Language> languages = {
        {"en", "English"}, {"fr", "Français"}, {"it", "Italiano"},
        {"es", "Español"}, {"de", "Deutsch"},  {"pt", "Português"},
    };
    return languages;
}

std::string SpokenLanguage(std::string_view name) {
    const std::string_view code = name.substr(0, name.find_first_of("_.@-"));
    const auto& all = Languages();
    const bool spoken = std::any_of(
        all.begin(), all.end(), [&](const Language& language) { return language.Code == code; });
    return spoken ? std::string(code) : std::string();
}

std::string SystemLanguage(const std::function<const char*(const char*)>& variable) {
    std::string_view locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = variable(name);
        if (value != nullptr && *value != '\0') {
            locale = value;
            break;
        }
    }
    if (locale.empty() || locale == "C" || locale == "POSIX")
        return "en";
    if (const char* list = variable("LANGUAGE"); list != nullptr) {
        std::string_view rest = list;
        while (!rest.empty()) {
            const std::size_t end = std::min(rest.find(':'), rest.size());
            if (std::string code = SpokenLanguage(rest.substr(0, end)); !code.empty())
                return code;
            rest.remove_prefix(std::min(end + 1, rest.size()));
        }
    }
    const std::string code = SpokenLanguage(locale);
    return code.empty() ? "en" : code;
}

} // namespace zephra

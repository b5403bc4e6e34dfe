#include "analysis/ThousandsSeparator.h"

#include "document/Windows1252.h"

#include <clocale>
#include <cstring>
#include <langinfo.h>
#include <string_view>

namespace zephra {

std::string LocaleThousandsSeparator() {
    const std::lconv* conventions = std::localeconv();
    const std::string_view separator =
        conventions != nullptr && conventions->thousands_sep != nullptr ? conventions->thousands_sep
                                                                        : "";
    if (separator.empty()) {
        return ",";
    }
    const bool utf8 = std::strcmp(nl_langinfo(CODESET), "UTF-8") == 0;
    const std::string bytes = utf8 ? Utf8ToWin1252(separator) : std::string(separator);
    if (bytes.size() != 1 || (bytes == "?" && separator != "?")) {
        return "\xA0";
    }
    return bytes;
}

} // namespace zephra

#pragma once

#include <string>

namespace zephra {

// The thousands separator of the C library's current numeric locale (the
// program sets it from the user's settings at start), as one Windows-1252
// character for the record: "," when the locale defines none, and the
// no-break space when its separator has no Windows-1252 equivalent (for
// example the narrow no-break space).
std::string LocaleThousandsSeparator();

} // namespace zephra

#pragma once

#include "entry/DecimalMark.h"

namespace zephra {

// How the user's locale (Qt's default locale) writes decimals.
DecimalMark LocaleDecimalMark();

} // namespace zephra

#pragma once

#include "acquisition/Balance.h"

#include <string>

namespace zephra {

// One reading as the scale connection's test shows it: the value as the
// balance sent it with its unit, the grams it makes when the unit is
// another, and whether it was stable ("123.45 g, stable", "0.12347 kg =
// 123.47 g, in motion"). A reply without a weight gives the balance's
// condition (see BalanceConditionText) or "The reply was not a weight."
std::string WeightReadingText(const WeightReading& reading);

} // namespace zephra

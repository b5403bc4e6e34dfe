#pragma once

#include "acquisition/Balance.h"

#include <string>

namespace zephra {

// What a lab is told when the balance reported a condition instead of a
// weight ("The balance reports an overload."); empty for a reply that was
// simply unreadable (BalanceCondition::None).
std::string BalanceConditionText(const WeightReading& reading);

} // namespace zephra

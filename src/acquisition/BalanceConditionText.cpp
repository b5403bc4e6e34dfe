#include "acquisition/BalanceConditionText.h"

namespace zephra {

std::string BalanceConditionText(const WeightReading& reading) {
    switch (reading.Condition) {
    case BalanceCondition::Overload:
        return "The balance reports an overload.";
    case BalanceCondition::Underload:
        return "The balance reports an underload.";
    case BalanceCondition::Busy:
        return "The balance is busy and gives no weight.";
    case BalanceCondition::Refused:
        return "The balance reports an error (" + reading.Detail + ").";
    case BalanceCondition::UnknownUnit:
        return "The balance weighs in \"" + reading.Detail +
               "\", which cannot be converted to grams. Set the balance to grams.";
    case BalanceCondition::None:
        break;
    }
    return {};
}

} // namespace zephra

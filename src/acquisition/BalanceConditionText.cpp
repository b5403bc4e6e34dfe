#include "acquisition/BalanceConditionText.h"

#include "document/TextCatalog.h"
#include "entry/ControlCharacters.h"

namespace zephra {

// The balance's own words are shown with their control characters as
// escapes: a reply can hold anything.
std::string BalanceConditionText(const WeightReading& reading) {
    switch (reading.Condition) {
    case BalanceCondition::Overload:
        return CoreText("Balance", "The balance reports an overload.");
    case BalanceCondition::Underload:
        return CoreText("Balance", "The balance reports an underload.");
    case BalanceCondition::Busy:
        return CoreText("Balance", "The balance is busy and gives no weight.");
    case BalanceCondition::Refused:
        return FilledIn(CoreText("Balance", "The balance reports an error (%1)."),
                        {VisibleControlCharacters(reading.Detail)});
    case BalanceCondition::UnknownUnit:
        return FilledIn(CoreText("Balance", "The balance weighs in \"%1\", which cannot be "
                                            "converted to grams. Set the balance to grams."),
                        {VisibleControlCharacters(reading.Detail)});
    case BalanceCondition::OutOfRange:
        return FilledIn(CoreText("Balance", "The balance reads %1, beyond the range of a "
                                            "laboratory balance (100 kg)."),
                        {VisibleControlCharacters(reading.Detail)});
    case BalanceCondition::None:
        break;
    }
    return {};
}

} // namespace zephra

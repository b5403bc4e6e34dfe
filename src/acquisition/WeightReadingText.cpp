#include "acquisition/WeightReadingText.h"

#include "acquisition/BalanceConditionText.h"
#include "acquisition/ReplyText.h"
#include "entry/ControlCharacters.h"
#include "entry/FixedText.h"

namespace zephra {

std::string WeightReadingText(const WeightReading& reading) {
    if (reading.Error) {
        const std::string condition = BalanceConditionText(reading);
        return condition.empty() ? "The reply was not a weight." : condition;
    }
    // The reply's own texts, with their control characters as escapes.
    std::string text = VisibleControlCharacters(TrimBlanks(reading.WeightStr));
    if (reading.Unit.empty())
        text += " (no unit)";
    else
        text.append(1, ' ').append(VisibleControlCharacters(reading.Unit));
    if (!reading.Unit.empty() && reading.Unit != "g")
        text += " = " + std::string(TrimBlanks(FixedText(reading.WeightVal, 0, 2))) + " g";
    text += reading.Stable ? ", stable" : ", in motion";
    return text;
}

} // namespace zephra

#include "acquisition/ContinuousReply.h"

#include "acquisition/AandDReply.h"
#include "acquisition/MtSicsReply.h"
#include "acquisition/OhausReply.h"
#include "acquisition/SmaReply.h"

namespace zephra {

WeightReading ParseContinuousLine(std::string_view line) {
    // The first form that recognises the line decides; the plain form,
    // which takes nearly any value and unit, comes last.
    for (WeightReading (*parse)(std::string_view) :
         {ParseMtSicsReply, ParseAandDReply, ParseSmaReply}) {
        WeightReading reading = parse(line);
        if (!reading.Error || reading.Condition != BalanceCondition::None)
            return reading;
    }
    return ParseOhausReply(line);
}

} // namespace zephra

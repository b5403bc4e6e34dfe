#include "acquisition/StorableReading.h"

#include "acquisition/ReplyText.h"
#include "acquisition/WeightUnit.h"
#include "document/TextCatalog.h"
#include "document/WineRec.h"
#include "entry/NumberText.h"

#include <type_traits>

namespace zephra {

std::string ImplausibleWeightText(double grams) {
    const std::string value = MessageNumberText(grams) + " g";
    if (!WithinBalanceRange(grams))
        return FilledIn(CoreText("Collection", "The balance reads %1, which no laboratory "
                                               "balance weighs. Data collection will exit."),
                        {value});
    if (grams < -TareNoiseGrams)
        return FilledIn(CoreText("Collection", "The balance reads %1, below zero after its tare. "
                                               "Data collection will exit."),
                        {value});
    return {};
}

std::string UnstorableVolumeText(std::string_view volumeText) {
    constexpr std::size_t field = std::remove_extent_t<decltype(TData::V)>::Capacity;
    if (volumeText.size() <= field || volumeText.find('.') <= field)
        return {};
    return FilledIn(CoreText("Collection", "A volume of %1 ml does not fit the wine record's "
                                           "volume field. Data collection will exit."),
                    {std::string(TrimBlanks(volumeText))});
}

} // namespace zephra

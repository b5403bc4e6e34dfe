#include "entry/ShownConditions.h"

#include "document/Quantities.h"
#include "document/TextCatalog.h"
#include "entry/DecimalCommaHint.h"
#include "entry/DecimalMark.h"
#include "entry/ShownEntry.h"

#include <algorithm>

namespace zephra {

namespace {

// The numeric fields in the order of the check.
struct NumericField {
    ConditionsField Field;
    std::string ConditionsForm::*Text;
};

const NumericField NumericFields[] = {
    {ConditionsField::LabPressure, &ConditionsForm::LabPressure},
    {ConditionsField::FilterDiameter, &ConditionsForm::FilterDiameter},
    {ConditionsField::MaxPressure, &ConditionsForm::MaxPressure},
    {ConditionsField::Area, &ConditionsForm::Area},
    {ConditionsField::Rate, &ConditionsForm::Rate},
};

std::string TextOf(const ConditionsForm& form, ConditionsField field) {
    for (const NumericField& numeric : NumericFields) {
        if (numeric.Field == field) {
            return form.*numeric.Text;
        }
    }
    return {};
}

constexpr DisplayUnits InLitresPerHour{UnitSystem::Metric, MetricFlowUnit::LitresPerHour};
constexpr DisplayUnits InHectolitresPerHour{UnitSystem::Metric, MetricFlowUnit::HectolitresPerHour};

// The units a shown form's field is in.
DisplayUnits FieldUnits(ConditionsField field, const ConditionsForm& shown,
                        const DisplayUnits& units) {
    if (field != ConditionsField::Rate) {
        return units;
    }
    if (shown.RateUnits == RateLitresPerHour) {
        return InLitresPerHour;
    }
    return shown.RateUnits == RateHectolitresPerHour ? InHectolitresPerHour : UsUnits;
}

bool IsPressure(ConditionsField field) {
    return field == ConditionsField::LabPressure || field == ConditionsField::MaxPressure;
}

// The shown unit per stored unit of a shown form's field; 1 when it is
// shown as stored (the names, the diameter, the area, bpm and gpm).
double FieldFactor(ConditionsField field, const ConditionsForm& shown, const DisplayUnits& units) {
    if (IsPressure(field)) {
        return PressureFactor(units);
    }
    return field == ConditionsField::Rate ? FlowFactor(FieldUnits(field, shown, units)) : 1;
}

// A bound as the message shows it, with the user's decimal mark.
std::string BoundText(double storedBound, double factor, bool lower, DecimalMark mark) {
    std::string text = ShownBoundText(storedBound, factor, lower);
    if (mark == DecimalMark::Comma) {
        std::replace(text.begin(), text.end(), '.', ',');
    }
    return text;
}

// The message of a value typed in a shown unit, with the field's range in
// that unit, the lower bound first.
std::string RangeMessage(ConditionsField field, const ConditionsForm& shown,
                         const DisplayUnits& units, DecimalMark mark) {
    const StoredFormat format = StoredFormatOf(field);
    const double factor = FieldFactor(field, shown, units);
    const DisplayUnits in = FieldUnits(field, shown, units);
    const bool pressure = IsPressure(field);
    const char* message =
        !pressure ? ShownText("ShownConditions", "Full-Scale Rate is out of Range. Please enter a "
                                                 "value between %1 and %2 %3.")
        : field == ConditionsField::LabPressure
            ? ShownText("ShownConditions", "Laboratory Pressure is out of Range. Please enter a "
                                           "value between %1 and %2 %3.")
            : ShownText("ShownConditions", "Maximum Full-Scale Pressure is out of Range. Please "
                                           "enter a value between %1 and %2 %3.");
    return FilledIn(CoreText("ShownConditions", message),
                    {BoundText(format.Lo, factor, true, mark),
                     BoundText(format.Hi, factor, false, mark),
                     std::string(pressure ? PressureUnit(in) : FlowUnit(in))});
}

} // namespace

std::string_view RateUnitName(int rateUnits) {
    switch (rateUnits) {
    case 0:
        return BpmUnit.Name;
    case RateLitresPerHour:
        return MetricFlowUnitName(MetricFlowUnit::LitresPerHour);
    case RateHectolitresPerHour:
        return MetricFlowUnitName(MetricFlowUnit::HectolitresPerHour);
    default:
        return GpmUnit.Name;
    }
}

std::optional<int> RateUnitsNamed(std::string_view name, bool metric) {
    const int last = metric ? RateHectolitresPerHour : 1;
    for (int units = 0; units <= last; ++units) {
        if (name == RateUnitName(units)) {
            return units;
        }
    }
    return std::nullopt;
}

std::optional<MetricFlowUnit> ShownFlowUnit(const ConditionsForm& shown) {
    if (shown.RateUnits == RateLitresPerHour) {
        return MetricFlowUnit::LitresPerHour;
    }
    if (shown.RateUnits == RateHectolitresPerHour) {
        return MetricFlowUnit::HectolitresPerHour;
    }
    return std::nullopt;
}

ConditionsForm ShownConditionsForm(const ConditionsForm& stored, const DisplayUnits& units) {
    if (!units.Metric()) {
        return stored;
    }
    ConditionsForm shown = stored;
    if (stored.RateUnits == 1) {
        shown.RateUnits = units.Flow == MetricFlowUnit::HectolitresPerHour ? RateHectolitresPerHour
                                                                           : RateLitresPerHour;
    }
    for (const NumericField& numeric : NumericFields) {
        const double factor = FieldFactor(numeric.Field, shown, units);
        if (factor != 1) {
            shown.*numeric.Text =
                ShownEntryText(stored.*numeric.Text, factor, StoredFormatOf(numeric.Field));
        }
    }
    return shown;
}

ConditionsForm StoredConditionsForm(const ConditionsForm& shown, const DisplayUnits& units) {
    ConditionsForm stored = shown;
    for (const NumericField& numeric : NumericFields) {
        const double factor = FieldFactor(numeric.Field, shown, units);
        if (factor != 1) {
            const std::string& typed = shown.*numeric.Text;
            stored.*numeric.Text = StoredEntryText(typed, factor, StoredFormatOf(numeric.Field))
                                       .value_or(ConvertedEntryText(typed, factor));
        }
    }
    if (ShownFlowUnit(shown)) {
        stored.RateUnits = 1;
    }
    return stored;
}

std::optional<ConditionsCheckFailure> ShownConditionsCheck(ConditionsForm& shown,
                                                           const DisplayUnits& units,
                                                           ConditionsForm& stored,
                                                           DecimalMark mark) {
    const ConditionsForm typed = shown;
    ConditionsForm pointed = typed;
    for (const NumericField& numeric : NumericFields) {
        pointed.*numeric.Text = WithDecimalPoint(typed.*numeric.Text, mark);
    }
    ConditionsForm checked = StoredConditionsForm(pointed, units);
    std::optional<ConditionsCheckFailure> failure = ConditionsRangeCheck(checked);
    for (const NumericField& numeric : NumericFields) {
        if (failure && numeric.Field >= failure->Field) {
            continue; // as typed
        }
        const double factor = FieldFactor(numeric.Field, typed, units);
        shown.*numeric.Text = factor == 1 ? checked.*numeric.Text
                                          : ShownEntryText(checked.*numeric.Text, factor,
                                                           StoredFormatOf(numeric.Field));
    }
    if (failure && FieldFactor(failure->Field, typed, units) != 1) {
        const std::string message = RangeMessage(failure->Field, typed, units, mark);
        failure->Message = mark == DecimalMark::Point
                               ? WithDecimalCommaHint(message, TextOf(typed, failure->Field))
                               : message;
    }
    if (!failure) {
        stored = checked;
    }
    return failure;
}

} // namespace zephra

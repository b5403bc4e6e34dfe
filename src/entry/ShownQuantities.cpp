#include "entry/ShownQuantities.h"

#include "document/NumberMarks.h"
#include "document/Quantities.h"
#include "document/Windows1252.h"
#include "entry/ConditionsCheck.h"
#include "entry/FixedText.h"
#include "entry/GroupedNumber.h"
#include "entry/NumberText.h"
#include "entry/ShownEntry.h"

#include <cmath>

namespace zephra {

namespace {

// Hectolitres are shown with one decimal below this, whole from there on
// (where one decimal would give "100.0").
constexpr double WholeHectolitres = 99.95;

template <std::size_t N> std::string Text(const ShortString<N>& field) {
    return Win1252ToUtf8(field.text());
}

std::string PaddedTo(const std::string& text, std::size_t width) {
    return text.size() < width ? std::string(width - text.size(), ' ') + text : text;
}

// x with as many decimals (up to `decimals`) as fit in `width` characters,
// right-aligned; wider only when the whole number is.
std::string FittedText(double x, std::size_t width, int decimals) {
    for (int d = decimals; d > 0; --d) {
        const std::string text = FixedText(x, static_cast<int>(width), d);
        if (text.size() <= width) {
            return text;
        }
    }
    return FixedText(x, static_cast<int>(width), 0);
}

// What ends a line and what has a column after it on its line.
enum class Place { LineEnd, BeforeColumn };

// A conditions field as the dialog shows it, right-aligned in the width of
// its stored text; one that has a column after it is rounded to fit there.
template <std::size_t N>
std::string ShownCondition(const ShortString<N>& field, ConditionsField which, double factor,
                           Place place) {
    const std::string_view stored = field.text();
    const std::optional<double> value = ParseEntryNumber(stored);
    if (!value) {
        return Win1252ToUtf8(stored);
    }
    const StoredFormat format = StoredFormatOf(which);
    const auto width = static_cast<std::size_t>(format.Width);
    const std::string shown = ShownEntryText(stored, factor, format);
    return shown.size() <= width || place == Place::LineEnd
               ? PaddedTo(shown, width)
               : FittedText(*value * factor, width, format.Decimals + 2);
}

// A stored text of a fixed width converted by `factor` into the same width,
// or `exact` (already in the unit shown) in its place.
template <std::size_t N>
std::string ShownInWidth(const ShortString<N>& field, double factor, int decimals,
                         std::optional<double> exact) {
    const std::string_view stored = field.text();
    const std::optional<double> value = ParseEntryNumber(stored);
    return value ? FittedText(exact.value_or(*value * factor), stored.size(), decimals)
                 : Win1252ToUtf8(stored);
}

// The equivalent volume's ">10K" (at least 10 000 gallons) as ">378" hL.
std::string ShownEquivalentVolume(const ShortString<4>& field, double factor,
                                  std::optional<double> exact) {
    const std::string_view stored = field.text();
    if (stored.size() > 2 && stored.front() == '>' && stored.back() == 'K') {
        if (const auto thousands = ParseEntryNumber(stored.substr(1, stored.size() - 2))) {
            return std::string(">").append(FixedText(std::floor(*thousands * 1000 * factor), 0, 0));
        }
    }
    return ShownInWidth(field, factor, 2, exact);
}

template <std::size_t N> bool HoldsNumber(const ShortString<N>& field) {
    return ParseEntryNumber(field.text()).has_value();
}

// The production flow through the production area, from the stored texts.
std::optional<double> ProdFaceVelocityFromConditions(const TConditions& c) {
    const std::optional<double> rate = ParseEntryNumber(c.ProdRate.text());
    const std::optional<double> area = ParseEntryNumber(c.ProdA.text());
    if (!rate || !area || !(*area > 0)) {
        return std::nullopt;
    }
    const Flow flow = c.ProdRateUnits.get() == 0 ? Flow::Bpm(*rate) : Flow::Gpm(*rate);
    return flow.Through(Area::SquareMetres(*area)).InLitresPerSquareMetreHour();
}

// A volume in hectolitres: one decimal below 100, whole from there on, and
// grouped by `separator` (the stored text's), or as people read numbers
// when their marks are set.
std::string HectolitreText(double hectolitres, std::string_view separator) {
    if (hectolitres == 0) {
        return "0";
    }
    if (hectolitres < WholeHectolitres) {
        return ShownNumber(FixedText(hectolitres, 0, 1));
    }
    return NumberMarksInUse() ? ShownNumber(FixedText(hectolitres, 0, 0))
                              : GroupedWholeText(hectolitres, separator);
}

} // namespace

std::string ShownEstimate(std::string_view stored, const DisplayUnits& units) {
    const std::size_t start = stored.find_first_not_of(' ');
    if (start == std::string_view::npos || (!units.Metric() && !NumberMarksInUse())) {
        return Win1252ToUtf8(stored);
    }
    const std::string_view lead = stored.substr(0, start);
    std::string_view body = stored.substr(start);
    constexpr std::string_view Over = "over ";
    const bool over = body.substr(0, Over.size()) == Over;
    if (over) {
        body.remove_prefix(Over.size());
    }
    const double factor = VolumeFactor(units);
    // US gallons as people read them: whole, in their marks.
    const auto volumeText = [&units, factor](double gallons, std::string_view separator) {
        return units.Metric() ? HectolitreText(gallons * factor, separator)
                              : ShownNumber(FixedText(gallons, 0, 0));
    };
    if (const auto grouped = ReadGroupedWhole(body)) {
        const std::string separator =
            grouped->Separator == '\0' ? std::string() : std::string(1, grouped->Separator);
        return Win1252ToUtf8(std::string(lead) + (over ? std::string(Over) : std::string())) +
               volumeText(grouped->Value, Win1252ToUtf8(separator));
    }
    if (const auto number = ParseEntryNumber(body); number && !over) {
        return std::string(lead) + volumeText(*number, {});
    }
    return Win1252ToUtf8(stored);
}

std::string ShownVolume(double gallons, const DisplayUnits& units) {
    if (!units.Metric()) {
        return ShownNumber(FixedText(gallons, 0, 0));
    }
    const double hectolitres = gallons * VolumeFactor(units);
    return ShownNumber(FixedText(hectolitres, 0, hectolitres < WholeHectolitres ? 1 : 0));
}

ExactResults ExactResultsOf(const TWineRec& rec, const DisplayUnits& units,
                            const std::optional<LabResults>& lab) {
    ExactResults exact;
    if (!units.Metric()) {
        return exact;
    }
    if (lab && HoldsNumber(rec.LabEquivVol)) {
        exact.LabEquivalentVolume = Volume::Litres(lab->EquivalentVolumeL).InHectolitres();
    }
    if (lab && HoldsNumber(rec.LabFaceVel)) {
        exact.LabFaceVelocity = lab->FaceVelocityLPerM2H;
    }
    if (HoldsNumber(rec.ProdFaceVel)) {
        exact.ProdFaceVelocity = ProdFaceVelocityFromConditions(rec.Conditions);
    }
    return exact;
}

ReportQuantities ShownQuantities(const TWineRec& rec, const DisplayUnits& units,
                                 const std::optional<LabResults>& lab) {
    if (!units.Metric()) {
        // The stored texts; the estimates' grouping as people read it.
        ReportQuantities stored = StoredQuantities(rec);
        stored.ExpectedVolP = ShownEstimate(rec.ExpectedVolP.text(), units);
        stored.ExpectedVolE = ShownEstimate(rec.ExpectedVolE.text(), units);
        return stored;
    }
    const ExactResults exact = ExactResultsOf(rec, units, lab);
    const TConditions& c = rec.Conditions;
    const bool bottles = c.ProdRateUnits.get() == 0;
    const double pressure = PressureFactor(units);
    const double faceVelocity = FaceVelocityFactor(units);
    return {ShownCondition(c.LabP, ConditionsField::LabPressure, pressure, Place::BeforeColumn),
            ShownCondition(c.ProdP, ConditionsField::MaxPressure, pressure, Place::LineEnd),
            std::string(PressureUnit(units)),
            ShownEquivalentVolume(rec.LabEquivVol, VolumeFactor(units), exact.LabEquivalentVolume),
            std::string(VolumeUnit(units)),
            bottles ? Text(c.ProdRate)
                    : ShownCondition(c.ProdRate, ConditionsField::Rate, FlowFactor(units),
                                     Place::LineEnd),
            std::string(bottles ? BpmUnit.Name : FlowUnit(units)),
            ShownInWidth(rec.LabFaceVel, faceVelocity, 1, exact.LabFaceVelocity),
            ShownInWidth(rec.ProdFaceVel, faceVelocity, 1, exact.ProdFaceVelocity),
            std::string(FaceVelocityUnit(units)),
            ShownEstimate(rec.ExpectedVolP.text(), units),
            ShownEstimate(rec.ExpectedVolE.text(), units),
            std::string(VolumeUnit(units))};
}

} // namespace zephra

#include "entry/ShownQuantities.h"

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

std::string HectolitreText(double hectolitres, std::string_view separator) {
    if (hectolitres == 0) {
        return "0";
    }
    return hectolitres < WholeHectolitres ? FixedText(hectolitres, 0, 1)
                                          : GroupedWholeText(hectolitres, separator);
}

} // namespace

std::string ShownEstimate(std::string_view stored, const DisplayUnits& units) {
    const std::size_t start = stored.find_first_not_of(' ');
    if (!units.Metric() || start == std::string_view::npos) {
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
    if (const auto grouped = ReadGroupedWhole(body)) {
        const std::string separator =
            grouped->Separator == '\0' ? std::string() : std::string(1, grouped->Separator);
        return Win1252ToUtf8(std::string(lead) + (over ? std::string(Over) : std::string()) +
                             HectolitreText(grouped->Value * factor, separator));
    }
    if (const auto number = ParseEntryNumber(body); number && !over) {
        return std::string(lead) + HectolitreText(*number * factor, ",");
    }
    return Win1252ToUtf8(stored);
}

std::string ShownVolume(double gallons, const DisplayUnits& units) {
    if (!units.Metric()) {
        return FixedText(gallons, 0, 0);
    }
    const double hectolitres = gallons * VolumeFactor(units);
    return FixedText(hectolitres, 0, hectolitres < WholeHectolitres ? 1 : 0);
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
        return StoredQuantities(rec);
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

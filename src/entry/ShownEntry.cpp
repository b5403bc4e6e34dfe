#include "entry/ShownEntry.h"

#include "entry/EntryFormat.h"
#include "entry/FixedText.h"
#include "entry/NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <iterator>

namespace zephra {

namespace {

// The coarsest and finest steps a shown value is rounded to.
constexpr int CoarsestStep = 6;
constexpr int FinestStep = -9;

// The shortest text that reads back as exactly `x`.
std::string ExactText(double x) {
    char text[32];
    const auto end = std::to_chars(std::begin(text), std::end(text), x).ptr;
    return std::string(text, end);
}

std::optional<std::string> Formatted(std::string text, const StoredFormat& format) {
    bool error = false;
    double value = 0.0;
    Format(text, error, value, format.Hi, format.Lo, format.Width, format.Decimals);
    return error ? std::nullopt : std::optional<std::string>(std::move(text));
}

// The decimals that leave `digits` significant digits in x (negative: whole
// tens, hundreds...).
int DecimalsFor(double x, int digits) {
    if (x == 0 || !std::isfinite(x)) {
        return 0;
    }
    return digits - 1 - static_cast<int>(std::floor(std::log10(std::fabs(x))));
}

std::string WithoutTrailingZeros(std::string text) {
    if (text.find('.') == std::string::npos) {
        return text;
    }
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.') {
        text.pop_back();
    }
    return text;
}

} // namespace

std::string ConvertedEntryText(std::string_view shown, double factor) {
    const std::optional<double> value = ParseEntryNumber(shown);
    return value ? ExactText(*value / factor) : std::string(shown);
}

std::optional<std::string> StoredEntryText(std::string_view shown, double factor,
                                           const StoredFormat& format) {
    if (!ParseEntryNumber(shown)) {
        return std::nullopt;
    }
    return Formatted(ConvertedEntryText(shown, factor), format);
}

std::string ShownEntryText(std::string_view stored, double factor, const StoredFormat& format) {
    const std::optional<double> value = ParseEntryNumber(stored);
    if (!value) {
        return std::string(stored);
    }
    const double shown = *value * factor;
    // The stored text as the field writes it, so that "29" finds what " 29.0" shows.
    const std::optional<std::string> target = Formatted(std::string(stored), format);
    if (!target) {
        return SignificantFixedText(shown, 4);
    }
    for (int exponent = CoarsestStep; exponent >= FinestStep; --exponent) {
        const double step = std::pow(10.0, exponent);
        const double nearest = std::round(shown / step);
        // The neighbours too: a field that cuts its decimals keeps values
        // that lie on one side of its text only.
        for (const double multiple : {nearest, nearest - 1, nearest + 1}) {
            const std::string text = FixedText(multiple * step, 0, std::max(0, -exponent));
            if (StoredEntryText(text, factor, format) == target) {
                return text;
            }
        }
    }
    return SignificantFixedText(shown, 4);
}

std::string ShownBoundText(double storedBound, double factor, bool lower) {
    constexpr int Digits = 3;
    const double shown = storedBound * factor;
    const int decimals = DecimalsFor(shown, Digits);
    const double scale = std::pow(10.0, decimals);
    const double inside = (lower ? std::ceil(shown * scale) : std::floor(shown * scale)) / scale;
    return WithoutTrailingZeros(FixedText(inside, 0, std::max(0, decimals)));
}

std::string SignificantFixedText(double x, int digits) {
    return FixedText(x, 0, std::clamp(DecimalsFor(x, digits), 0, 9));
}

} // namespace zephra

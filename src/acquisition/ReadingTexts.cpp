#include "acquisition/ReadingTexts.h"

#include "entry/FixedText.h"

#include <cmath>

namespace zephra {

namespace {

std::string RightAligned(long long value, int width) {
    std::string text = std::to_string(value);
    if (static_cast<int>(text.size()) < width)
        text.insert(0, static_cast<std::size_t>(width) - text.size(), ' ');
    return text;
}

} // namespace

ReadingTexts MakeReadingTexts(double volumeMl, std::int64_t elapsedMs) {
    long long minutes = elapsedMs / 60000;
    const double seconds =
        static_cast<double>(elapsedMs) / 1000.0 - 60.0 * static_cast<double>(minutes);
    long long wholeSeconds = std::llrint(seconds);
    if (wholeSeconds >= 60) {
        minutes += 1;
        wholeSeconds -= 60;
    }
    std::string secondsText = RightAligned(wholeSeconds, 2);
    if (secondsText[0] == ' ')
        secondsText[0] = '0';
    return {FixedText(volumeMl, 6, 1), RightAligned(minutes, 3), secondsText};
}

} // namespace zephra

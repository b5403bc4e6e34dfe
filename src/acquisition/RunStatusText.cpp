#include "acquisition/RunStatusText.h"

#include "document/NumberMarks.h"
#include "entry/FixedText.h"

#include <cmath>
#include <cstdio>

namespace zephra {

namespace {

std::string Trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first);
}

} // namespace

std::string ElapsedText(std::int64_t elapsedMs) {
    const long long seconds = elapsedMs < 0 ? 0 : elapsedMs / 1000;
    char text[48];
    if (seconds >= 3600)
        std::snprintf(text, sizeof text, "%lld:%02lld:%02lld", seconds / 3600, seconds / 60 % 60,
                      seconds % 60);
    else
        std::snprintf(text, sizeof text, "%lld:%02lld", seconds / 60, seconds % 60);
    return text;
}

std::string LastReadingText(const StoredPoint& point) {
    return ShownNumber(Trimmed(FixedText(point.grams, 0, 2))) + " g, " +
           ShownNumber(Trimmed(point.texts.V)) + " ml";
}

std::string IntervalText(double intervalSeconds) {
    return ShownNumber(FixedText(intervalSeconds, 0, 0)) + " s";
}

std::string StallText(std::int64_t stalledMs) {
    return "resumed after " +
           std::to_string(std::llround(static_cast<double>(stalledMs) / 1000.0)) +
           " s without readings";
}

} // namespace zephra

#include "acquisition/CountdownText.h"

#include <cmath>
#include <cstdio>

namespace zephra {

std::string CountdownText(double remainingSeconds) {
    const double minutes = std::trunc(remainingSeconds / 60.0);
    const double seconds = std::trunc(remainingSeconds - 60.0 * minutes + 1.0);
    char text[32];
    std::snprintf(text, sizeof text, "%2.0f:%02.0f", minutes, seconds);
    return text;
}

} // namespace zephra

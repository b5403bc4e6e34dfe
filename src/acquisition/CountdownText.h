#pragma once

#include <string>

namespace zephra {

// The progress window's countdown for `remainingSeconds` (> 0) to the next
// reading: whole minutes in 2 characters, ":", and the seconds, which run
// from 60 down to 1, in 2 characters with a leading "0" (14.5 s gives " 0:15",
// 60 s gives " 1:01", 59.5 s gives " 0:60").
std::string CountdownText(double remainingSeconds);

} // namespace zephra

#pragma once

#include "acquisition/CollectionRun.h"

#include <cstdint>
#include <string>

namespace zephra {

// Texts of the collection window's status lines.

// Time since the start of the run: "m:ss", or "h:mm:ss" from one hour on
// (95 s gives "1:35", 3725 s gives "1:02:05").
std::string ElapsedText(std::int64_t elapsedMs);

// The last stored reading: the balance's weight with 2 decimals and the
// stored volume ("212.40 g, 213.5 ml").
std::string LastReadingText(const StoredPoint& point);

// The reading interval in whole seconds ("15 s", "240 s").
std::string IntervalText(double intervalSeconds);

// A stall of the run, in whole seconds: "resumed after 40 s without readings".
std::string StallText(std::int64_t stalledMs);

} // namespace zephra

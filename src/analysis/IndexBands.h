#pragma once

// The reading bands of the filterability (clogging) index for a 25 mm,
// 0.65 µm membrane at 2 bar, as the oenology literature gives them
// (H. Romat, Filtration en œnologie, Féret, Bordeaux 2014):
//   below 25   very good  a membrane filtration without clogging
//   25 to 50   good       can clog where the filter area is short
//   50 to 100  poor       clogs fast; retention may suffer
//   above 100  very poor  prefiltration or a treatment first
// A laboratory may set its own limits in the [bands] section of zephra.conf.

#include "analysis/FilterabilityIndex.h"
#include "document/ProgramConf.h"

#include <optional>
#include <string>

namespace zephra {

// The upper limits (s) of the first three bands; a limit belongs to the
// band above it.
struct IndexBandLimits {
    double VeryGood = 25;
    double Good = 50;
    double Poor = 100;
    friend bool operator==(const IndexBandLimits&, const IndexBandLimits&) = default;
};

enum class IndexBand { VeryGood, Good, Poor, VeryPoor };

IndexBand BandOf(double indexSeconds, const IndexBandLimits& limits);

// "very good", "good", "poor", "very poor".
std::string BandName(IndexBand band);

// What the band means for the wine, in a laboratory's words.
std::string BandVerdict(IndexBand band);

// The band of an index where it is comparable: nothing when the trial did
// not reach 400 ml or was not run at standard conditions.
std::optional<IndexBand> ReadingBandOf(const FilterabilityIndex& index,
                                       const IndexBandLimits& limits);

// The index with its band for reading: "12.3 s — very good (below 25)",
// "62 s — non-standard conditions, not comparable", "—" when there is none.
std::string IndexReadingText(const FilterabilityIndex& index, const IndexBandLimits& limits);

// The limits of the [bands] section (keys very_good, good, poor, in
// seconds), each missing key at its default. A line of the section that
// cannot be read, or limits that are not numbers, not positive or not
// increasing give the defaults and `problem` says why; `problem` is left as
// it is otherwise.
IndexBandLimits IndexBandLimitsIn(const ProgramConf& conf, std::string& problem);

// The limits of the settings file at `path`: the defaults when there is no
// such file; `problem` says why a file that is there gives the defaults.
IndexBandLimits ReadIndexBandLimits(const std::string& path, std::string& problem);

} // namespace zephra

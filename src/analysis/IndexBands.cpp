#include "analysis/IndexBands.h"

#include "analysis/FoulingAnalysisText.h"

#include <cstring>

namespace zephra {

namespace {

constexpr const char* Section = "bands";

} // namespace

IndexBand BandOf(double seconds, const IndexBandLimits& limits) {
    if (seconds < limits.VeryGood) {
        return IndexBand::VeryGood;
    }
    if (seconds < limits.Good) {
        return IndexBand::Good;
    }
    return seconds < limits.Poor ? IndexBand::Poor : IndexBand::VeryPoor;
}

std::string BandName(IndexBand band) {
    switch (band) {
    case IndexBand::VeryGood:
        return "very good";
    case IndexBand::Good:
        return "good";
    case IndexBand::Poor:
        return "poor";
    case IndexBand::VeryPoor:
        return "very poor";
    }
    return {};
}

std::string BandVerdict(IndexBand band) {
    switch (band) {
    case IndexBand::VeryGood:
        return "Ready to filter: a membrane filtration without clogging.";
    case IndexBand::Good:
        return "Ready to filter; may clog where the filter area is short.";
    case IndexBand::Poor:
        return "Not ready: clogs fast; prefilter or fine the wine first.";
    case IndexBand::VeryPoor:
        return "Not ready: prefiltration or a treatment first.";
    }
    return {};
}

std::optional<IndexBand> ReadingBandOf(const FilterabilityIndex& index,
                                       const IndexBandLimits& limits) {
    if (!index.Seconds || !index.StandardConditions) {
        return std::nullopt;
    }
    return BandOf(*index.Seconds, limits);
}

std::string IndexReadingText(const FilterabilityIndex& index, const IndexBandLimits& limits) {
    if (!index.Seconds) {
        return NoValue;
    }
    const std::string value = ShortNumberText(*index.Seconds, 3) + " s";
    const std::optional<IndexBand> band = ReadingBandOf(index, limits);
    if (!band) {
        return value + " \xE2\x80\x94 non-standard conditions, not comparable";
    }
    std::string range;
    switch (*band) {
    case IndexBand::VeryGood:
        range = "below " + ShortNumberText(limits.VeryGood);
        break;
    case IndexBand::Good:
        range = ShortNumberText(limits.VeryGood) + "\xE2\x80\x93" + ShortNumberText(limits.Good);
        break;
    case IndexBand::Poor:
        range = ShortNumberText(limits.Good) + "\xE2\x80\x93" + ShortNumberText(limits.Poor);
        break;
    case IndexBand::VeryPoor:
        range = "from " + ShortNumberText(limits.Poor);
        break;
    }
    return value + " \xE2\x80\x94 " + BandName(*band) + " (" + range + ")";
}

IndexBandLimits IndexBandLimitsIn(const ProgramConf& conf, std::string& problem) {
    if (conf.SectionUnreadable(Section)) {
        problem = OneMessage(conf.ProblemsIn(Section));
        return {};
    }
    IndexBandLimits limits;
    for (const auto& [key, limit] :
         {std::pair{"very_good", &limits.VeryGood}, std::pair{"good", &limits.Good},
          std::pair{"poor", &limits.Poor}}) {
        const std::optional<std::string> text = conf.Value(Section, key);
        if (!text) {
            continue;
        }
        const std::optional<double> value = SettingNumber(*text);
        if (!value || *value <= 0) {
            problem = std::string("zephra.conf [bands] ") + key + " = " + *text +
                      " is not a positive number of seconds; the published limits are used";
            return {};
        }
        *limit = *value;
    }
    if (!(limits.VeryGood < limits.Good && limits.Good < limits.Poor)) {
        problem = "zephra.conf [bands]: the limits must increase (very_good < good < poor); "
                  "the published limits are used";
        return {};
    }
    return limits;
}

IndexBandLimits ReadIndexBandLimits(const std::string& path, std::string& problem) {
    const ProgramConf conf = ProgramConf::Read(path);
    if (conf.Error() != 0) {
        problem = path + ": " + std::strerror(conf.Error()) + "; the published limits are used";
        return {};
    }
    return IndexBandLimitsIn(conf, problem);
}

} // namespace zephra

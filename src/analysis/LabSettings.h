#pragma once

#include "document/ProgramConf.h"

#include <string>

namespace zephra {

// The choices a laboratory makes once for all its trials. Every figure that
// depends on one of them shows the value it was computed with.
struct LabSettings {
    // The flux at which a filter counts as spent, as a share of its
    // clean-filter flux J0: the capacity of intermediate blocking and cake
    // filtration, which never stop filtering, is the throughput at this flux,
    // and a batch is sized so that its flux stays above it.
    double TerminalFluxShare = 0.10;
    // The factor filter sizing multiplies the area it finds by.
    double SafetyFactor = 1.5;
    friend bool operator==(const LabSettings&, const LabSettings&) = default;
};

// The settings of the [lab] section of zephra.conf:
//
//   [lab]
//   terminal_flux_share = 0.10
//   safety_factor = 1.5
//
// each missing key at its default. A share that is not a number above 0 and
// below 1 or a factor below 1 give the defaults as a whole and `problem`
// says why; `problem` is left as it is otherwise. A line of the section that
// cannot be read gives the defaults as a whole too; ProgramConf::Problems
// names it.
LabSettings LabSettingsIn(const ProgramConf& conf, std::string& problem);

} // namespace zephra

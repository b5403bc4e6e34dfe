#pragma once

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
};

} // namespace zephra

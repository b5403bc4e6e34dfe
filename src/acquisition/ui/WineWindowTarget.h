#pragma once

#include "acquisition/CollectionRun.h"
#include "document/MessageBoxes.h"

namespace zephra {

class TMDIChild;

// A run's target on a wine window: the window's wine, recalculated without
// message boxes and shown again after every change.
class WineWindowTarget : public CollectionTarget {
public:
    WineWindowTarget(TMDIChild& window, MessageBoxes& boxes) : window_(window), boxes_(boxes) {}

    TWineClass& Wine() override;
    // Calculate(False), then the report and graph of the window.
    void Recalculate() override;
    // The window's DataCollapse: thins the points, recalculates, redraws.
    void DataCollapse() override;
    // The report and graph of the window, from the record as it stands.
    void Refresh() override;

private:
    TMDIChild& window_;
    MessageBoxes& boxes_;
};

} // namespace zephra

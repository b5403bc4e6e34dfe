#pragma once

#include "acquisition/CollectionRun.h"

namespace zephra {

class TMDIChild;

// A run's target on a wine window: the window's wine, shown again in the
// window after every change the run makes.
class WineWindowTarget : public CollectionTarget {
public:
    explicit WineWindowTarget(TMDIChild& window) : window_(window) {}

    TWineClass& Wine() override;
    // The report panels and the graph of the window, from the record as it stands.
    void Refresh() override;
    // The window's recovery journal takes the point.
    std::string KeepStoredPoint() override;

private:
    TMDIChild& window_;
};

} // namespace zephra

#include "acquisition/ui/WineWindowTarget.h"

#include "acquisition/DataCollapse.h"
#include "analysis/Calculate.h"
#include "document/ui/MDIChild.h"

namespace zephra {

TWineClass& WineWindowTarget::Wine() {
    return window_.WineClass;
}

void WineWindowTarget::Recalculate() {
    Calculate(window_.WineClass.WineRec, false, boxes_);
    Refresh();
}

void WineWindowTarget::Refresh() {
    window_.FillLines();
}

void WineWindowTarget::DataCollapse() {
    zephra::DataCollapse(window_.WineClass.WineRec.Data);
    Recalculate();
}

} // namespace zephra

#pragma once

#include "analysis/FoulingAnalysis.h"
#include "document/WineRec.h"
#include "graphs/GraphWindowPicture.h"
#include "graphs/XyChart.h"

namespace zephra {

// The charts of a wine as the lab report page draws them: what the graph
// windows show, drawn by DrawChart at the page's size.

// Resistance R (10⁹ 1/m) against V/A (m): the points (those not used as
// crosses) and both models' curves; at the production scale over the
// production graph's ranges with the maximum production resistance.
// Throws FloatingPointFault where the graph windows' ranges cannot be
// computed.
Chart ResistanceChart(const TWineRec& rec, GraphScale scale);

// The fouling analysis: volume V (ml) against time t (min) of every counted
// point and the curve of every fitted law, the best one so named.
Chart FoulingChart(const FoulingAnalysis& analysis);

} // namespace zephra

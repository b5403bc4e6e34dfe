#pragma once

#include <optional>
#include <vector>

namespace zephra {

// Step tables of the axes. An x step is looked up by m = round(MaxX), a y
// step by r = round((MaxY - MinY) / 10), both halves to even. No value
// (std::nullopt) means "stop": only the first label or tick is drawn.
using AxisStep = std::optional<double>;

// x labels of the wine window graph and the laboratory-scale graph.
AxisStep LabXLabelStep(double maxX);
// x ticks of the laboratory-scale graph.
AxisStep LabXTickStep(double maxX);
// x labels and ticks of the production-scale graph.
AxisStep ProductionXStep(double maxX);
// y labels of all three graphs, y ticks of the two graph windows.
AxisStep YLabelStep(double minY, double maxY);
AxisStep YTickStep(double minY, double maxY);

// The values at which an axis draws its labels or ticks: first `min`, then
// repeatedly v = v + step (an accumulated sum, never min + i * step) for as
// long as v does not exceed `max`. So a value at the maximum itself is drawn
// only if the running sum does not overshoot it.
std::vector<double> AxisStepValues(double min, double max, AxisStep step);

} // namespace zephra

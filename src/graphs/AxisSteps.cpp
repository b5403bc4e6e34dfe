#include "graphs/AxisSteps.h"

#include <cmath>

namespace zephra {

namespace {

struct StepRow {
    double UpTo; // the last m or r of the row
    double Step;
};

template <std::size_t N> AxisStep LookUp(const StepRow (&table)[N], double key) {
    for (const StepRow& row : table) {
        if (key <= row.UpTo) {
            return row.Step;
        }
    }
    return std::nullopt;
}

double RoundHalfEven(double x) {
    return std::nearbyint(x);
}

constexpr StepRow LabXLabels[] = {{2, 0.5}, {10, 1}, {30, 5}, {100, 10}};
constexpr StepRow LabXTicks[] = {{2, 0.1}, {10, 0.5}, {30, 5}, {100, 10}};
constexpr StepRow ProductionX[] = {{10, 1},     {30, 5},     {100, 10},    {300, 50},
                                   {1000, 100}, {3000, 500}, {10000, 1000}};
constexpr StepRow YLabels[] = {{1, 1},         {5, 5},        {10, 10},     {50, 50},
                               {100, 100},     {500, 500},    {1000, 1000}, {5000, 5000},
                               {10000, 10000}, {32767, 50000}};
constexpr StepRow YTicks[] = {{1, 0.5},   {5, 1},      {10, 5},      {50, 10},      {100, 50},
                              {500, 100}, {1000, 500}, {5000, 1000}, {10000, 5000}, {32767, 10000}};

double YKey(double minY, double maxY) {
    return RoundHalfEven((maxY - minY) / 10.0);
}

} // namespace

AxisStep LabXLabelStep(double maxX) {
    return LookUp(LabXLabels, RoundHalfEven(maxX));
}
AxisStep LabXTickStep(double maxX) {
    return LookUp(LabXTicks, RoundHalfEven(maxX));
}
AxisStep ProductionXStep(double maxX) {
    return LookUp(ProductionX, RoundHalfEven(maxX));
}
AxisStep YLabelStep(double minY, double maxY) {
    return LookUp(YLabels, YKey(minY, maxY));
}
AxisStep YTickStep(double minY, double maxY) {
    return LookUp(YTicks, YKey(minY, maxY));
}

std::vector<double> AxisStepValues(double min, double max, AxisStep step) {
    std::vector<double> values;
    double v = min;
    do {
        values.push_back(v);
        if (!step) {
            break;
        }
        const double next = v + *step;
        if (next == v) {
            break; // the step is lost below the precision of v
        }
        v = next;
    } while (!(v > max));
    return values;
}

} // namespace zephra

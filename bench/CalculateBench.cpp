#include "analysis/Calculate.h"
#include "document/WineFile.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

namespace zephra {
namespace {

class NoBoxes : public MessageBoxes {
public:
    BoxAnswer Show(BoxKind, const std::string&, BoxButtons, BoxAnswer) override {
        return BoxAnswer::Ok;
    }
};

// Cumulative volumes (ml) of a 36-point trial whose resistance rises as a
// power law of the volume.
const std::vector<std::string> Volumes = {
    "   7.2", "  14.2", "  21.2", "  28.0", "  34.6", "  41.1", "  47.5", "  53.7", "  59.7",
    "  65.6", "  71.3", "  76.9", "  82.4", "  87.7", "  92.9", "  98.0", " 103.0", " 107.8",
    " 112.6", " 117.2", " 121.8", " 126.2", " 130.6", " 134.9", " 139.0", " 143.2", " 147.2",
    " 151.2", " 155.1", " 158.9", " 162.7", " 166.4", " 170.1", " 173.6", " 177.2", " 180.7"};

TWineRec Wine(const char* labPressure, const char* prodPressure, const char* prodRate,
              int interval) {
    TWineRec rec{};
    rec.Conditions.LabP.assign(labPressure);
    rec.Conditions.LabFiltDia.assign("47.0");
    rec.Conditions.ProdP.assign(prodPressure);
    rec.Conditions.ProdA.assign("10.0");
    rec.Conditions.ProdRate.assign(prodRate);
    for (std::size_t i = 0; i < Volumes.size(); ++i) {
        const int t = interval * static_cast<int>(i + 1);
        char minutes[16];
        char seconds[16];
        std::snprintf(minutes, sizeof minutes, "%3d", t / 60);
        std::snprintf(seconds, sizeof seconds, "%02d", t % 60);
        rec.Data.V[i].assign(Volumes[i]);
        rec.Data.T[i].M.assign(minutes);
        rec.Data.T[i].Sc.assign(seconds);
    }
    return rec;
}

void Run(benchmark::State& state, const TWineRec& wine) {
    NoBoxes boxes;
    for (auto _ : state) {
        TWineRec rec = wine;
        Calculate(rec, false, boxes, ",");
        benchmark::DoNotOptimize(rec);
    }
}

// One reading every 15 s at 30 psi: resistances of 5·10¹¹ to 10¹² m⁻¹.
void BM_CalculateTypicalWine(benchmark::State& state) {
    Run(state, Wine("30.0", "  30", "20.0", 15));
}
BENCHMARK(BM_CalculateTypicalWine)->Unit(benchmark::kMicrosecond);

// The shipped sample wine: a 36-point trial every 15 s with resistances of
// 9·10¹⁰ to 3.5·10¹¹ m⁻¹, as read from its file.
void BM_CalculateSampleWine(benchmark::State& state) {
    NoBoxes boxes;
    TWineRec wine{};
    if (!ZephraFileOpen(ZEPHRA_SAMPLE_WINE, wine, boxes)) {
        state.SkipWithError("the sample wine could not be read");
        return;
    }
    Run(state, wine);
}
BENCHMARK(BM_CalculateSampleWine)->Unit(benchmark::kMicrosecond);

// One reading every 15 min at 1000 psi: resistances near 10¹⁵ m⁻¹, where
// the power model's search climbs about a million coarse steps.
void BM_CalculateResistancesNear1E15(benchmark::State& state) {
    Run(state, Wine("1000", "1000", " 0.1", 900));
}
BENCHMARK(BM_CalculateResistancesNear1E15)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace zephra

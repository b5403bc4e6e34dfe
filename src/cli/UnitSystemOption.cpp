#include "cli/UnitSystemOption.h"

namespace zephra::cli {

const char* const UnitSystemOptionHelp =
    "  --unit-system us|metric  units of the values: us (psi, US gallons, gpm; the\n"
    "                           default) or metric (bar, hL, L/h, L/(m²·h))\n";

OptionSpec UnitSystemOptionSpec() {
    return {"--unit-system", 1, false};
}

DisplayUnits UnitsOption(const ParsedArguments& parsed) {
    const std::string name = parsed.value("--unit-system", "us");
    const std::optional<UnitSystem> system = UnitSystemNamed(name);
    if (!system) {
        throw UsageError("--unit-system must be 'us' or 'metric'");
    }
    return {*system, MetricFlowUnit::LitresPerHour};
}

} // namespace zephra::cli

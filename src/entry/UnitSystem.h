#pragma once

// The units the program shows values in and takes them in. The wine record
// keeps its own units (psi, US gallons, bpm or gpm, gpm/m²) and every
// calculation runs on them; in metric units what is shown and typed is
// converted with the exact definitions of Quantities.h: pressures in bar,
// volumes in hectolitres, flows in L/h or hL/h and face velocities in
// L/(m²·h). Bottles per minute, millimetres, m², ml and seconds are the same
// in both systems.

#include <optional>
#include <string_view>

namespace zephra {

enum class UnitSystem { Us, Metric };

// The unit a production flow kept in gpm is shown and typed in, in metric
// units.
enum class MetricFlowUnit { LitresPerHour, HectolitresPerHour };

struct DisplayUnits {
    UnitSystem System = UnitSystem::Us;
    MetricFlowUnit Flow = MetricFlowUnit::LitresPerHour;

    bool Metric() const { return System == UnitSystem::Metric; }
    bool operator==(const DisplayUnits&) const = default;
};

// The units of the record, as the program shows them by default.
inline constexpr DisplayUnits UsUnits{};

// The names used in settings files and on the command line: "us" and
// "metric", "L/h" and "hL/h".
std::string_view UnitSystemName(UnitSystem system);
std::optional<UnitSystem> UnitSystemNamed(std::string_view name);
std::string_view MetricFlowUnitName(MetricFlowUnit unit);
std::optional<MetricFlowUnit> MetricFlowUnitNamed(std::string_view name);

// The factor from the record's unit to the unit shown: shown value = stored
// value × factor. All are 1 in US units.
double PressureFactor(const DisplayUnits& units);     // psi to bar
double VolumeFactor(const DisplayUnits& units);       // US gallons to hL
double FlowFactor(const DisplayUnits& units);         // gpm to L/h or hL/h
double FaceVelocityFactor(const DisplayUnits& units); // gpm/m² to L/(m²·h)

// The shown units' labels: "psi" or "bar"; "gal" or "hL"; "gpm", "L/h" or
// "hL/h"; "gpm/m2" or "L/(m²·h)" (UTF-8).
std::string_view PressureUnit(const DisplayUnits& units);
std::string_view VolumeUnit(const DisplayUnits& units);
std::string_view FlowUnit(const DisplayUnits& units);
std::string_view FaceVelocityUnit(const DisplayUnits& units);

} // namespace zephra

#include "entry/UnitSystem.h"

#include "entry/UnitConstants.h"

namespace zephra {

namespace {

constexpr double MinutesPerHour = 60;
constexpr double LitresPerHectolitre = 100;

} // namespace

std::string_view UnitSystemName(UnitSystem system) {
    return system == UnitSystem::Metric ? "metric" : "us";
}

std::optional<UnitSystem> UnitSystemNamed(std::string_view name) {
    for (const UnitSystem system : {UnitSystem::Us, UnitSystem::Metric}) {
        if (name == UnitSystemName(system)) {
            return system;
        }
    }
    return std::nullopt;
}

std::string_view MetricFlowUnitName(MetricFlowUnit unit) {
    return unit == MetricFlowUnit::HectolitresPerHour ? "hL/h" : "L/h";
}

std::optional<MetricFlowUnit> MetricFlowUnitNamed(std::string_view name) {
    for (const MetricFlowUnit unit :
         {MetricFlowUnit::LitresPerHour, MetricFlowUnit::HectolitresPerHour}) {
        if (name == MetricFlowUnitName(unit)) {
            return unit;
        }
    }
    return std::nullopt;
}

double PressureFactor(const DisplayUnits& units) {
    return units.Metric() ? ExactBarPerPsi : 1;
}

double VolumeFactor(const DisplayUnits& units) {
    return units.Metric() ? ExactLitresPerGallon / LitresPerHectolitre : 1;
}

double FlowFactor(const DisplayUnits& units) {
    if (!units.Metric()) {
        return 1;
    }
    const double litresPerHour = ExactLitresPerGallon * MinutesPerHour;
    return units.Flow == MetricFlowUnit::HectolitresPerHour ? litresPerHour / LitresPerHectolitre
                                                            : litresPerHour;
}

double FaceVelocityFactor(const DisplayUnits& units) {
    return units.Metric() ? ExactLitresPerGallon * MinutesPerHour : 1;
}

std::string_view PressureUnit(const DisplayUnits& units) {
    return units.Metric() ? "bar" : "psi";
}

std::string_view VolumeUnit(const DisplayUnits& units) {
    return units.Metric() ? "hL" : "gal";
}

std::string_view FlowUnit(const DisplayUnits& units) {
    return units.Metric() ? MetricFlowUnitName(units.Flow) : "gpm";
}

std::string_view FaceVelocityUnit(const DisplayUnits& units) {
    return units.Metric() ? "L/(m²·h)" : "gpm/m2";
}

} // namespace zephra

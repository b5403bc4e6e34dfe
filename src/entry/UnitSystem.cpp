#include "entry/UnitSystem.h"

#include "document/Quantities.h"

namespace zephra {

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
    return (unit == MetricFlowUnit::HectolitresPerHour ? HectolitresPerHourUnit : LitresPerHourUnit)
        .Name;
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
    return units.Metric() ? Pressure::Psi(1).InBar() : 1;
}

double VolumeFactor(const DisplayUnits& units) {
    return units.Metric() ? Volume::Gallons(1).InHectolitres() : 1;
}

double FlowFactor(const DisplayUnits& units) {
    if (!units.Metric()) {
        return 1;
    }
    const Flow gpm = Flow::Gpm(1);
    return units.Flow == MetricFlowUnit::HectolitresPerHour ? gpm.InHectolitresPerHour()
                                                            : gpm.InLitresPerHour();
}

double FaceVelocityFactor(const DisplayUnits& units) {
    return units.Metric() ? Flux::GpmPerSquareMetre(1).InLitresPerSquareMetreHour() : 1;
}

std::string_view PressureUnit(const DisplayUnits& units) {
    return (units.Metric() ? BarUnit : PsiUnit).Name;
}

std::string_view VolumeUnit(const DisplayUnits& units) {
    return (units.Metric() ? HectolitreUnit : GallonUnit).Name;
}

std::string_view FlowUnit(const DisplayUnits& units) {
    return units.Metric() ? MetricFlowUnitName(units.Flow) : GpmUnit.Name;
}

std::string_view FaceVelocityUnit(const DisplayUnits& units) {
    return (units.Metric() ? LitresPerSquareMetreHourUnit : GpmPerSquareMetreUnit).Name;
}

} // namespace zephra

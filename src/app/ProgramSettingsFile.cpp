#include "app/ProgramSettingsFile.h"

#include "document/IniFile.h"

namespace zephra {

namespace {

constexpr const char* Section = "Units";
constexpr const char* SystemKey = "System";
constexpr const char* FlowKey = "MetricFlow";

} // namespace

DisplayUnits ReadDisplayUnits(const QString& path) {
    const IniFile file = ReadIniFile(path.toStdString()).file;
    DisplayUnits units;
    if (const auto system = file.Value(Section, SystemKey)) {
        units.System = UnitSystemNamed(*system).value_or(units.System);
    }
    if (const auto flow = file.Value(Section, FlowKey)) {
        units.Flow = MetricFlowUnitNamed(*flow).value_or(units.Flow);
    }
    return units;
}

bool WriteDisplayUnits(const QString& path, const DisplayUnits& units) {
    IniFile file = ReadIniFile(path.toStdString()).file;
    file.Set(Section, SystemKey, std::string(UnitSystemName(units.System)));
    file.Set(Section, FlowKey, std::string(MetricFlowUnitName(units.Flow)));
    return WriteIniFile(path.toStdString(), file) == 0;
}

} // namespace zephra

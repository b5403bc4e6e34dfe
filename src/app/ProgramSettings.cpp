#include "app/ProgramSettings.h"

#include "document/ProgramConf.h"

namespace zephra {

namespace {

const std::string UnitsSection = "Units";
const std::string SystemKey = "System";
const std::string FlowKey = "MetricFlow";

// The units of the [Units] section; for a missing key or a value that names
// nothing, the default (US, L/h).
DisplayUnits DisplayUnitsIn(const ProgramConf& conf) {
    DisplayUnits units;
    if (const auto system = conf.Value(UnitsSection, SystemKey)) {
        units.System = UnitSystemNamed(*system).value_or(units.System);
    }
    if (const auto flow = conf.Value(UnitsSection, FlowKey)) {
        units.Flow = MetricFlowUnitNamed(*flow).value_or(units.Flow);
    }
    return units;
}

} // namespace

QString ProgramSettingsPath() {
    return QString::fromStdString(ProgramConfPath());
}

ProgramSettings::ProgramSettings(QString path) : path_(std::move(path)) {
    if (path_.isEmpty()) {
        return;
    }
    const ProgramConf conf = ProgramConf::Read(path_.toStdString());
    units_ = DisplayUnitsIn(conf);
    problems_ = conf.Problems();
    std::string labProblem;
    lab_ = LabSettingsIn(conf, labProblem);
    if (!labProblem.empty()) {
        problems_.push_back(labProblem);
    }
}

void ProgramSettings::SetUnitSystem(UnitSystem system) {
    DisplayUnits units = units_;
    units.System = system;
    Change(units);
}

void ProgramSettings::RememberMetricFlow(MetricFlowUnit unit) {
    DisplayUnits units = units_;
    units.Flow = unit;
    Change(units);
}

void ProgramSettings::Change(const DisplayUnits& units) {
    if (units == units_) {
        return;
    }
    units_ = units;
    if (!path_.isEmpty()) {
        const ProgramConfWrite write =
            WriteProgramConf(path_.toStdString(), UnitsSection,
                             {{SystemKey, std::string(UnitSystemName(units_.System))},
                              {FlowKey, std::string(MetricFlowUnitName(units_.Flow))}});
        if (write.Error != 0) {
            emit WriteFailed(path_, write.Error, write.NotRead);
        }
    }
    emit UnitsChanged();
}

} // namespace zephra

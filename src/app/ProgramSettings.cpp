#include "app/ProgramSettings.h"

#include "acquisition/SettingsFile.h"
#include "app/ProgramSettingsFile.h"

#include <QDir>
#include <QFileInfo>

namespace zephra {

QString ProgramSettingsPath() {
    return QString::fromStdString(ProgramConfPath());
}

ProgramSettings::ProgramSettings(QString path) : path_(std::move(path)) {
    if (!path_.isEmpty()) {
        units_ = ReadDisplayUnits(path_);
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
    if (!path_.isEmpty() && !WriteDisplayUnits(path_, units_)) {
        emit WriteFailed(path_);
    }
    emit UnitsChanged();
}

} // namespace zephra

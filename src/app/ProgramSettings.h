#pragma once

#include "entry/UnitSystem.h"

#include <QObject>
#include <QString>

namespace zephra {

// Where the program keeps its own settings: zephra.conf in the folder of
// the settings file (SettingsFilePath), never in that file itself.
QString ProgramSettingsPath();

// The program's own settings, read once and written whenever one changes:
// the units values are shown in (View → Units) and the unit a metric flow
// was last typed in. A missing or unreadable file gives US units.
class ProgramSettings : public QObject {
    Q_OBJECT

public:
    // Reads the settings at `path`; with an empty path nothing is read or
    // written (the defaults stay).
    explicit ProgramSettings(QString path = {});

    const DisplayUnits& Units() const { return units_; }

    void SetUnitSystem(UnitSystem system);
    // A flow typed in L/h or hL/h is shown in that unit from now on.
    void RememberMetricFlow(MetricFlowUnit unit);

signals:
    // The units have changed; what shows values should show them again.
    void UnitsChanged();
    // The settings could not be written to `path`; they hold until the
    // program ends.
    void WriteFailed(const QString& path);

private:
    void Change(const DisplayUnits& units);

    QString path_;
    DisplayUnits units_;
};

} // namespace zephra

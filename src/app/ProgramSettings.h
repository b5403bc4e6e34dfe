#pragma once

#include "analysis/LabSettings.h"
#include "entry/UnitSystem.h"

#include <QObject>
#include <QString>

#include <string>
#include <vector>

namespace zephra {

// Where the program keeps its own settings: zephra.conf in the folder of
// the settings file (SettingsFilePath), never in that file itself.
QString ProgramSettingsPath();

// The desktop's share of the program's own settings (zephra.conf, see
// document/ProgramConf.h), read once: the units values are shown in
// (View → Units) and the unit a metric flow was last typed in, written
// whenever one changes, and the lab settings. A missing or unreadable file
// gives US units and the lab's defaults.
class ProgramSettings : public QObject {
    Q_OBJECT

public:
    // Reads the settings at `path`; with an empty path nothing is read or
    // written (the defaults stay).
    explicit ProgramSettings(QString path = {});

    const DisplayUnits& Units() const { return units_; }
    const LabSettings& Lab() const { return lab_; }
    // What the user is to be told about the file as it was read: why it
    // could not be read, its lines that cannot be read, lab settings out of
    // range. Empty when all is well.
    const std::vector<std::string>& ReadProblems() const { return problems_; }

    void SetUnitSystem(UnitSystem system);
    // A flow typed in L/h or hL/h is shown in that unit from now on.
    void RememberMetricFlow(MetricFlowUnit unit);

signals:
    // The units have changed; what shows values should show them again.
    void UnitsChanged();
    // The settings could not be written to `path` (the errno `error`); with
    // `notRead` the file is there but could not be read, and was left as it
    // is. The settings hold until the program ends.
    void WriteFailed(const QString& path, int error, bool notRead);

private:
    void Change(const DisplayUnits& units);

    QString path_;
    DisplayUnits units_;
    LabSettings lab_;
    std::vector<std::string> problems_;
};

} // namespace zephra

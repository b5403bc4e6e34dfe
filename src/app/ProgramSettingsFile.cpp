#include "app/ProgramSettingsFile.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace zephra {

namespace {

const QString SystemKey = QStringLiteral("Units/System");
const QString FlowKey = QStringLiteral("Units/MetricFlow");

std::string Text(const QSettings& file, const QString& key) {
    return file.value(key).toString().toStdString();
}

QString Text(std::string_view name) {
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

} // namespace

DisplayUnits ReadDisplayUnits(const QString& path) {
    const QSettings file(path, QSettings::IniFormat);
    DisplayUnits units;
    units.System = UnitSystemNamed(Text(file, SystemKey)).value_or(units.System);
    units.Flow = MetricFlowUnitNamed(Text(file, FlowKey)).value_or(units.Flow);
    return units;
}

bool WriteDisplayUnits(const QString& path, const DisplayUnits& units) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSettings file(path, QSettings::IniFormat);
    file.setValue(SystemKey, Text(UnitSystemName(units.System)));
    file.setValue(FlowKey, Text(MetricFlowUnitName(units.Flow)));
    file.sync();
    return file.status() == QSettings::NoError;
}

} // namespace zephra

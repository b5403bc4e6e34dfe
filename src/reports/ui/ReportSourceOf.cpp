#include "reports/ui/ReportSourceOf.h"

#include <QFileInfo>

namespace zephra {

ReportSource ReportSourceOf(const QString& path, const QDateTime& printed) {
    const QFileInfo file(path);
    ReportSource source;
    source.FileName = file.fileName().toStdString();
    source.Modified = file.exists() ? ReportTimeText(file.lastModified()).toStdString()
                                    : std::string("not saved");
    source.Printed = ReportTimeText(printed).toStdString();
    return source;
}

QString ReportTimeText(const QDateTime& time) {
    return time.toString(QStringLiteral("yyyy-MM-dd HH:mm"));
}

} // namespace zephra

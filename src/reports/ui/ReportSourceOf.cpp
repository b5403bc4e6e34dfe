#include "reports/ui/ReportSourceOf.h"

#include <QFileInfo>

namespace zephra {

ReportSource ReportSourceOf(const QString& path, const QDateTime& printed, bool unsavedChanges) {
    const QFileInfo file(path);
    ReportSource source;
    source.FileName = file.fileName().toStdString();
    if (!file.exists()) {
        source.Modified = "not saved";
    } else {
        source.Modified = ReportTimeText(file.lastModified()).toStdString() +
                          (unsavedChanges ? " (changed since, not saved)" : "");
    }
    source.Printed = ReportTimeText(printed).toStdString();
    return source;
}

QString ReportTimeText(const QDateTime& time) {
    return time.toString(QStringLiteral("yyyy-MM-dd HH:mm"));
}

} // namespace zephra

#include "reports/ui/ReportSourceOf.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace zephra {

ReportSource ReportSourceOf(const QString& path, const QDateTime& printed, bool unsavedChanges) {
    const QFileInfo file(path);
    ReportSource source;
    source.FileName = file.fileName().toStdString();
    if (!file.exists()) {
        source.Modified = QCoreApplication::translate("ReportSource", "not saved").toStdString();
    } else {
        source.Modified =
            ReportTimeText(file.lastModified()).toStdString() +
            (unsavedChanges
                 ? QCoreApplication::translate("ReportSource", " (changed since, not saved)")
                       .toStdString()
                 : std::string());
    }
    source.Printed = ReportTimeText(printed).toStdString();
    return source;
}

QString ReportTimeText(const QDateTime& time) {
    return time.toString(QStringLiteral("yyyy-MM-dd HH:mm"));
}

} // namespace zephra

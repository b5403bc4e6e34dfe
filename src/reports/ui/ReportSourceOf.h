#pragma once

#include "reports/ReportPage.h"

#include <QDateTime>
#include <QString>

namespace zephra {

// The header facts of a wine printed at `printed`: the name of its file and
// the file's modification time, or "not saved" when there is no file.
ReportSource ReportSourceOf(const QString& path, const QDateTime& printed);

// Times as the report prints them: "2026-03-14 09:05".
QString ReportTimeText(const QDateTime& time);

} // namespace zephra

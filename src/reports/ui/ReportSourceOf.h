#pragma once

#include "reports/ReportPage.h"

#include <QDateTime>
#include <QString>

namespace zephra {

// The header facts of a wine printed at `printed`: the name of its file and
// the file's modification time, or "not saved" when there is no file. A
// wine with changes not yet saved says so after the time, since the page
// then shows more than the file holds.
ReportSource ReportSourceOf(const QString& path, const QDateTime& printed,
                            bool unsavedChanges = false);

// Times as the report prints them: "2026-03-14 09:05".
QString ReportTimeText(const QDateTime& time);

} // namespace zephra

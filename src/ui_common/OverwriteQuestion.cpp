#include "ui_common/OverwriteQuestion.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace zephra {

bool MayOverwrite(MessageBoxes& boxes, const QString& path) {
    return !QFileInfo::exists(path) ||
           boxes.Show(BoxKind::Warning,
                      QCoreApplication::translate(
                          "MessageBoxes", "A file with that name already exists. Overwrite it?")
                          .toStdString(),
                      BoxButtons::OkCancel, BoxAnswer::Cancel) == BoxAnswer::Ok;
}

} // namespace zephra

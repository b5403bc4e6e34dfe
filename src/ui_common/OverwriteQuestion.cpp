#include "ui_common/OverwriteQuestion.h"

#include <QFileInfo>

namespace zephra {

bool MayOverwrite(MessageBoxes& boxes, const QString& path) {
    return !QFileInfo::exists(path) ||
           boxes.Show(BoxKind::Warning, "A file with that name already exists. Overwrite it?",
                      BoxButtons::OkCancel, BoxAnswer::Cancel) == BoxAnswer::Ok;
}

} // namespace zephra

#pragma once

#include "ui_common/FileDialogs.h"

namespace zephra {

// The Qt file dialogs and the documents folder of QStandardPaths.
class QtFileDialogs : public FileDialogs {
public:
    std::optional<QString> ChooseOpen(QWidget* parent, const FileDialogSetup& setup) override;
    std::optional<QString> ChooseSave(QWidget* parent, const FileDialogSetup& setup) override;
    QString DocumentsFolder() override;
};

} // namespace zephra

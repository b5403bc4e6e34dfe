#pragma once

#include <QString>

#include <optional>

class QWidget;

namespace zephra {

// What an open or save dialog starts with. `Filter` is written as
// "description|pattern" pairs joined by "|", e.g. "ZEPHRA files|*.zph".
struct FileDialogSetup {
    QString Filter;
    QString InitialDir;
    QString FileName;
};

// The platform's file-choosing side: the open and save dialogs and the
// user's documents folder. The program uses the Qt dialogs; tests script them.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;

    // Shows a modal open / save dialog over `parent`. Returns the chosen full
    // path, or nothing when the user cancelled. The save dialog never asks
    // about overwriting: the program asks itself.
    virtual std::optional<QString> ChooseOpen(QWidget* parent, const FileDialogSetup& setup) = 0;
    virtual std::optional<QString> ChooseSave(QWidget* parent, const FileDialogSetup& setup) = 0;

    // The current user's documents folder, or empty when there is none.
    virtual QString DocumentsFolder() = 0;
};

// A file dialog as a window keeps it between uses: the filter, the starting
// folder and the file-name box, which holds the last chosen path.
class FileDialog {
public:
    enum class Kind { Open, Save };

    FileDialog(Kind kind, FileDialogs& dialogs) : kind_(kind), dialogs_(&dialogs) {}

    FileDialogSetup Setup;

    // Shows the dialog; on OK stores the chosen path in Setup.FileName and
    // returns true.
    bool Execute(QWidget* parent) {
        const auto chosen = kind_ == Kind::Open ? dialogs_->ChooseOpen(parent, Setup)
                                                : dialogs_->ChooseSave(parent, Setup);
        if (!chosen)
            return false;
        Setup.FileName = *chosen;
        return true;
    }

private:
    Kind kind_;
    FileDialogs* dialogs_;
};

} // namespace zephra

#pragma once

#include "app/wine/WineWindow.h"
#include "document/WineRec.h"
#include "ui_common/FileDialogs.h"
#include "ui_common/UiServices.h"

#include <QList>
#include <QObject>
#include <QString>

class QMdiArea;
class QStatusBar;

namespace zephra {

class ProgramSettings;

// The wine windows of the main frame and the file commands acting on them:
// New, Open, Save, Save As and Close, with the name checks, the overwrite
// question and every message on these paths. All commands act on the
// active wine window.
class WineWindows : public QObject {
    Q_OBJECT

public:
    // `frame` is the parent of the dialogs; new wine windows go into `area`;
    // the "File Saved" notice and the warning about notes of an opened file
    // that could not be read go to `statusBar`. Windows and the New command's
    // dialog show values in the units of `settings` (US without).
    WineWindows(QWidget& frame, QMdiArea& area, QStatusBar& statusBar, UiServices services,
                ProgramSettings* settings = nullptr);

    // Number of open wine windows, as counted for placement and enabling.
    int WineWindowCount = 0;
    // The last Save As ended because its file dialog was cancelled.
    bool SaveCancelled = false;
    FileDialog OpenDialog;
    FileDialog SaveDialog;

    // The open wine windows in the order they were created.
    const QList<TMDIChild*>& Windows() const { return windows_; }
    // The wine window the commands act on, or nullptr when none is open.
    TMDIChild* ActiveWineWindow() const;

    void FileNewExecute();
    void FileOpenExecute();
    // Saves to the wine's file; a wine never saved goes through Save As.
    void FileSaveExecute();
    // The save dialog starts in the wine's folder with its file name, or
    // empty for a wine never saved.
    void FileSaveAsExecute();
    // Asks to save a modified wine first; Yes saves as Save does, and the
    // window closes once the wine is saved.
    void FileCloseExecute();

    // Opens the wine file at `fileName` in a new window; returns it, or
    // nullptr when no window stayed open.
    TMDIChild* CreateWineWindow(const QString& fileName);

    // Shows a confirmed new wine in a new window, modified and unsaved.
    TMDIChild* CreateNewWineWindow(const TWineRec& rec, const QString& caption,
                                   const WineNotes& notes = {});

    // Shows the wine of `journal`, whose collected data were recovered after
    // the program ended, with its notes: recalculated, modified, under its
    // file when it had one (else its caption), and kept for recovery again
    // at once. The old journal is deleted once the new one holds the data;
    // when none could be written, the window keeps the old one as its own.
    TMDIChild* RestoreCollectedWine(LeftJournal& journal, const QString& caption,
                                    const QString& fileName);

    // Writes the active wine to `LocalFileName`; `SaveAs` switches on the
    // check against the other windows' files and the overwrite question.
    // `Error` is true when nothing was written.
    void SaveWineFile(const QString& LocalFileName, bool& Error, bool SaveAs);

    // Asks every wine window in turn whether it may close; stops at the
    // first refusal and returns false.
    bool QueryCloseAll();

signals:
    // A wine window has been counted; `count` is the new WineWindowCount.
    void WineWindowAdded(int count);
    // A wine window has closed; `count` is the new WineWindowCount.
    void WineWindowRemoved(int count);

private:
    TMDIChild* MakeWineWindow();
    void Count();
    void WindowClosed(TMDIChild* window);

    QWidget& frame_;
    QMdiArea& area_;
    QStatusBar& statusBar_;
    UiServices services_;
    ProgramSettings* settings_;
    QList<TMDIChild*> windows_;
};

} // namespace zephra

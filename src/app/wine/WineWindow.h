#pragma once

#include "acquisition/RecoveryJournal.h"
#include "document/WineRec.h"
#include "entry/UnitSystem.h"
#include "ui_common/FileDialogs.h"
#include "ui_common/UiServices.h"

#include <QList>
#include <QMdiSubWindow>
#include <QSize>
#include <QString>

#include <string>

class QLabel;
class QPlainTextEdit;
class QTextEdit;

namespace zephra {

// The outer size of a wine window when it opens.
inline constexpr QSize WineWindowSize{512, 590};

// The file name of a wine that has never been saved.
inline const QString UnsavedFileName = QStringLiteral("unsaved");

// A wine window: a child window of the main frame that owns one wine, shows
// its report in two panels and its small graph, and asks about unsaved
// changes before it goes away. It deletes itself once closed. Data collected
// into it are kept in a recovery journal until the wine is saved or the
// window goes (its close prompt let the user give them up), so that a crash
// of the program does not lose them.
class TMDIChild : public QMdiSubWindow {
    Q_OBJECT

public:
    // `openWindows` lists the frame's open wine windows; the close prompt
    // checks their captions. The report shows its values in `units`, which
    // must outlive the window.
    TMDIChild(UiServices services, const QList<TMDIChild*>& openWindows,
              const DisplayUnits& units = UsUnits);

    QString FileName = UnsavedFileName;
    TWineClass WineClass;
    FileDialog SaveDialog;

    QTextEdit* Memo1;      // summary panel
    QPlainTextEdit* Memo2; // table panel
    QLabel* Graph;

    // Places the window once it is in the frame: with n open wine windows at
    // 30 x (n mod 8) pixels right and down, so every eighth starts again at
    // the top left.
    void SetUp(int openWindowCount);

    // The calculation cycle: recalculates every result of the record from
    // its conditions and data points (with message boxes when
    // `ShowDialogs`), then rebuilds the report panels and redraws the graph.
    // Every command that changes the wine's conditions or data ends here.
    void Calculate(bool ShowDialogs);

    // Rebuilds both report panels from the record, in the window's units,
    // then redraws the graph.
    void FillLines();

    // The units the window shows its wine in.
    const DisplayUnits& Units() const { return units_; }

    // Writes the wine to `fileName`, without any question or message; on
    // success the window takes the new name (SetCurrentFile). Returns 0, or
    // the I/O error code when nothing was saved.
    int SaveTo(const QString& fileName);

    // The wine is now kept in `fileName`: the window takes the file's name
    // as its caption and the wine is no longer modified (its recovery
    // journal goes). Every successful save and every opened file ends here.
    void SetCurrentFile(const QString& fileName);

    // Keeps the wine as it stands in the window's recovery journal, on the
    // disk before it returns. Returns what went wrong, empty when all went well.
    std::string KeepForRecovery();
    // Makes `left` the window's recovery journal (RecoveryJournal::TakeOver);
    // false when it could not be taken over.
    bool AdoptJournal(LeftJournal& left);

    // The close prompt: true when the window may close. Yes saves a
    // modified wine to its file; a wine never saved, or one whose file
    // cannot be written, is saved through the window's own save dialog.
    bool FormQuery();

    // Asks before a save would replace notes of the wine's file that could
    // not be read (damaged, or of a later version). True when the save may go
    // on: nothing would be replaced, or the user let them go.
    bool MayReplaceUnreadableNotes();

    // Writes the wine to `fileName` after the close prompt's checks; on
    // success the window takes the new name.
    void WriteWineFile(const QString& fileName, bool& Error);

    QString Caption() const { return windowTitle(); }

    // The message boxes of the window's commands.
    MessageBoxes& Boxes() const { return services_.Boxes; }

signals:
    // The window has closed and is about to be destroyed.
    void Closed(TMDIChild* window);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void FormClose();
    // SaveTo with the close prompt's error box on failure; true when saved.
    bool SaveReportingFailure(const QString& fileName);

    UiServices services_;
    const QList<TMDIChild*>& openWindows_;
    const DisplayUnits& units_;
    RecoveryJournal journal_;
};

} // namespace zephra

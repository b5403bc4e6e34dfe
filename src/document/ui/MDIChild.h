#pragma once

#include "document/WineRec.h"
#include "document/ui/FileDialogs.h"
#include "document/ui/UiServices.h"

#include <QList>
#include <QMdiSubWindow>
#include <QSize>
#include <QString>

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
// changes before it goes away. It deletes itself once closed.
class TMDIChild : public QMdiSubWindow {
    Q_OBJECT

public:
    // `openWindows` lists the frame's open wine windows; the close prompt
    // checks their captions.
    TMDIChild(UiServices services, const QList<TMDIChild*>& openWindows);

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

    // Rebuilds both report panels from the record, then redraws the graph.
    void FillLines();

    // The close prompt: true when the window may close. Asks to save a
    // modified wine through the window's own save dialog.
    bool FormQuery();

    // Writes the wine to `fileName` after the close prompt's checks; on
    // success the window takes the new name.
    void WriteWineFile(const QString& fileName, bool& Error);

    QString Caption() const { return windowTitle(); }

signals:
    // The window has closed and is about to be destroyed.
    void Closed(TMDIChild* window);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void FormClose();

    UiServices services_;
    const QList<TMDIChild*>& openWindows_;
};

} // namespace zephra

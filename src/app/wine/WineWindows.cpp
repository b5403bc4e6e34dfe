#include "app/wine/WineWindows.h"

#include "app/ProgramSettings.h"
#include "app/wine/EntryCommands.h"
#include "document/WineFile.h"
#include "ui_common/OverwriteQuestion.h"
#include "ui_common/WineFileNames.h"

#include <QFile>
#include <QFileInfo>
#include <QMdiArea>
#include <QStatusBar>

#include <string>

namespace zephra {

WineWindows::WineWindows(QWidget& frame, QMdiArea& area, QStatusBar& statusBar, UiServices services,
                         ProgramSettings* settings)
    : OpenDialog(FileDialog::Kind::Open, services.Dialogs),
      SaveDialog(FileDialog::Kind::Save, services.Dialogs), frame_(frame), area_(area),
      statusBar_(statusBar), services_(services), settings_(settings) {
    const QString documents = services.Dialogs.DocumentsFolder();
    OpenDialog.Setup.InitialDir = documents;
    SaveDialog.Setup.InitialDir = documents;
}

TMDIChild* WineWindows::ActiveWineWindow() const {
    auto* window = qobject_cast<TMDIChild*>(area_.currentSubWindow());
    return windows_.contains(window) ? window : nullptr;
}

TMDIChild* WineWindows::MakeWineWindow() {
    auto* window = new TMDIChild(services_, windows_, settings_ ? settings_->Units() : UsUnits);
    connect(window, &TMDIChild::Closed, this, &WineWindows::WindowClosed);
    // Windows destroyed with the frame are never closed: forget them too.
    connect(window, &QObject::destroyed, this, [this, window] { windows_.removeOne(window); });
    windows_.append(window);
    area_.addSubWindow(window);
    window->show();
    // After show: the area places a window of its own accord when it appears.
    window->SetUp(WineWindowCount);
    area_.setActiveSubWindow(window);
    return window;
}

void WineWindows::Count() {
    ++WineWindowCount;
    emit WineWindowAdded(WineWindowCount);
}

void WineWindows::WindowClosed(TMDIChild* window) {
    windows_.removeOne(window);
    --WineWindowCount;
    emit WineWindowRemoved(WineWindowCount);
}

void WineWindows::FileNewExecute() {
    TWineRec rec{};
    WineNotes notes;
    QString caption;
    if (settings_
            ? !NewWineFromConditions(&frame_, services_.Boxes, rec, notes, caption, *settings_)
            : !NewWineFromConditions(&frame_, services_.Boxes, rec, notes, caption))
        return;
    CreateNewWineWindow(rec, caption, notes);
}

TMDIChild* WineWindows::CreateNewWineWindow(const TWineRec& rec, const QString& caption,
                                            const WineNotes& notes) {
    TMDIChild* window = MakeWineWindow();
    window->WineClass.WineRec = rec;
    window->WineClass.Notes = notes;
    window->setWindowTitle(caption);
    window->WineClass.Modified = true;
    window->FileName = UnsavedFileName;
    window->FillLines();
    Count();
    return window;
}

TMDIChild* WineWindows::RestoreCollectedWine(LeftJournal& journal, const QString& caption,
                                             const QString& fileName) {
    const CollectedWine& wine = journal.Contents().wine;
    TMDIChild* window = CreateNewWineWindow(wine.rec, caption, wine.notes);
    if (!fileName.isEmpty())
        window->FileName = fileName;
    window->Calculate(false);
    const std::string problem = window->KeepForRecovery();
    if (problem.empty()) {
        journal.Discard();
        return window;
    }
    // The old journal still holds the data: it stays, as the window's own
    // where it can be taken over (a save then removes it).
    window->AdoptJournal(journal);
    statusBar_.showMessage(QString::fromStdString(problem) + QLatin1Char(' ') +
                           tr("The readings stay in %1.")
                               .arg(QFile::decodeName(QByteArray::fromStdString(journal.Path()))));
    return window;
}

void WineWindows::FileOpenExecute() {
    OpenDialog.Setup.Filter = WineFileFilter;
    OpenDialog.Setup.FileName.clear();
    if (!OpenDialog.Execute(&frame_))
        return;
    const QString path = OpenDialog.Setup.FileName;
    CreateWineWindow(path);
    OpenDialog.Setup.InitialDir = FolderOf(path);
}

TMDIChild* WineWindows::CreateWineWindow(const QString& fileName) {
    for (const TMDIChild* window : windows_) {
        if (window->FileName == fileName) {
            services_.Boxes.Information(tr("A file with that name is already open. It must be "
                                           "closed or saved under another name before opening "
                                           "again.  %1")
                                            .arg(fileName)
                                            .toStdString());
            return nullptr;
        }
    }
    TMDIChild* window = MakeWineWindow();
    window->SetCurrentFile(fileName);
    Count();

    if (!QFileInfo::exists(fileName)) {
        services_.Boxes.Information(tr("Can not locate file.").toStdString());
        window->close();
        return nullptr;
    }
    WineFileContents wine;
    if (!ReadWineFile(LocalPath(fileName), wine, services_.Boxes)) {
        window->close();
        return nullptr;
    }
    window->WineClass.WineRec = wine.Rec;
    window->WineClass.Notes = wine.Notes;
    window->FillLines();
    if (!wine.NotesWarning.empty())
        statusBar_.showMessage(FilePart(fileName) + QStringLiteral(": ") +
                               QString::fromStdString(wine.NotesWarning));
    return window;
}

void WineWindows::FileSaveExecute() {
    TMDIChild* window = ActiveWineWindow();
    if (window == nullptr || !window->MayReplaceUnreadableNotes())
        return;
    if (window->FileName != UnsavedFileName) {
        bool error = false;
        SaveWineFile(window->FileName, error, false);
    } else {
        FileSaveAsExecute();
    }
}

void WineWindows::FileSaveAsExecute() {
    TMDIChild* window = ActiveWineWindow();
    if (window == nullptr)
        return;
    SaveCancelled = !window->MayReplaceUnreadableNotes();
    if (SaveCancelled)
        return;
    SaveDialog.Setup.Filter = WineFileFilter;
    SaveDialog.Setup.FileName.clear();
    if (window->FileName != UnsavedFileName) {
        SaveDialog.Setup.InitialDir = FolderOf(window->FileName);
        SaveDialog.Setup.FileName = FilePart(window->FileName);
    }
    bool error = false;
    do {
        if (!SaveDialog.Execute(&frame_)) {
            SaveCancelled = true;
        } else {
            const QString name = ForceWineExtension(SaveDialog.Setup.FileName);
            SaveWineFile(name, error, true);
            OpenDialog.Setup.InitialDir = FolderOf(name);
        }
    } while (error && !SaveCancelled);
}

void WineWindows::SaveWineFile(const QString& LocalFileName, bool& Error, bool SaveAs) {
    Error = false;
    TMDIChild* window = ActiveWineWindow();
    if (window == nullptr) {
        Error = true;
        return;
    }
    if (SaveAs) {
        for (const TMDIChild* other : windows_) {
            if (other != window && SameIgnoringAsciiCase(other->FileName, LocalFileName)) {
                services_.Boxes.Information(tr("That file is open in another window. Please "
                                               "choose another file name or close that window. %1")
                                                .arg(LocalFileName)
                                                .toStdString());
                Error = true;
            }
        }
        if (!Error)
            Error = !MayOverwrite(services_.Boxes, LocalFileName);
    }
    if (Error)
        return;
    if (const int code = window->SaveTo(LocalFileName)) {
        Error = true;
        services_.Boxes.Warning(tr("I/O Error type %1 occurred while saving the wine file. Your "
                                   "data was not saved!")
                                    .arg(code)
                                    .toStdString() +
                                WineWriteErrorDetail(code));
        return;
    }
    statusBar_.showMessage(tr("File Saved"));
    services_.Time.Wait(400);
    statusBar_.clearMessage();
}

void WineWindows::FileCloseExecute() {
    TMDIChild* window = ActiveWineWindow();
    if (window == nullptr)
        return;
    if (window->WineClass.Modified) {
        const BoxAnswer answer = services_.Boxes.Show(
            BoxKind::Warning, tr("Save %1 before closing?").arg(window->Caption()).toStdString(),
            BoxButtons::YesNo, BoxAnswer::Yes);
        if (answer != BoxAnswer::Yes)
            return;
        FileSaveExecute();
        // Still modified: the save failed or its dialog was cancelled.
        if (window->WineClass.Modified)
            return;
    }
    window->close();
}

bool WineWindows::QueryCloseAll() {
    for (TMDIChild* window : windows_) {
        if (!window->FormQuery())
            return false;
    }
    return true;
}

} // namespace zephra

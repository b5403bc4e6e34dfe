#include "app/wine/WineWindow.h"

#include "analysis/Calculate.h"
#include "app/wine/SelectionCopy.h"
#include "document/Report.h"
#include "document/WineFile.h"
#include "entry/ShownQuantities.h"
#include "graphs/ui/GraphCommands.h"
#include "ui_common/OverwriteQuestion.h"
#include "ui_common/WineFileNames.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextEdit>

#include <cstring>
#include <string>
#include <vector>

namespace zephra {

namespace {

constexpr int ScrollWidth = 474;
constexpr int ScrollHeight = 986;

// The report's fixed-pitch face, named explicitly: the machine's default
// monospace face draws the em dash of the rule lines wider than one cell.
// At 10 pixels its cells are 6 pixels wide, so the table's longest line
// (73 characters) fits the 473-pixel panel.
QFont ReportFont() {
    QFont font(QStringLiteral("DejaVu Sans Mono"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPixelSize(10);
    return font;
}

void MakeReportPanel(QWidget& panel) {
    panel.setFont(ReportFont());
    LetCopyKeyCopySelection(panel);
    QPalette palette = panel.palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    palette.setColor(QPalette::Text, Qt::black);
    panel.setPalette(palette);
}

template <class Panel> void MakeScrollFree(Panel& panel) {
    panel.setFrameShape(QFrame::NoFrame);
    panel.setReadOnly(true);
    panel.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    panel.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    panel.document()->setDocumentMargin(2);
}

QString JoinLines(const std::vector<std::string>& lines) {
    QStringList list;
    list.reserve(static_cast<qsizetype>(lines.size()));
    for (const auto& line : lines)
        list << QString::fromStdString(line);
    return list.join(QLatin1Char('\n'));
}

} // namespace

TMDIChild::TMDIChild(UiServices services, const QList<TMDIChild*>& openWindows,
                     const DisplayUnits& units)
    : SaveDialog(FileDialog::Kind::Save, services.Dialogs), services_(services),
      openWindows_(openWindows), units_(units), journal_(RecoveryFolder()) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(QApplication::windowIcon());

    auto* scroll = new QScrollArea;
    scroll->setFrameShape(QFrame::NoFrame);
    auto* client = new QWidget;
    client->setFixedSize(ScrollWidth, ScrollHeight);

    Memo1 = new QTextEdit(client);
    Memo1->setGeometry(0, -5, 217, 326);
    Memo1->setLineWrapMode(QTextEdit::WidgetWidth);
    Memo1->setAcceptRichText(false);
    MakeScrollFree(*Memo1);
    MakeReportPanel(*Memo1);

    Memo2 = new QPlainTextEdit(client);
    Memo2->setGeometry(0, 327, 473, 680);
    Memo2->setLineWrapMode(QPlainTextEdit::NoWrap);
    MakeScrollFree(*Memo2);
    MakeReportPanel(*Memo2);

    Graph = new QLabel(client);
    Graph->setGeometry(223, 56, 250, 200);

    scroll->setWidget(client);
    setWidget(scroll);
    resize(WineWindowSize);
    SaveDialog.Setup.Filter = WineFileFilter;
    SaveDialog.Setup.InitialDir = services.Dialogs.DocumentsFolder();
}

void TMDIChild::SetUp(int openWindowCount) {
    const int offset = 30 * (openWindowCount % 8);
    move(offset, offset);
}

void TMDIChild::Calculate(bool ShowDialogs) {
    zephra::Calculate(WineClass.WineRec, ShowDialogs, services_.Boxes);
    FillLines();
}

void TMDIChild::FillLines() {
    const ReportLines lines =
        zephra::FillLines(WineClass.WineRec, ShownQuantities(WineClass.WineRec, units_,
                                                             LabResultsOf(WineClass.WineRec)));

    Memo2->setUpdatesEnabled(false);
    Memo2->setPlainText(JoinLines(lines.Table));
    Memo2->setUpdatesEnabled(true);

    Memo1->setUpdatesEnabled(false);
    Memo1->setPlainText(JoinLines(lines.Summary));
    QTextCursor all(Memo1->document());
    all.select(QTextCursor::Document);
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    all.mergeBlockFormat(centred);
    Memo1->setUpdatesEnabled(true);

    DrawGraph(*Graph, WineClass.WineRec, services_.Boxes);
}

bool TMDIChild::FormQuery() {
    if (!WineClass.Modified)
        return true;
    const BoxAnswer answer = services_.Boxes.Show(
        BoxKind::Warning, tr("Save the changes to %1?").arg(Caption()).toStdString(),
        BoxButtons::YesNoCancel, BoxAnswer::Yes);
    if (answer == BoxAnswer::No)
        return true;
    if (answer != BoxAnswer::Yes || !MayReplaceUnreadableNotes())
        return false;

    if (FileName != UnsavedFileName) {
        const bool saved = SaveReportingFailure(FileName);
        services_.Time.Wait(200);
        if (saved)
            return true;
        // The file cannot be written: offer another place, from its own.
        SaveDialog.Setup.InitialDir = FolderOf(FileName);
        SaveDialog.Setup.FileName = FilePart(FileName);
    }
    SaveDialog.Setup.Filter = WineFileFilter;
    bool error = false;
    do {
        if (!SaveDialog.Execute(this))
            return false;
        WriteWineFile(ForceWineExtension(SaveDialog.Setup.FileName), error);
        services_.Time.Wait(200);
    } while (error);
    return true;
}

bool TMDIChild::MayReplaceUnreadableNotes() {
    if (!WineClass.Notes.WouldReplaceUnreadable())
        return true;
    const BoxAnswer answer = services_.Boxes.Show(
        BoxKind::Warning, UnreadableNotesText() + " " + tr("Save anyway?").toStdString(),
        BoxButtons::YesNo, BoxAnswer::No);
    if (answer != BoxAnswer::Yes)
        return false;
    WineClass.Notes.Unreadable.clear();
    return true;
}

void TMDIChild::WriteWineFile(const QString& fileName, bool& Error) {
    Error = false;
    const QString filePart = FilePart(fileName);
    for (const TMDIChild* other : openWindows_) {
        if (other != this && SameIgnoringAsciiCase(other->Caption(), filePart)) {
            services_.Boxes.Information(
                tr("A wine with that file name is open in another window. Please choose another "
                   "file name or close that window. %1")
                    .arg(fileName)
                    .toStdString());
            Error = true;
        }
    }
    if (!Error)
        Error = !MayOverwrite(services_.Boxes, fileName);
    if (!Error)
        Error = !SaveReportingFailure(fileName);
}

bool TMDIChild::SaveReportingFailure(const QString& fileName) {
    const int code = SaveTo(fileName);
    if (code != 0)
        services_.Boxes.Error(
            tr("I/O Error type %1 - The file did not get saved.").arg(code).toStdString() +
            WineWriteErrorDetail(code));
    return code == 0;
}

int TMDIChild::SaveTo(const QString& fileName) {
    const int code = zephra::WriteWineFile(LocalPath(fileName), WineClass.WineRec, WineClass.Notes);
    if (code == 0)
        SetCurrentFile(fileName);
    return code;
}

void TMDIChild::SetCurrentFile(const QString& fileName) {
    setWindowTitle(FilePart(fileName));
    FileName = fileName;
    WineClass.Modified = false;
    journal_.Remove();
}

std::string TMDIChild::KeepForRecovery() {
    CollectedWine wine;
    if (FileName != UnsavedFileName)
        wine.fileName = LocalPath(FileName);
    wine.caption = Caption().toStdString();
    wine.rec = WineClass.WineRec;
    wine.notes = WineClass.Notes;
    if (const int error = journal_.Keep(wine))
        return tr("Not kept for recovery: %1")
            .arg(QString::fromLocal8Bit(std::strerror(error)))
            .toStdString();
    return {};
}

bool TMDIChild::AdoptJournal(LeftJournal& left) {
    return journal_.TakeOver(left) == 0;
}

void TMDIChild::closeEvent(QCloseEvent* event) {
    if (!FormQuery()) {
        event->ignore();
        return;
    }
    FormClose();
    QMdiSubWindow::closeEvent(event);
}

void TMDIChild::FormClose() {
    emit Closed(this);
}

} // namespace zephra

#include "UiScript.h"

#include "app/wine/WineWindow.h"
#include "app/wine/WineWindows.h"
#include "document/WineFile.h"

#include <QDir>
#include <QFile>
#include <QMainWindow>
#include <QMdiArea>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QtTest>

#include <cstring>
#include <memory>

using namespace zephra;
using zephra::testing::UiScript;

namespace {

const QString AlreadyOpen = QStringLiteral(
    "A file with that name is already open. It must be closed or saved under another name "
    "before opening again.  ");
const QString Overwrite = QStringLiteral("A file with that name already exists. Overwrite it?");

TWineRec NamedWine(const char* wineName) {
    TWineRec rec{};
    rec.Conditions.WineName.assign(wineName);
    rec.Conditions.FilterName.assign("Pad 3");
    return rec;
}

QByteArray Bytes(const TWineRec& rec) {
    return QByteArray(reinterpret_cast<const char*>(&rec), sizeof rec);
}

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class WineWindowsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<UiScript> ui;
    std::unique_ptr<QMainWindow> frame;
    QMdiArea* area = nullptr;
    std::unique_ptr<WineWindows> wines;

    QString Path(const QString& name) const { return dir->filePath(name); }

    QString MakeWineFile(const QString& name, const char* wineName = "Merlot") {
        const QString path = Path(name);
        QDir().mkpath(QFileInfo(path).path());
        if (WriteWineFile(QFile::encodeName(path).toStdString(), NamedWine(wineName)) != 0)
            qFatal("cannot write a test wine");
        return path;
    }

    TMDIChild* NewWine(const char* wineName = "Shiraz", const QString& caption = "Shiraz Pad 3") {
        return wines->CreateNewWineWindow(NamedWine(wineName), caption);
    }

    void Settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    // Replaces a folder by a regular file, so that nothing can be written
    // into it (permission bits do not stop root).
    void BlockFolder(const QString& folder) {
        QVERIFY(QDir(Path(folder)).removeRecursively());
        QFile blocker(Path(folder));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
    }

private slots:
    void init() {
        dir = std::make_unique<QTemporaryDir>();
        ui = std::make_unique<UiScript>();
        frame = std::make_unique<QMainWindow>();
        area = new QMdiArea;
        frame->setCentralWidget(area);
        frame->resize(800, 800);
        wines = std::make_unique<WineWindows>(*frame, *area, *frame->statusBar(), ui->Services());
        frame->show();
    }

    void cleanup() {
        QCOMPARE(ui->Unexpected, QStringList());
        delete area;
        wines.reset();
        frame.reset();
        ui.reset();
        dir.reset();
    }

    void placesWindowsThirtyPixelsApartStartingAgainEveryEighth() {
        QList<QPoint> places;
        for (int i = 0; i < 9; ++i)
            places
                << wines->CreateWineWindow(MakeWineFile(QStringLiteral("w%1.zph").arg(i)))->pos();
        QCOMPARE(places.at(0), QPoint(0, 0));
        QCOMPARE(places.at(1), QPoint(30, 30));
        QCOMPARE(places.at(7), QPoint(210, 210));
        QCOMPARE(places.at(8), QPoint(0, 0));
        QCOMPARE(wines->WineWindowCount, 9);
    }

    void placementFollowsTheNumberOfOpenWindows() {
        TMDIChild* first = wines->CreateWineWindow(MakeWineFile("a.zph"));
        wines->CreateWineWindow(MakeWineFile("b.zph"));
        wines->CreateWineWindow(MakeWineFile("c.zph"));
        QVERIFY(first->close());
        Settle();
        QCOMPARE(wines->WineWindowCount, 2);
        QCOMPARE(wines->CreateWineWindow(MakeWineFile("d.zph"))->pos(), QPoint(60, 60));
    }

    void wineWindowHasItsSizeAndCaption() {
        const QString path = MakeWineFile("merlot.zph");
        TMDIChild* window = wines->CreateWineWindow(path);
        QCOMPARE(window->size(), QSize(512, 590));
        QCOMPARE(window->windowTitle(), QStringLiteral("merlot.zph"));
        QCOMPARE(window->FileName, path);
        QVERIFY(!window->WineClass.Modified);
        QCOMPARE(Bytes(window->WineClass.WineRec), FileBytes(path));
        QCOMPARE(NewWine("Shiraz", "Shiraz   Pad 3 long filter name")->windowTitle(),
                 QStringLiteral("Shiraz   Pad 3 long filter name"));
    }

    void openingTheSamePathTwiceShowsAlreadyOpen() {
        const QString path = MakeWineFile("merlot.zph");
        ui->DialogAnswers = {path, path};
        ui->BoxAnswers = {BoxAnswer::Ok};
        wines->FileOpenExecute();
        wines->FileOpenExecute();
        QCOMPARE(wines->Windows().size(), 1);
        QCOMPARE(wines->WineWindowCount, 1);
        QCOMPARE(ui->BoxTexts(), QStringList{AlreadyOpen + path});
        QCOMPARE(ui->Boxes.at(0).Kind, BoxKind::Information);
        QCOMPARE(ui->Boxes.at(0).Buttons, BoxButtons::Ok);
    }

    void aPathDifferingInCaseIsOpenedAgain() {
        // The same file reached through a folder link whose name differs in case.
        const QString path = MakeWineFile("Lab/merlot.zph");
        QVERIFY(QFile::link(Path("Lab"), Path("lab")));
        QVERIFY(wines->CreateWineWindow(path) != nullptr);
        QVERIFY(wines->CreateWineWindow(Path("lab/merlot.zph")) != nullptr);
        QCOMPARE(wines->WineWindowCount, 2);
        QVERIFY(ui->Boxes.empty());
    }

    void openDialogStartsInDocumentsThenInTheFolderOfTheLastChoice() {
        const QString path = MakeWineFile("cellar/merlot.zph");
        ui->DialogAnswers = {path, std::nullopt};
        wines->FileOpenExecute();
        wines->FileOpenExecute();
        QCOMPARE(ui->Dialogs.at(0).Setup.InitialDir, QStringLiteral("/documents"));
        QCOMPARE(ui->Dialogs.at(0).Setup.Filter, QStringLiteral("ZEPHRA files|*.zph"));
        QCOMPARE(ui->Dialogs.at(0).Setup.FileName, QString());
        QCOMPARE(ui->Dialogs.at(1).Setup.InitialDir, Path("cellar"));
        QCOMPARE(ui->Dialogs.at(1).Setup.FileName, QString());
    }

    void openingAMissingFileClosesTheNewWindowAgain() {
        ui->BoxAnswers = {BoxAnswer::Ok};
        int removedAt = -1;
        connect(wines.get(), &WineWindows::WineWindowRemoved,
                [&](int count) { removedAt = count; });
        QVERIFY(wines->CreateWineWindow(Path("absent.zph")) == nullptr);
        QCOMPARE(ui->BoxTexts(), QStringList{"Can not locate file."});
        QCOMPARE(wines->WineWindowCount, 0);
        QCOMPARE(removedAt, 0);
        Settle();
        QVERIFY(area->subWindowList().isEmpty());
    }

    void openingAFileOfTheWrongSizeClosesTheWindowAfterTheReadersMessage() {
        const QString path = Path("short.zph");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("too short");
        file.close();
        ui->BoxAnswers = {BoxAnswer::Ok};
        QVERIFY(wines->CreateWineWindow(path) == nullptr);
        QCOMPARE(ui->Boxes.size(), std::size_t{1});
        QCOMPARE(wines->WineWindowCount, 0);
    }

    // The notes after the record (full names, comments) stay with the wine
    // from the file it was opened from to the file it is saved to.
    void notesComeWithTheFileAndGoBackWithTheSave() {
        WineNotes notes;
        notes.WineName = "Merlot Grand Cru Reserve 2024";
        notes.Comments = "Cold stabilised";
        const QString path = Path("merlot.zph");
        QVERIFY(WriteWineFile(QFile::encodeName(path).toStdString(), NamedWine("Merlot Grand Cru"),
                              notes) == 0);
        TMDIChild* window = wines->CreateWineWindow(path);
        QVERIFY(window->WineClass.Notes == notes);
        QCOMPARE(frame->statusBar()->currentMessage(), QString());

        window->WineClass.Notes.Comments = "Second trial";
        window->WineClass.Modified = true;
        wines->FileSaveExecute();
        WineFileContents saved;
        QVERIFY(ReadWineFile(QFile::encodeName(path).toStdString(), saved, *ui));
        QCOMPARE(saved.Notes.Comments, std::string("Second trial"));
        QCOMPARE(saved.Notes.WineName, notes.WineName);
    }

    void damagedNotesAreIgnoredWithAWarningInTheStatusBar() {
        WineNotes notes;
        notes.Comments = "Cold stabilised";
        const QString path = Path("merlot.zph");
        QVERIFY(WriteWineFile(QFile::encodeName(path).toStdString(), NamedWine("Merlot"), notes) ==
                0);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.seek(WineRecSize + 4));
        file.write("\x07", 1); // the version
        file.close();
        TMDIChild* window = wines->CreateWineWindow(path);
        QVERIFY(window != nullptr);
        QVERIFY(ui->Boxes.empty());
        QVERIFY(window->WineClass.Notes.Empty());
        QCOMPARE(Bytes(window->WineClass.WineRec), Bytes(NamedWine("Merlot")));
        QCOMPARE(frame->statusBar()->currentMessage(),
                 QStringLiteral("merlot.zph: The notes after the wine record were ignored: their "
                                "version 7 is not known."));
    }

    // Notes the program cannot read stay in the file on every save; new
    // notes replace them only when the user says so, asked before the save.
    void unreadableNotesAreKeptAndReplacedOnlyWhenTheUserSaysSo() {
        WineNotes notes;
        notes.Comments = "Cold stabilised";
        const QString path = Path("merlot.zph");
        const std::string local = QFile::encodeName(path).toStdString();
        QVERIFY(WriteWineFile(local, NamedWine("Merlot"), notes) == 0);
        QByteArray damaged = FileBytes(path);
        damaged[damaged.size() - 1] = static_cast<char>(damaged[damaged.size() - 1] ^ 0x01);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(damaged);
        file.close();
        TMDIChild* window = wines->CreateWineWindow(path);
        QVERIFY(window != nullptr);

        window->WineClass.WineRec.Conditions.LabP.assign("35.0");
        window->WineClass.Modified = true;
        wines->FileSaveExecute();
        QVERIFY(ui->Boxes.empty());
        QVERIFY(!window->WineClass.Modified);
        QCOMPARE(FileBytes(path).mid(WineRecSize), damaged.mid(WineRecSize));

        window->WineClass.Notes.Comments = "Second trial";
        window->WineClass.Modified = true;
        ui->BoxAnswers = {BoxAnswer::No};
        wines->FileSaveExecute();
        QCOMPARE(ui->Boxes.size(), std::size_t{1});
        QVERIFY(ui->BoxTexts().at(0).startsWith(
            QStringLiteral("The notes after the wine record could not be read")));
        QVERIFY(window->WineClass.Modified);
        QCOMPARE(FileBytes(path).mid(WineRecSize), damaged.mid(WineRecSize));

        ui->BoxAnswers = {BoxAnswer::Yes};
        wines->FileSaveExecute();
        QVERIFY(!window->WineClass.Modified);
        WineFileContents saved;
        QVERIFY(ReadWineFile(local, saved, *ui));
        QCOMPARE(saved.Notes.Comments, std::string("Second trial"));
    }

    void saveOnANewWineActsAsSaveAs() {
        TMDIChild* window = NewWine();
        QString statusDuringWait;
        ui->OnWait = [&](int) { statusDuringWait = frame->statusBar()->currentMessage(); };
        ui->DialogAnswers = {Path("shiraz.txt")};
        wines->FileSaveExecute();
        const QString saved = Path("shiraz.zph");
        QCOMPARE(ui->Events, (QStringList{"save dialog", "wait 400"}));
        QCOMPARE(statusDuringWait, QStringLiteral("File Saved"));
        QCOMPARE(frame->statusBar()->currentMessage(), QString());
        QCOMPARE(window->windowTitle(), QStringLiteral("shiraz.zph"));
        QCOMPARE(window->FileName, saved);
        QVERIFY(!window->WineClass.Modified);
        QCOMPARE(FileBytes(saved), Bytes(window->WineClass.WineRec));
        QVERIFY(!QFile::exists(Path("shiraz.txt")));
    }

    void saveAsForcesTheWineExtension_data() {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("saved");
        QTest::newRow("txt replaced") << "wine.txt"
                                      << "wine.zph";
        QTest::newRow("upper case kept") << "wine.ZPH"
                                         << "wine.ZPH";
        QTest::newRow("mixed case lowered") << "wine.Zph"
                                            << "wine.zph";
        QTest::newRow("other replaced") << "my.wine"
                                        << "my.zph";
        QTest::newRow("none appended") << "wine"
                                       << "wine.zph";
        QTest::newRow("dot in folder only") << "v1.2/wine"
                                            << "v1.2/wine.zph";
    }

    void saveAsForcesTheWineExtension() {
        QFETCH(QString, chosen);
        QFETCH(QString, saved);
        QDir().mkpath(Path("v1.2"));
        TMDIChild* window = NewWine();
        ui->DialogAnswers = {Path(chosen)};
        wines->FileSaveAsExecute();
        QCOMPARE(window->FileName, Path(saved));
        QVERIFY(QFile::exists(Path(saved)));
    }

    void saveOnANamedWineNeverAsksAboutOverwriting() {
        const QString path = MakeWineFile("merlot.zph");
        TMDIChild* window = wines->CreateWineWindow(path);
        window->WineClass.WineRec.Conditions.WineName.assign("Changed");
        window->WineClass.Modified = true;
        wines->FileSaveExecute();
        QCOMPARE(ui->Events, QStringList{"wait 400"});
        QVERIFY(!window->WineClass.Modified);
        QCOMPARE(FileBytes(path), Bytes(window->WineClass.WineRec));
    }

    void overwriteQuestionWithCancelShowsTheDialogAgain() {
        const QString existing = MakeWineFile("merlot.zph", "Old");
        const QByteArray before = FileBytes(existing);
        TMDIChild* window = NewWine();
        ui->DialogAnswers = {existing, std::nullopt};
        ui->BoxAnswers = {BoxAnswer::Cancel};
        wines->FileSaveAsExecute();
        QCOMPARE(ui->Events, (QStringList{"save dialog", "box: " + Overwrite, "save dialog"}));
        QCOMPARE(ui->Boxes.at(0).Kind, BoxKind::Warning);
        QCOMPARE(ui->Boxes.at(0).Buttons, BoxButtons::OkCancel);
        QCOMPARE(ui->Boxes.at(0).Default, BoxAnswer::Cancel);
        // The second showing keeps the name chosen the first time.
        QCOMPARE(ui->Dialogs.at(1).Setup.FileName, existing);
        QVERIFY(wines->SaveCancelled);
        QCOMPARE(FileBytes(existing), before);
        QVERIFY(window->WineClass.Modified);
        QCOMPARE(window->FileName, UnsavedFileName);
    }

    void overwriteQuestionWithOkReplacesTheFile() {
        const QString existing = MakeWineFile("merlot.zph", "Old");
        TMDIChild* window = NewWine();
        ui->DialogAnswers = {existing};
        ui->BoxAnswers = {BoxAnswer::Ok};
        wines->FileSaveAsExecute();
        QCOMPARE(FileBytes(existing), Bytes(window->WineClass.WineRec));
        QVERIFY(!wines->SaveCancelled);
    }

    void saveAsRefusesAFileOpenInAnotherWindowIgnoringCase() {
        const QString path = MakeWineFile("Merlot.zph");
        wines->CreateWineWindow(path);
        TMDIChild* window = NewWine();
        ui->DialogAnswers = {Path("merlot.zph"), std::nullopt};
        ui->BoxAnswers = {BoxAnswer::Ok};
        wines->FileSaveAsExecute();
        QCOMPARE(ui->BoxTexts(),
                 QStringList{"That file is open in another window. Please choose another file "
                             "name or close that window. " +
                             Path("merlot.zph")});
        QCOMPARE(ui->Dialogs.size(), std::size_t{2});
        QCOMPARE(window->FileName, UnsavedFileName);
        QVERIFY(!QFile::exists(Path("merlot.zph")));
    }

    void failedSaveAsKeepsTheWindowAndShowsTheDialogAgain() {
        const QString path = MakeWineFile("merlot.zph");
        TMDIChild* window = wines->CreateWineWindow(path);
        window->WineClass.Modified = true;
        // As root permission bits do not stop a write; a folder that is a
        // regular file does.
        ui->DialogAnswers = {path + "/inside.zph", std::nullopt};
        ui->BoxAnswers = {BoxAnswer::Ok};
        wines->FileSaveAsExecute();
        QCOMPARE(ui->BoxTexts(), QStringList{"I/O Error type 20 occurred while saving the wine "
                                             "file. Your data was not saved!"});
        QCOMPARE(ui->Boxes.at(0).Kind, BoxKind::Warning);
        QCOMPARE(ui->Dialogs.size(), std::size_t{2});
        QCOMPARE(ui->Dialogs.at(0).Setup.InitialDir, dir->path());
        QCOMPARE(window->windowTitle(), QStringLiteral("merlot.zph"));
        QCOMPARE(window->FileName, path);
        QVERIFY(window->WineClass.Modified);
        QVERIFY(ui->Waits.empty());
    }

    void failedSaveReportsOnceAndChangesNothing() {
        const QString path = MakeWineFile("cellar/merlot.zph");
        TMDIChild* window = wines->CreateWineWindow(path);
        window->WineClass.Modified = true;
        BlockFolder("cellar");
        ui->BoxAnswers = {BoxAnswer::Ok};
        wines->FileSaveExecute();
        QCOMPARE(ui->Events, QStringList{"box: I/O Error type 20 occurred while saving the wine "
                                         "file. Your data was not saved!"});
        QCOMPARE(window->FileName, path);
        QVERIFY(window->WineClass.Modified);
    }

    // Notes too long for a wine file (a later version's keys beside long
    // comments) are not an unexplained error number.
    void saveOfNotesTooLongForTheFileSaysWhy() {
        const QString path = MakeWineFile("merlot.zph");
        const QByteArray before = FileBytes(path);
        TMDIChild* window = wines->CreateWineWindow(path);
        window->WineClass.Notes.Comments = std::string(2500, 'x');
        window->WineClass.Modified = true;
        ui->BoxAnswers = {BoxAnswer::Ok};
        wines->FileSaveExecute();
        QCOMPARE(ui->Events,
                 QStringList{"box: I/O Error type 27 occurred while saving the wine file. Your "
                             "data was not saved! The file would be too large: the wine's notes "
                             "(comments, full names, reading times) do not fit after the record. "
                             "Shorten the comments and save again."});
        QCOMPARE(FileBytes(path), before);
        QVERIFY(window->WineClass.Modified);
    }

    void successfulSaveAsMakesTheNextOpenStartInItsFolder() {
        QDir().mkpath(Path("cellar"));
        NewWine();
        ui->DialogAnswers = {Path("cellar/shiraz"), std::nullopt};
        wines->FileSaveAsExecute();
        wines->FileOpenExecute();
        QCOMPARE(ui->Dialogs.at(1).Save, false);
        QCOMPARE(ui->Dialogs.at(1).Setup.InitialDir, Path("cellar"));
    }

    void closeWithNoLeavesTheWindowOpenAndModified() {
        TMDIChild* window = NewWine();
        ui->BoxAnswers = {BoxAnswer::No};
        wines->FileCloseExecute();
        QCOMPARE(ui->Boxes.size(), std::size_t{1});
        QCOMPARE(ui->Boxes.at(0).Text, QStringLiteral("Save Shiraz Pad 3 before closing?"));
        QCOMPARE(ui->Boxes.at(0).Kind, BoxKind::Warning);
        QCOMPARE(ui->Boxes.at(0).Buttons, BoxButtons::YesNo);
        QCOMPARE(ui->Boxes.at(0).Default, BoxAnswer::Yes);
        Settle();
        QCOMPARE(wines->Windows(), QList<TMDIChild*>{window});
        QVERIFY(window->WineClass.Modified);
    }

    void closeWithYesAndCancelledSaveAsLeavesTheWindowOpen() {
        NewWine();
        ui->BoxAnswers = {BoxAnswer::Yes};
        ui->DialogAnswers = {std::nullopt};
        wines->FileCloseExecute();
        QCOMPARE(wines->WineWindowCount, 1);
    }

    // A wine that has a file is saved to it, as Save does: no save dialog,
    // no overwrite question.
    void closeWithYesSavesANamedWineToItsFile() {
        const QString path = MakeWineFile("merlot.zph");
        TMDIChild* window = wines->CreateWineWindow(path);
        window->WineClass.WineRec.Conditions.WineName.assign("Changed");
        window->WineClass.Modified = true;
        const QByteArray record = Bytes(window->WineClass.WineRec);
        ui->BoxAnswers = {BoxAnswer::Yes};
        wines->FileCloseExecute();
        QCOMPARE(ui->Events, (QStringList{"box: Save merlot.zph before closing?", "wait 400"}));
        QCOMPARE(FileBytes(path), record);
        QCOMPARE(wines->WineWindowCount, 0);
    }

    void closeWithYesKeepsANamedWineOpenWhenItsFileCannotBeWritten() {
        const QString path = MakeWineFile("cellar/merlot.zph");
        TMDIChild* window = wines->CreateWineWindow(path);
        window->WineClass.Modified = true;
        BlockFolder("cellar");
        ui->BoxAnswers = {BoxAnswer::Yes, BoxAnswer::Ok};
        wines->FileCloseExecute();
        QCOMPARE(ui->Events, (QStringList{"box: Save merlot.zph before closing?",
                                          "box: I/O Error type 20 occurred while saving the wine "
                                          "file. Your data was not saved!"}));
        Settle();
        QCOMPARE(wines->Windows(), QList<TMDIChild*>{window});
        QVERIFY(window->WineClass.Modified);
    }

    void closingAnUnmodifiedWineAsksNothing() {
        wines->CreateWineWindow(MakeWineFile("merlot.zph"));
        wines->FileCloseExecute();
        QVERIFY(ui->Events.isEmpty());
        QCOMPARE(wines->WineWindowCount, 0);
    }

    void closePromptWithNoClosesWithoutSaving() {
        TMDIChild* window = NewWine();
        ui->BoxAnswers = {BoxAnswer::No};
        QVERIFY(window->close());
        QCOMPARE(ui->BoxTexts(), QStringList{"Save the changes to Shiraz Pad 3?"});
        QCOMPARE(ui->Boxes.at(0).Buttons, BoxButtons::YesNoCancel);
        QCOMPARE(ui->Boxes.at(0).Default, BoxAnswer::Yes);
        QCOMPARE(wines->WineWindowCount, 0);
        QVERIFY(ui->Dialogs.empty());
        QCOMPARE(QDir(dir->path()).entryList(QDir::Files), QStringList());
    }

    void closePromptWithCancelKeepsTheWindow() {
        TMDIChild* window = NewWine();
        ui->BoxAnswers = {BoxAnswer::Cancel};
        QVERIFY(!window->close());
        QCOMPARE(wines->WineWindowCount, 1);
    }

    void closePromptWithYesSavesThenWaitsAndCloses() {
        TMDIChild* window = NewWine();
        ui->BoxAnswers = {BoxAnswer::Yes};
        ui->DialogAnswers = {Path("shiraz.txt")};
        const QByteArray record = Bytes(window->WineClass.WineRec);
        QVERIFY(window->close());
        QCOMPARE(ui->Events, (QStringList{"box: Save the changes to Shiraz Pad 3?", "save dialog",
                                          "wait 200"}));
        QCOMPARE(ui->Dialogs.at(0).Setup.Filter, QStringLiteral("ZEPHRA files|*.zph"));
        QCOMPARE(FileBytes(Path("shiraz.zph")), record);
        QCOMPARE(wines->WineWindowCount, 0);
    }

    void closePromptRefusesAFileNameMatchingAnotherCaption() {
        // A new wine whose caption happens to be the chosen file name blocks it.
        NewWine("Other", "SHIRAZ.ZPH");
        TMDIChild* window = NewWine();
        ui->BoxAnswers = {BoxAnswer::Yes, BoxAnswer::Ok};
        ui->DialogAnswers = {Path("shiraz.zph"), std::nullopt};
        QVERIFY(!window->close());
        QCOMPARE(ui->Events,
                 (QStringList{"box: Save the changes to Shiraz Pad 3?", "save dialog",
                              "box: A wine with that file name is open in another window. Please "
                              "choose another file name or close that window. " +
                                  Path("shiraz.zph"),
                              "wait 200", "save dialog"}));
        QCOMPARE(ui->Dialogs.at(1).Setup.FileName, Path("shiraz.zph"));
        QVERIFY(!QFile::exists(Path("shiraz.zph")));
        QCOMPARE(wines->WineWindowCount, 2);
    }

    void closePromptWriteFailureShowsTheErrorAndTheDialogAgain() {
        const QString blocker = MakeWineFile("merlot.zph");
        TMDIChild* window = NewWine();
        ui->BoxAnswers = {BoxAnswer::Yes, BoxAnswer::Ok, BoxAnswer::Ok};
        ui->DialogAnswers = {blocker + "/x.zph", Path("merlot.zph")};
        QVERIFY(window->close());
        QCOMPARE(ui->Events,
                 (QStringList{"box: Save the changes to Shiraz Pad 3?", "save dialog",
                              "box: I/O Error type 20 - The file did not get saved.", "wait 200",
                              "save dialog", "box: " + Overwrite, "wait 200"}));
        QCOMPARE(ui->Boxes.at(1).Kind, BoxKind::Error);
        QCOMPARE(FileBytes(blocker), Bytes(NamedWine("Shiraz")));
    }

    void closePromptWithYesSavesANamedWineToItsFile() {
        const QString path = MakeWineFile("merlot.zph");
        TMDIChild* window = wines->CreateWineWindow(path);
        window->WineClass.WineRec.Conditions.WineName.assign("Changed");
        window->WineClass.Modified = true;
        const QByteArray record = Bytes(window->WineClass.WineRec);
        ui->BoxAnswers = {BoxAnswer::Yes};
        QVERIFY(window->close());
        QCOMPARE(ui->Events, (QStringList{"box: Save the changes to merlot.zph?", "wait 200"}));
        QCOMPARE(FileBytes(path), record);
        QCOMPARE(wines->WineWindowCount, 0);
    }

    // When the wine's own file cannot be written, the save dialog offers
    // another place, starting in the wine's folder with its file name.
    void closePromptOffersSaveAsWhenANamedWinesFileCannotBeWritten() {
        const QString path = MakeWineFile("cellar/merlot.zph");
        TMDIChild* window = wines->CreateWineWindow(path);
        window->WineClass.Modified = true;
        BlockFolder("cellar");
        ui->BoxAnswers = {BoxAnswer::Yes, BoxAnswer::Ok};
        ui->DialogAnswers = {std::nullopt};
        QVERIFY(!window->close());
        QCOMPARE(ui->Events, (QStringList{"box: Save the changes to merlot.zph?",
                                          "box: I/O Error type 20 - The file did not get saved.",
                                          "wait 200", "save dialog"}));
        QCOMPARE(ui->Dialogs.at(0).Setup.InitialDir, Path("cellar"));
        QCOMPARE(ui->Dialogs.at(0).Setup.FileName, QStringLiteral("merlot.zph"));
        QCOMPARE(wines->WineWindowCount, 1);
        QVERIFY(window->WineClass.Modified);
    }

    void saveAsStartsInTheWinesFolderWithItsName() {
        const QString path = MakeWineFile("cellar/merlot.zph");
        wines->CreateWineWindow(path)->WineClass.Modified = true;
        NewWine();
        ui->DialogAnswers = {std::nullopt, std::nullopt};
        wines->FileSaveAsExecute();
        area->setActiveSubWindow(wines->Windows().at(0));
        wines->FileSaveAsExecute();
        QCOMPARE(ui->Dialogs.at(0).Setup.InitialDir, QStringLiteral("/documents"));
        QCOMPARE(ui->Dialogs.at(0).Setup.FileName, QString());
        QCOMPARE(ui->Dialogs.at(1).Setup.InitialDir, Path("cellar"));
        QCOMPARE(ui->Dialogs.at(1).Setup.FileName, QStringLiteral("merlot.zph"));
    }

    void queryCloseAllStopsAtTheFirstRefusal() {
        NewWine("First", "First");
        NewWine("Second", "Second");
        ui->BoxAnswers = {BoxAnswer::Cancel};
        QVERIFY(!wines->QueryCloseAll());
        QCOMPARE(ui->BoxTexts(), QStringList{"Save the changes to First?"});
        QCOMPARE(wines->WineWindowCount, 2);
    }
};

QTEST_MAIN(WineWindowsTest)
#include "WineWindowsTest.moc"

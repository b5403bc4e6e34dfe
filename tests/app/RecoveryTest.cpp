// Collected data a program left unsaved when it ended, offered again at the
// next start. The program killed here is this test's own executable run as
// the program (the real main window collecting from the balance simulator
// over a pseudo-terminal), since nothing can type into an offscreen window.

#include "UiScript.h"

#include "acquisition/RecoveryJournal.h"
#include "acquisition/ui/CollectionSession.h"
#include "acquisition/ui/NewDataDlg.h"
#include "acquisition/ui/RecoverDataDlg.h"
#include "app/MainForm.h"
#include "document/WineFile.h"
#include "support/ChildProcess.h"
#include "support/ModalDriver.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <csignal>
#include <cstring>
#include <functional>
#include <iostream>
#include <memory>
#include <string>
#include <sys/resource.h>

using namespace zephra;
using zephra::test::WhenDialogOpens;
using zephra::testing::UiScript;

namespace {

constexpr const char* CollectingProgram = "--collecting-program";

int LeadingPoints(const TData& data) {
    int points = 0;
    while (points < 36 && !data.V[points].empty())
        ++points;
    return points;
}

// The program collecting into `wine` from the balance at `device` as a lab
// would run it: the main window, the wine opened, Collect New Data with
// density 1. Prints "points N" whenever the wine holds more points.
int RunCollectingProgram(const QString& wine, const QString& device) {
    UiScript ui;
    TMainForm form(ui.Services());
    form.ShowWelcome = false;
    form.show();
    form.ComPort.SetDeviceName(device.toStdString());
    TMDIChild* window = form.Documents->CreateWineWindow(wine);
    if (window == nullptr)
        return 2;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [] {
        if (auto* dialog = qobject_cast<TNewDataDlg*>(QApplication::activeModalWidget())) {
            dialog->Density->setText(QStringLiteral("1"));
            dialog->GoButton->click();
        }
    });
    answer.start(10);
    QTimer::singleShot(0, form.CollectNewData, &QAction::trigger);
    int shown = 0;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (form.findChild<CollectionSession*>() == nullptr)
            return; // the wine's old points are not the run's
        const int points = LeadingPoints(window->WineClass.WineRec.Data);
        if (points > shown) {
            shown = points;
            std::cout << "points " << points << std::endl;
        }
    });
    watch.start(20);
    return QApplication::exec();
}

// A wine of a lab's earlier trial: conditions and five points.
TWineRec MerlotWithFivePoints() {
    TWineRec rec{};
    TConditions& c = rec.Conditions;
    c.WineName.assign("Merlot");
    c.FilterName.assign("F1");
    c.LabP.assign("30.0");
    c.LabFiltDia.assign("47.0");
    c.ProdP.assign("  30");
    c.ProdA.assign("10.0");
    c.ProdRate.assign("20.0");
    const char* volumes[] = {"  10.0", "  19.5", "  28.1", "  36.0", "  43.2"};
    for (int i = 0; i < 5; ++i) {
        rec.Data.V[i].assign(volumes[i]);
        rec.Data.T[i].M.assign("  " + std::to_string(i));
        rec.Data.T[i].Sc.assign("30");
    }
    rec.Data.MinSkip.set(1);
    return rec;
}

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class RecoveryTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<UiScript> ui;
    std::unique_ptr<TMainForm> form;

    QString StateFolder() const { return dir->filePath(QStringLiteral("state/zephra")); }
    QStringList Journals() const { return QDir(StateFolder()).entryList(QDir::Files); }
    JournalContents ReadOnlyJournal() const {
        const QStringList names = Journals();
        if (names.size() != 1)
            return {};
        return ReadJournal(FileBytes(QDir(StateFolder()).filePath(names[0])).toStdString());
    }
    void LeaveJournal(const std::string& bytes) {
        QVERIFY(QDir().mkpath(StateFolder()));
        QFile file(QDir(StateFolder()).filePath(QStringLiteral("collect-left01.journal")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    }
    QString WriteWine(const QString& name, const TWineRec& rec, const WineNotes& notes = {}) {
        const QString path = dir->filePath(name);
        if (WriteWineFile(QFile::encodeName(path).toStdString(), rec, notes) != 0)
            qFatal("cannot write a test wine");
        return path;
    }
    // Starts the program; `act`, when given, handles the recovery dialog
    // that is to come.
    void StartForm(std::function<void(TRecoverDataDlg&)> act = {}, QString* message = nullptr) {
        QStringList* titles = &dialogTitles;
        if (act) {
            WhenDialogOpens<TRecoverDataDlg>([act, message, titles](TRecoverDataDlg& dialog) {
                *titles << dialog.windowTitle();
                if (message != nullptr)
                    *message = dialog.Message->text();
                act(dialog);
            });
        }
        form = std::make_unique<TMainForm>(ui->Services());
        QVERIFY(!form->StartFailed());
        form->show();
    }

    QStringList dialogTitles;

private slots:
    void init() {
        dir = std::make_unique<QTemporaryDir>();
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir->filePath("config")));
        qputenv("XDG_STATE_HOME", QFile::encodeName(dir->filePath("state")));
        QDir().mkpath(dir->filePath("config/zephra"));
        QFile settings(dir->filePath("config/zephra/zephra.dat"));
        QVERIFY(settings.open(QIODevice::WriteOnly));
        settings.write(QByteArray(1544, '\0'));
        settings.close();
        ui = std::make_unique<UiScript>();
        dialogTitles.clear();
    }
    void cleanup() {
        form.reset();
        QCOMPARE(ui->Unexpected, QStringList());
        ui.reset();
        dir.reset();
    }

    // A run killed with its program after two points: the next start names
    // the wine, its file and the two readings, and restores them into a
    // window of that wine, modified and not yet saved, with its notes (the
    // full name, the comments, the time the run started).
    void runKilledWithTheProgramIsRestoredAtTheNextStart() {
        WineNotes notes;
        notes.WineName = "Merlot Reserve du Domaine 2026";
        notes.Comments = "second lot, after fining";
        const QString wine = WriteWine(QStringLiteral("merlot.zph"), MerlotWithFivePoints(), notes);
        const QByteArray before = FileBytes(wine);
        Simulator simulator({"--flow", "40", "--fouling", "0"});
        ChildProcess program({QCoreApplication::applicationFilePath().toStdString(),
                              CollectingProgram, wine.toStdString(), simulator.Device()});
        for (const char* expected : {"points 1", "points 2"}) {
            const std::string line = program.ReadLine(30000);
            QVERIFY2(line == expected, line.c_str());
        }
        program.Signal(SIGKILL);
        QCOMPARE(program.Wait(), -1);
        QCOMPARE(Journals().size(), 1);
        const QString killedJournal = Journals()[0];
        const JournalContents killed = ReadOnlyJournal();
        QCOMPARE(killed.readings, 2);

        QString message;
        StartForm([](TRecoverDataDlg& dialog) { dialog.RestoreButton->click(); }, &message);
        QCOMPARE(dialogTitles, QStringList{"Recover Collected Data"});
        QVERIFY2(message.contains(QStringLiteral("Wine: Merlot Reserve du Domaine 2026\n")),
                 qPrintable(message));
        QVERIFY2(message.contains(QStringLiteral("File: ") + wine + QStringLiteral("\n")),
                 qPrintable(message));
        QVERIFY2(message.contains(QStringLiteral("Readings: 2\n")), qPrintable(message));

        QCOMPARE(form->Documents->Windows().size(), 1);
        TMDIChild* window = form->Documents->Windows()[0];
        QCOMPARE(window->FileName, wine);
        QCOMPARE(window->Caption(), QStringLiteral("merlot.zph"));
        QVERIFY(window->WineClass.Modified);
        const WineNotes& restored = window->WineClass.Notes;
        QCOMPARE(restored.WineName, notes.WineName);
        QCOMPARE(restored.Comments, notes.Comments);
        QCOMPARE(restored.TrialStarted.size(), TrialStartedLength);
        QCOMPARE(restored.TrialStarted, killed.wine.notes.TrialStarted);
        const TData& data = window->WineClass.WineRec.Data;
        QCOMPARE(LeadingPoints(data), 2);
        QVERIFY(std::memcmp(&data, &killed.wine.rec.Data, sizeof data) == 0);
        QCOMPARE(data.T[0].M.text(), std::string_view("  0"));
        QCOMPARE(data.T[0].Sc.text().substr(0, 1), std::string_view("1"));
        QVERIFY(!form->ShowWelcome);
        QVERIFY(form->FileSave->isEnabled());
        QCOMPARE(FileBytes(wine), before);

        // The restored data are kept for recovery again, in a journal of their own.
        QCOMPARE(Journals().size(), 1);
        QVERIFY(Journals()[0] != killedJournal);
        QCOMPARE(ReadOnlyJournal().readings, 2);
        form.reset();
        QCOMPARE(Journals().size(), 0);
    }

    // Discard deletes the journal; closing the dialog keeps it for the next
    // start. Either way the welcome choice follows.
    void journalCanBeDiscardedOrKeptForLater_data() {
        QTest::addColumn<bool>("discard");
        QTest::newRow("Discard") << true;
        QTest::newRow("closed") << false;
    }
    void journalCanBeDiscardedOrKeptForLater() {
        QFETCH(bool, discard);
        CollectedWine left{"/lab/merlot.zph", "merlot.zph", MerlotWithFivePoints()};
        LeaveJournal(JournalStart(left));
        StartForm([discard](TRecoverDataDlg& dialog) {
            if (discard)
                dialog.DiscardButton->click();
            else
                dialog.reject();
        });
        QCOMPARE(dialogTitles.size(), 1);
        QVERIFY(form->Documents->Windows().isEmpty());
        QVERIFY(form->ShowWelcome);
        QCOMPARE(Journals().size(), discard ? 0 : 1);
    }

    // A wine never saved comes back under its caption, still without a file.
    void unsavedWineIsRestoredWithoutAFile() {
        CollectedWine left{"", "Merlot F1", MerlotWithFivePoints()};
        LeaveJournal(JournalStart(left) + JournalFrame(left.rec.Data));
        QString message;
        StartForm([](TRecoverDataDlg& dialog) { dialog.RestoreButton->click(); }, &message);
        QVERIFY2(message.contains(QStringLiteral("File: none (the wine was never saved)")),
                 qPrintable(message));
        QVERIFY2(message.contains(QStringLiteral("Readings: 5\n")), qPrintable(message));
        QCOMPARE(form->Documents->Windows().size(), 1);
        TMDIChild* window = form->Documents->Windows()[0];
        QCOMPARE(window->FileName, QStringLiteral("unsaved"));
        QCOMPARE(window->Caption(), QStringLiteral("Merlot F1"));
        QVERIFY(window->WineClass.Modified);
        // recalculated: the results of the five points are there
        QVERIFY(!QString::fromLatin1(window->WineClass.WineRec.RmE.text()).trimmed().isEmpty());
    }

    // When the restored data cannot be kept in a journal of their own (the
    // disk is full), the journal they came from stays and keeps them, as
    // the window's own: saving the wine removes it.
    void restoreOnAFullDiskKeepsTheOldJournal() {
        CollectedWine left{"", "Merlot F1", MerlotWithFivePoints()};
        const std::string bytes = JournalStart(left) + JournalFrame(left.rec.Data);
        LeaveJournal(bytes);
        const QString journal =
            QDir(StateFolder()).filePath(QStringLiteral("collect-left01.journal"));
        // No file may grow past 1000 bytes: the new journal's first write fails.
        rlimit before{};
        getrlimit(RLIMIT_FSIZE, &before);
        const auto previousSignal = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit small{1000, before.rlim_max};
        setrlimit(RLIMIT_FSIZE, &small);
        StartForm([](TRecoverDataDlg& dialog) { dialog.RestoreButton->click(); });
        setrlimit(RLIMIT_FSIZE, &before);
        std::signal(SIGXFSZ, previousSignal);

        QCOMPARE(form->Documents->Windows().size(), 1);
        TMDIChild* window = form->Documents->Windows()[0];
        QCOMPARE(LeadingPoints(window->WineClass.WineRec.Data), 5);
        QCOMPARE(Journals(), QStringList{QStringLiteral("collect-left01.journal")});
        QCOMPARE(FileBytes(journal).toStdString(), bytes);
        const QString status = form->statusBar()->currentMessage();
        QVERIFY2(status.contains(QStringLiteral("Not kept for recovery")), qPrintable(status));
        QVERIFY2(status.contains(journal), qPrintable(status));

        // The journal goes on as the window's, and goes with the save.
        window->WineClass.WineRec.Data.V[5].assign("  50.0");
        QVERIFY(window->KeepForRecovery().empty());
        QCOMPARE(ReadJournal(FileBytes(journal).toStdString()).readings, 6);
        QCOMPARE(window->SaveTo(dir->filePath(QStringLiteral("merlot.zph"))), 0);
        QCOMPARE(Journals().size(), 0);
    }

    // A journal that cannot be read never stops the start: it is reported
    // and moved aside, and the program starts as usual.
    void damagedJournalIsReportedAndMovedAside() {
        LeaveJournal("not a journal at all");
        ui->BoxAnswers = {BoxAnswer::Ok};
        StartForm();
        const QString path = QDir(StateFolder()).filePath(QStringLiteral("collect-left01.journal"));
        QCOMPARE(ui->BoxTexts(), QStringList{"The recovery journal " + path +
                                             " could not be read (not a recovery journal). It "
                                             "was moved to " +
                                             path + ".damaged."});
        QCOMPARE(ui->Boxes.at(0).Kind, BoxKind::Warning);
        QCOMPARE(Journals(), QStringList{"collect-left01.journal.damaged"});
        QVERIFY(form->ShowWelcome);
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc == 4 && std::strcmp(argv[1], CollectingProgram) == 0)
        return RunCollectingProgram(QString::fromLocal8Bit(argv[2]),
                                    QString::fromLocal8Bit(argv[3]));
    RecoveryTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "RecoveryTest.moc"

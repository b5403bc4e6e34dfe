// The Collect New Data command on a real wine window, against the balance
// simulator on a pseudo-terminal.

#include "support/ScriptedBoxes.h"

#include "acquisition/ComPortBalance.h"
#include "acquisition/RecoveryJournal.h"
#include "acquisition/ui/CollectionSession.h"
#include "acquisition/ui/DataCollectionDlg.h"
#include "acquisition/ui/NewDataDlg.h"
#include "acquisition/ui/RunsInProgress.h"
#include "app/wine/CollectNewData.h"
#include "app/wine/DesktopCollection.h"
#include "app/wine/WineWindow.h"
#include "support/ChildProcess.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <atomic>
#include <filesystem>

using namespace zephra;

namespace {

class NoFileDialogs : public FileDialogs {
public:
    std::optional<QString> ChooseOpen(QWidget*, const FileDialogSetup&) override { return {}; }
    std::optional<QString> ChooseSave(QWidget*, const FileDialogSetup&) override { return {}; }
    QString DocumentsFolder() override { return {}; }
};

class InstantClock : public Clock {
public:
    void Wait(int) override {}
    std::int64_t NowMs() override { return 0; }
};

// Simulated time 100 times faster than real time: a reading about every
// 150 ms.
class FastClock : public RunClock {
public:
    FastClock() { timer_.start(); }
    std::int64_t NowMs() override { return timer_.elapsed() * 100; }

private:
    QElapsedTimer timer_;
};

// A balance that gains 5 g at every request.
class GrowingBalance : public Balance {
public:
    void Tare() override {}
    WeightReading GetWeight() override { return {"", 250.0 + 5.0 * requests++, false}; }
    void Close() noexcept override {}

private:
    std::atomic<int> requests = 0;
};

// Answers the Collect New Data dialog as soon as it shows.
void AnswerNewDataDialog(const QString& density, bool begin) {
    QTimer::singleShot(0, [density, begin] {
        auto* dialog = qobject_cast<TNewDataDlg*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        QVERIFY(dialog->MaxDuration18->isChecked());
        dialog->MaxDuration9->setChecked(true);
        dialog->Density->setText(density);
        (begin ? dialog->GoButton : dialog->CancelButton)->click();
    });
}

} // namespace

class CollectNewDataTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        qputenv("XDG_STATE_HOME", QFile::encodeName(dir_->filePath("state")));
        boxes_ = std::make_unique<ScriptedBoxes>();
        services_ = std::make_unique<UiServices>(UiServices{*boxes_, dialogs_, clock_});
        mainWindow_ = std::make_unique<QWidget>();
        wine_ = new TMDIChild(*services_, openWindows_);
        wine_->setParent(mainWindow_.get());
        wine_->WineClass.WineRec.Data.V[0].assign("  12.3");
        wine_->WineClass.WineRec.Data.MinSkip.set(3);
        mainWindow_->show();
        saves_ = 0;
    }
    void cleanup() {
        mainWindow_.reset();
        dir_.reset();
    }

    void cancelInTheFirstDialogChangesNothing() {
        serial::TComPort port(nullptr);
        AnswerNewDataDialog(QStringLiteral("1"), false);
        CollectNewDataExecute(*mainWindow_, *wine_, port, *services_, [this] { ++saves_; });
        QVERIFY(!CollectionInProgress(*mainWindow_));
        QCOMPARE(wine_->WineClass.WineRec.Data.V[0].text(), std::string_view("  12.3"));
        QCOMPARE(wine_->WineClass.WineRec.Data.MinSkip.get(), 3);
        QVERIFY(!wine_->WineClass.Modified);
        QVERIFY(boxes_->shown.empty());
    }

    // Notes that leave no room for a run's reading times (a key of a later
    // version, 2090 characters): the run does not begin, and the user is
    // told why and what to do, before the first dialog.
    void wineWhoseNotesAreFullIsNotCollectedInto() {
        wine_->WineClass.Notes.LaterKeys["later_notes"] = "\"" + std::string(2088, 'x') + "\"";
        serial::TComPort port(nullptr);
        CollectNewDataExecute(*mainWindow_, *wine_, port, *services_, [this] { ++saves_; });
        QVERIFY(!CollectionInProgress(*mainWindow_));
        QCOMPARE(boxes_->shown.size(), std::size_t(1));
        QVERIFY2(boxes_->shown[0].second.find("no room for the reading times") != std::string::npos,
                 boxes_->shown[0].second.c_str());
        QCOMPARE(wine_->WineClass.WineRec.Data.V[0].text(), std::string_view("  12.3"));
        QVERIFY(!wine_->WineClass.Modified);
    }

    void runOverThePortFillsTheWindowUntilTheXKey() {
        Simulator simulator({"--flow", "40", "--fouling", "0"});
        serial::TComPort port(nullptr);
        ConfigureBalancePort(port, 1);
        port.SetDeviceName(simulator.Device());
        AnswerNewDataDialog(QStringLiteral("1"), true);
        CollectNewDataExecute(*mainWindow_, *wine_, port, *services_, [this] { ++saves_; });
        QVERIFY(CollectionInProgress(*mainWindow_));
        QVERIFY(wine_->WineClass.Modified);
        QCOMPARE(wine_->WineClass.WineRec.Data.MinSkip.get(), 1);
        QVERIFY(wine_->WineClass.WineRec.Data.V[0].empty());

        // A second run is refused while this one goes on.
        CollectNewDataExecute(*mainWindow_, *wine_, port, *services_, [] {});
        QCOMPARE(boxes_->shown.size(), std::size_t(1));

        QTRY_VERIFY_WITH_TIMEOUT(!wine_->WineClass.WineRec.Data.V[0].empty(), 20000);
        QCOMPARE(wine_->WineClass.WineRec.Data.T[0].Sc.text().substr(0, 1), std::string_view("1"));
        auto* progress = mainWindow_->findChild<TDataCollectionDlg*>();
        QVERIFY(progress);
        QTest::keyClick(progress, Qt::Key_X);
        QTRY_VERIFY_WITH_TIMEOUT(!CollectionInProgress(*mainWindow_), 2000);
        QCOMPARE(boxes_->Count(SaveQuestionText), 1);
        QCOMPARE(saves_, 1);
        QVERIFY(!port.Active());
        QVERIFY(wine_->WineClass.WineRec.Data.V[1].empty());
    }

    // A balance profile other than the ESC P link: the standard command set
    // at 19200 bit/s, weighing in kilograms. The port takes the profile's
    // line settings, and the stored volume is the filtrate in grams over
    // the density.
    void runWithABalanceProfileFillsTheWindow() {
        Simulator simulator({"--protocol", "mt-sics", "--baud", "19200", "--unit", "kg", "--flow",
                             "40", "--fouling", "0", "--noise", "0", "--delay", "0"});
        serial::TComPort port(nullptr);
        ConfigureBalancePort(port, 1);
        port.SetDeviceName(simulator.Device());
        const BalanceProfile profile{
            BalanceDialect::MtSics, {19200, 8, 'N', 1, Handshake::None}, ""};
        AnswerNewDataDialog(QStringLiteral("1"), true);
        CollectNewDataExecute(
            *mainWindow_, *wine_, port, *services_, [this] { ++saves_; }, profile);
        QVERIFY(CollectionInProgress(*mainWindow_));
        QCOMPARE(port.BaudRate(), serial::TBaudRate::br19200);
        QCOMPARE(port.DataBits(), serial::TDataBits::db8);

        const TData& data = wine_->WineClass.WineRec.Data;
        QTRY_VERIFY_WITH_TIMEOUT(!data.V[0].empty(), 20000);
        const double seconds = std::stod(std::string(data.T[0].M.text())) * 60 +
                               std::stod(std::string(data.T[0].Sc.text()));
        QVERIFY(std::abs(std::stod(std::string(data.V[0].text())) - 40.0 / 60.0 * seconds) < 0.6);
        auto* progress = mainWindow_->findChild<TDataCollectionDlg*>();
        QVERIFY(progress);
        QTest::keyClick(progress, Qt::Key_X);
        QTRY_VERIFY_WITH_TIMEOUT(!CollectionInProgress(*mainWindow_), 2000);
        QCOMPARE(boxes_->Count(SaveQuestionText), 1);
        QCOMPARE(saves_, 1);
        QVERIFY(!port.Active());
    }

    // The window never waits for the balance: while the starting weight is
    // still pending, events posted to the main thread are handled, the other
    // commands see the run, and X ends it at once. Nothing was stored, so
    // the wine is as it was and no question is asked.
    void slowOrSilentBalanceNeverHoldsTheWindow_data() {
        QTest::addColumn<QStringList>("options");
        QTest::newRow("slow") << QStringList{"--delay", "3000", "--weight", "10"};
        QTest::newRow("silent") << QStringList{"--silent"};
    }
    void slowOrSilentBalanceNeverHoldsTheWindow() {
        QFETCH(QStringList, options);
        std::vector<std::string> args;
        for (const QString& option : options)
            args.push_back(option.toStdString());
        Simulator simulator(args);
        serial::TComPort port(nullptr);
        ConfigureBalancePort(port, 1);
        port.SetDeviceName(simulator.Device());
        AnswerNewDataDialog(QStringLiteral("1"), true);
        CollectNewDataExecute(*mainWindow_, *wine_, port, *services_, [this] { ++saves_; });
        auto* session = mainWindow_->findChild<CollectionSession*>();
        QVERIFY(session);

        bool handled = false;
        bool pendingWhenHandled = false;
        QMetaObject::invokeMethod(
            mainWindow_.get(),
            [&] {
                handled = true;
                pendingWhenHandled = session->Run().AwaitingBalance();
            },
            Qt::QueuedConnection);
        QTRY_VERIFY_WITH_TIMEOUT(handled, 1000);
        QVERIFY(pendingWhenHandled);
        QVERIFY(!session->Run().Started());

        // the wine being collected refuses the commands that change it
        QVERIFY(RefusedDuringCollection(*mainWindow_, *wine_, *boxes_));
        QCOMPARE(boxes_->Count(CollectionSession::RunInProgressText), 1);
        TMDIChild other(*services_, openWindows_);
        QVERIFY(!RefusedDuringCollection(*mainWindow_, other, *boxes_));

        TDataCollectionDlg* progress = session->ProgressWindow();
        QTest::keyClick(progress, Qt::Key_X);
        QTRY_VERIFY_WITH_TIMEOUT(!CollectionInProgress(*mainWindow_), 1000);
        QCOMPARE(boxes_->shown.size(), std::size_t(1)); // no error, no save question
        QCOMPARE(saves_, 0);
        QCOMPARE(wine_->WineClass.WineRec.Data.V[0].text(), std::string_view("  12.3"));
        QCOMPARE(wine_->WineClass.WineRec.Data.MinSkip.get(), 3);
        QVERIFY(!wine_->WineClass.Modified);
        QVERIFY(!port.Active());
    }

    // A save during the run (Ctrl+S) clears the Modified flag; the points
    // stored afterwards are in no file, so the close prompt must come.
    void pointsAfterAMidRunSaveAreNotLostWithoutAQuestion() {
        const QString path = dir_->filePath(QStringLiteral("wine.zph"));
        StartFastRun();
        QTRY_VERIFY_WITH_TIMEOUT(Points() >= 1, 3000);
        QCOMPARE(wine_->SaveTo(path), 0);
        QVERIFY(!wine_->WineClass.Modified);
        const int saved = Points();
        QTRY_VERIFY_WITH_TIMEOUT(Points() >= saved + 2, 3000);
        QVERIFY(wine_->WineClass.Modified);
        boxes_->questionAnswer = BoxAnswer::No;
        QTest::keyClick(mainWindow_->findChild<TDataCollectionDlg*>(), Qt::Key_X);
        QTRY_VERIFY_WITH_TIMEOUT(!CollectionInProgress(*mainWindow_), 2000);
        QCOMPARE(boxes_->Count(SaveQuestionText), 1);
        boxes_->warningAnswer = BoxAnswer::Cancel;
        QVERIFY(!wine_->close());
        QCOMPARE(boxes_->Count("Save the changes to wine.zph?"), 1);
    }

    // The collected points are kept in a recovery journal from the first
    // one on, until the wine is saved or the user gives the data up; a run
    // that stores no point leaves none.
    void collectedPointsAreKeptForRecoveryUntilSavedOrGivenUp() {
        const QString folder = dir_->filePath(QStringLiteral("state/zephra"));
        wine_->setWindowTitle(QStringLiteral("Merlot F1"));
        StartFastRun();
        QTRY_VERIFY_WITH_TIMEOUT(Points() >= 2, 3000);
        JournalContents kept = OnlyJournal(folder);
        QCOMPARE(kept.state, JournalContents::State::Intact);
        QVERIFY(kept.readings >= 2);
        QCOMPARE(kept.wine.fileName, std::string());
        QCOMPARE(kept.wine.caption, std::string("Merlot F1"));
        QCOMPARE(kept.wine.rec.Data.MinSkip.get(), 1);

        const QString path = dir_->filePath(QStringLiteral("wine.zph"));
        QCOMPARE(wine_->SaveTo(path), 0);
        QCOMPARE(Journals(folder).size(), 0);
        const int saved = Points();
        QTRY_VERIFY_WITH_TIMEOUT(Points() > saved, 3000);
        kept = OnlyJournal(folder);
        QCOMPARE(QFile::decodeName(QByteArray::fromStdString(kept.wine.fileName)), path);
        QCOMPARE(kept.wine.caption, std::string("wine.zph"));

        boxes_->questionAnswer = BoxAnswer::No; // not saved at the end either
        QTest::keyClick(mainWindow_->findChild<TDataCollectionDlg*>(), Qt::Key_X);
        QTRY_VERIFY_WITH_TIMEOUT(!CollectionInProgress(*mainWindow_), 2000);
        kept = OnlyJournal(folder);
        QCOMPARE(kept.readings, Points());

        boxes_->warningAnswer = BoxAnswer::No; // the close prompt: give the data up
        QVERIFY(wine_->close());
        QTRY_COMPARE_WITH_TIMEOUT(Journals(folder).size(), 0, 1000);
    }

private:
    void StartFastRun() {
        auto* collection = new DesktopCollection(
            *mainWindow_, *wine_, std::make_unique<GrowingBalance>(), std::make_unique<FastClock>(),
            "COM1", *services_, RunSettings{1.0, 18}, [this] { ++saves_; });
        collection->Begin();
    }
    int Points() const {
        int points = 0;
        while (points < 36 && !wine_->WineClass.WineRec.Data.V[points].empty())
            ++points;
        return points;
    }
    static QStringList Journals(const QString& folder) {
        return QDir(folder).entryList(QDir::Files);
    }
    // The one journal in `folder`, read as the next start would read it.
    static JournalContents OnlyJournal(const QString& folder) {
        const QStringList names = Journals(folder);
        if (names.size() != 1)
            return {};
        QFile file(QDir(folder).filePath(names[0]));
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return ReadJournal(file.readAll().toStdString());
    }

    std::unique_ptr<QTemporaryDir> dir_;
    NoFileDialogs dialogs_;
    InstantClock clock_;
    std::unique_ptr<ScriptedBoxes> boxes_;
    std::unique_ptr<UiServices> services_;
    QList<TMDIChild*> openWindows_;
    std::unique_ptr<QWidget> mainWindow_;
    TMDIChild* wine_ = nullptr;
    int saves_ = 0;
};

QTEST_MAIN(CollectNewDataTest)
#include "CollectNewDataTest.moc"

#include "UiScript.h"

#include "analysis/ui/FilterSizingWindow.h"
#include "app/AboutBox.h"
#include "app/HelpWindow.h"
#include "app/MainForm.h"
#include "app/SplashBox.h"
#include "app/WelcomeDlg.h"
#include "document/WineFile.h"
#include "reports/ui/CompareTrialsWindow.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextEdit>
#include <QTimer>
#include <QToolBar>
#include <QWindow>
#include <QtTest>

#include <functional>
#include <memory>

using namespace zephra;
using zephra::testing::UiScript;

namespace {

// Acts on every modal dialog that comes up while it lives, recording each
// one's caption; by default the dialog is closed as with its close box.
class ModalHandler {
public:
    explicit ModalHandler(std::function<void(QWidget*)> act = [](QWidget* w) { w->close(); })
        : act_(std::move(act)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                Captions << modal->windowTitle();
                act_(modal);
            }
        });
        timer_.start(10);
    }

    QStringList Captions;

private:
    std::function<void(QWidget*)> act_;
    QTimer timer_;
};

// The targets of the document's links and the names its anchors carry.
std::pair<QStringList, QStringList> LinksAndAnchors(const QTextDocument& document) {
    QStringList links;
    QStringList anchors;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (!format.anchorHref().isEmpty())
                links << format.anchorHref();
            anchors << format.anchorNames();
        }
    }
    return {links, anchors};
}

QStringList MenuItems(const QMenu* menu) {
    QStringList items;
    for (const QAction* action : menu->actions())
        items << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return items;
}

} // namespace

class MainFormTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<UiScript> ui;
    std::unique_ptr<TMainForm> form;

    void WriteSettings(int port) {
        QDir().mkpath(dir->filePath("config/zephra"));
        QByteArray bytes(1544, '\0');
        bytes[1540] = static_cast<char>(port);
        QFile file(dir->filePath("config/zephra/zephra.dat"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QString MakeWineFile(const QString& name) {
        TWineRec rec{};
        rec.Conditions.WineName.assign("Merlot");
        const QString path = dir->filePath(name);
        if (WriteWineFile(QFile::encodeName(path).toStdString(), rec) != 0)
            qFatal("cannot write a test wine");
        return path;
    }

    void StartForm() {
        form = std::make_unique<TMainForm>(ui->Services());
        form->ShowWelcome = false;
        form->show();
        ui->Events.clear(); // the splash's wait
    }

    TMDIChild* OpenWine(const QString& name) {
        return form->Documents->CreateWineWindow(MakeWineFile(name));
    }

    void Settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    QList<QAction*> DocumentCommands() const {
        return {form->FileClose,       form->FileSave,        form->FileSaveAs,
                form->EditConditions,  form->EditData,        form->CollectNewData,
                form->LaboratoryGraph, form->ProductionGraph, form->FoulingAnalysis,
                form->FilterSizing,    form->CompareTrials,   form->SetScaleConnection};
    }
    QList<QAction*> WindowCommands() const {
        return {form->WindowCascade, form->WindowTileHorizontal, form->WindowTileVertical};
    }
    QList<QAction*> AlwaysEnabled() const {
        return {form->FileNew, form->FileOpen, form->Exit, form->HelpAbout, form->HelpContents};
    }

    void ExpectEnabled(const QList<QAction*>& actions, bool enabled) {
        for (const QAction* action : actions) {
            if (action->isEnabled() != enabled)
                QFAIL(qPrintable(action->text() + (enabled ? " is disabled" : " is enabled")));
        }
    }

private slots:
    void init() {
        dir = std::make_unique<QTemporaryDir>();
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir->filePath("config")));
        qputenv("XDG_STATE_HOME", QFile::encodeName(dir->filePath("state")));
        ui = std::make_unique<UiScript>();
        WriteSettings(3);
    }

    void cleanup() {
        form.reset();
        QCOMPARE(ui->Unexpected, QStringList());
        ui.reset();
        dir.reset();
    }

    void startUpReadsTheSettingsAndShowsTheSplashForThreeSeconds() {
        WriteSettings(7);
        QStringList splashTexts;
        ui->OnWait = [&](int) {
            for (QWidget* widget : QApplication::topLevelWidgets()) {
                if (auto* splash = qobject_cast<TSplashBox*>(widget); splash && splash->isVisible())
                    splashTexts << splash->ProductName->text() << splash->Version->text();
            }
        };
        form = std::make_unique<TMainForm>(ui->Services());
        QVERIFY(!form->StartFailed());
        QCOMPARE(form->Environment.ScalePortNumber(), 7);
        QCOMPARE(ui->Events, QStringList{"wait 3000"});
        QCOMPARE(splashTexts, (QStringList{"ZEPHRA", "Version 6.1.0 Veloria"}));
        for (QWidget* widget : QApplication::topLevelWidgets())
            QVERIFY(qobject_cast<TSplashBox*>(widget) == nullptr);
        QVERIFY(form->ShowWelcome);
        QCOMPARE(form->Documents->WineWindowCount, 0);
        QCOMPARE(form->Documents->OpenDialog.Setup.InitialDir, QStringLiteral("/documents"));
        QCOMPARE(form->Documents->SaveDialog.Setup.InitialDir, QStringLiteral("/documents"));
    }

    void missingSettingsFileEndsTheStartUp() {
        QVERIFY(QFile::remove(dir->filePath("config/zephra/zephra.dat")));
        ui->BoxAnswers = {BoxAnswer::Ok};
        form = std::make_unique<TMainForm>(ui->Services());
        QVERIFY(form->StartFailed());
        QCOMPARE(ui->Events, QStringList{"box: I/O Error type 2 occurred while loading "
                                         "environment file ZEPHRA.DAT. ZEPHRA will have to exit."});
        QCOMPARE(ui->Boxes.at(0).Kind, BoxKind::Error);
        QCOMPARE(ui->Boxes.at(0).Buttons, BoxButtons::Ok);
        QVERIFY(!form->ShowWelcome);
    }

    void emptySettingsFileEndsTheStartUpInsteadOfUsingPort0() {
        QFile settings(dir->filePath("config/zephra/zephra.dat"));
        QVERIFY(settings.open(QIODevice::WriteOnly | QIODevice::Truncate));
        settings.close();
        ui->BoxAnswers = {BoxAnswer::Ok};
        form = std::make_unique<TMainForm>(ui->Services());
        QVERIFY(form->StartFailed());
        QCOMPARE(ui->Events, QStringList{"box: I/O Error type 5 occurred while loading "
                                         "environment file ZEPHRA.DAT. ZEPHRA will have to exit."});
    }

    void mainWindowHasItsCaptionAndSizes() {
        StartForm();
        QCOMPARE(form->windowTitle(), QStringLiteral("ORVANE - ZEPHRA"));
        QCOMPARE(form->width(), 554);
        QCOMPARE(form->height() - form->menuBar()->height(), 651);
        QCOMPARE(form->statusBar()->height(), 19);
        QCOMPARE(form->findChild<QToolBar*>()->height(), 30);
        QCOMPARE(form->centralWidget(), form->MdiArea);
    }

    void commandsHaveTheirCaptionsShortcutsHintsAndGlyphs_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("category");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QKeySequence>("shortcut");
        QTest::addColumn<bool>("glyph");
        QTest::addColumn<QString>("toolTip");
        QTest::addColumn<QString>("statusTip");
        const QKeySequence none;
        const auto row = [](const char* name, const char* category, const char* caption,
                            QKeySequence key, bool glyph, const char* tip, const char* status) {
            QTest::newRow(name) << name << category << caption << key << glyph << tip << status;
        };
        row("FileNew", "File", "&New", QKeySequence("Ctrl+N"), true, "New", "Create a new wine");
        row("FileOpen", "File", "&Open", none, true, "Open", "Open an existing wine file");
        row("FileClose", "FileDone", "&Close", none, false, "Close",
            "Close the currently active window");
        row("FileSave", "FileDone", "&Save", QKeySequence("Ctrl+S"), true, "Save",
            "Save current wine");
        row("FileSaveAs", "FileDone", "Save &As...", none, false, "Save as",
            "Save the current wine with a new file name");
        row("Exit", "File", "E&xit", none, false, "Exit", "Exit application");
        row("EditConditions", "Data", "&Edit Conditions", QKeySequence("Ctrl+E"), false, "", "");
        row("EditData", "Data", "Edit &Data", QKeySequence("Ctrl+D"), false, "", "");
        row("CollectNewData", "Data", "&Collect New Data", QKeySequence("Ctrl+C"), false, "", "");
        row("LaboratoryGraph", "Data", "Laboratory Graph", none, false, "", "");
        row("ProductionGraph", "Data", "Production Graph", none, false, "", "");
        row("FoulingAnalysis", "Data", "Fouling Analysis", none, false, "", "");
        row("FilterSizing", "Data", "Filter Sizing", none, false, "", "");
        row("CompareTrials", "Data", "Compare Trials", none, false, "", "");
        row("SetScaleConnection", "Data", "Set Scale Connection", none, false, "", "");
        row("HelpAbout", "Help", "About", none, false, "", "");
        row("WindowCascade", "Window", "&Cascade", none, true, "Cascade", "Cascade");
        row("WindowTileHorizontal", "Window", "Tile &Horizontally", none, true, "Tile Horizontal",
            "Tile Horizontal");
        row("WindowTileVertical", "Window", "&Tile Vertically", none, true, "Tile Vertical",
            "Tile Vertical");
    }

    void commandsHaveTheirCaptionsShortcutsHintsAndGlyphs() {
        QFETCH(QString, name);
        QFETCH(QString, category);
        QFETCH(QString, caption);
        QFETCH(QKeySequence, shortcut);
        QFETCH(bool, glyph);
        QFETCH(QString, toolTip);
        QFETCH(QString, statusTip);
        StartForm();
        const QMap<QString, QAction*> commands = {
            {"FileNew", form->FileNew},
            {"FileOpen", form->FileOpen},
            {"FileClose", form->FileClose},
            {"FileSave", form->FileSave},
            {"FileSaveAs", form->FileSaveAs},
            {"Exit", form->Exit},
            {"EditConditions", form->EditConditions},
            {"EditData", form->EditData},
            {"CollectNewData", form->CollectNewData},
            {"LaboratoryGraph", form->LaboratoryGraph},
            {"ProductionGraph", form->ProductionGraph},
            {"FoulingAnalysis", form->FoulingAnalysis},
            {"FilterSizing", form->FilterSizing},
            {"CompareTrials", form->CompareTrials},
            {"SetScaleConnection", form->SetScaleConnection},
            {"HelpAbout", form->HelpAbout},
            {"WindowCascade", form->WindowCascade},
            {"WindowTileHorizontal", form->WindowTileHorizontal},
            {"WindowTileVertical", form->WindowTileVertical}};
        const QAction* action = commands.value(name);
        QVERIFY(action != nullptr);
        QCOMPARE(action->property("category").toString(), category);
        QCOMPARE(action->text(), caption);
        QCOMPARE(action->shortcut(), shortcut);
        QCOMPARE(!action->icon().isNull(), glyph);
        if (!toolTip.isEmpty())
            QCOMPARE(action->toolTip(), toolTip);
        QCOMPARE(action->statusTip(), statusTip);
    }

    void menusListTheirItemsInOrderWithTheirOwnHints() {
        StartForm();
        const QList<QAction*> menus = form->menuBar()->actions();
        QCOMPARE(menus.size(), 4);
        QCOMPARE(menus.at(0)->text(), QStringLiteral("&Wine"));
        QCOMPARE(MenuItems(menus.at(0)->menu()),
                 (QStringList{"&New", "&Open", "&Close", "&Save", "Save &As...", "-",
                              "Export &PDF...", "Export Da&ta...", "&Print...", "-", "E&xit"}));
        QCOMPARE(menus.at(1)->text(), QStringLiteral("&Data"));
        QCOMPARE(MenuItems(menus.at(1)->menu()),
                 (QStringList{"&Edit Conditions", "Edit &Data", "&Collect New Data", "-",
                              "Laboratory Graph", "Production Graph", "Fouling Analysis",
                              "Filter Sizing", "Compare Trials", "-", "Set Scale Connection"}));
        QCOMPARE(menus.at(2)->text(), QStringLiteral("&View"));
        QCOMPARE(MenuItems(menus.at(2)->menu()),
                 (QStringList{"&Cascade", "Tile &Horizontally", "&Tile Vertically", "-", "&Units",
                              "&Language"}));
        QCOMPARE(menus.at(3)->text(), QStringLiteral("&Help"));
        QCOMPARE(MenuItems(menus.at(3)->menu()), (QStringList{"About", "-", "&Contents"}));

        const QList<QAction*> wine = menus.at(0)->menu()->actions();
        QCOMPARE(wine.at(2)->statusTip(), QStringLiteral("Close the current window"));
        QCOMPARE(wine.at(3), form->FileSave);
        QCOMPARE(wine.at(4)->statusTip(), QStringLiteral("Save current file with different name"));
        const QList<QAction*> view = menus.at(2)->menu()->actions();
        QCOMPARE(view.at(0)->statusTip(), QStringLiteral("Cascade windows"));
        QCOMPARE(view.at(1)->statusTip(), QStringLiteral("Tile windows horizontally"));
        QCOMPARE(view.at(2)->statusTip(), QStringLiteral("Tile windows vertically"));

        // A menu item of its own runs its command.
        OpenWine("merlot.zph");
        QVERIFY(wine.at(2)->isEnabled());
        wine.at(2)->trigger();
        QCOMPARE(form->Documents->WineWindowCount, 0);
        QVERIFY(!wine.at(2)->isEnabled());
    }

    void reportCommandsAreEnabledLikeSaveAndActOnTheActiveWine() {
        StartForm();
        const QList<QAction*> reports{form->FileExportPdf, form->FilePrint, form->FileExportData};
        for (const QAction* action : reports)
            QCOMPARE(action->property("category").toString(), QStringLiteral("FileDone"));
        QCOMPARE(form->FilePrint->shortcut(), QKeySequence("Ctrl+P"));
        ExpectEnabled(reports, false);
        TMDIChild* window = OpenWine("merlot.zph");
        ExpectEnabled(reports, true);

        const QString data = dir->filePath("merlot data");
        ui->DialogAnswers.push_back(data);
        ui->Events.clear();
        form->FileExportData->trigger();
        QCOMPARE(ui->Events, QStringList{"save dialog"});
        QCOMPARE(ui->Dialogs.back().Setup.FileName, QStringLiteral("merlot.csv"));
        QVERIFY(QFile::exists(data + ".csv"));

        QVERIFY(window->close());
        Settle();
        ExpectEnabled(reports, false);
    }

    // View → Units shows the open wines in the chosen units at once and
    // keeps the choice in zephra.conf beside the settings file, which stays
    // as it was; the next start shows the same units.
    void unitsMenuSwitchesTheWinesAndIsRemembered() {
        const QString settingsFile = dir->filePath("config/zephra/zephra.dat");
        const QString programFile = dir->filePath("config/zephra/zephra.conf");
        QFile dat(settingsFile);
        QVERIFY(dat.open(QIODevice::ReadOnly));
        const QByteArray settingsBefore = dat.readAll();
        dat.close();
        StartForm();
        QVERIFY(form->UnitsUs->isChecked());
        QVERIFY(form->UnitsUs->isEnabled());
        TMDIChild* wine = OpenWine("a.zph");
        QVERIFY(wine->Memo2->toPlainText().contains(" psi"));

        form->UnitsMetric->trigger();
        QVERIFY(form->UnitsMetric->isChecked());
        QVERIFY(!form->UnitsUs->isChecked());
        QVERIFY(wine->Memo2->toPlainText().contains(" bar"));
        QVERIFY(!wine->Memo2->toPlainText().contains(" psi"));
        QFile conf(programFile);
        QVERIFY(conf.open(QIODevice::ReadOnly));
        QVERIFY(conf.readAll().contains("System = metric"));
        conf.close();
        QVERIFY(dat.open(QIODevice::ReadOnly));
        QCOMPARE(dat.readAll(), settingsBefore);
        dat.close();

        form.reset();
        StartForm();
        QVERIFY(form->UnitsMetric->isChecked());
        QVERIFY(form->Settings->Units().Metric());
        form->UnitsUs->trigger();
        QVERIFY(conf.open(QIODevice::ReadOnly));
        QVERIFY(conf.readAll().contains("System = us"));
    }

    void programSettingsThatNameNothingGiveUsUnits() {
        QFile conf(dir->filePath("config/zephra/zephra.conf"));
        QVERIFY(conf.open(QIODevice::WriteOnly));
        conf.write("[Units]\nSystem=imperial\nMetricFlow=\xff\xfe\n\0garbage");
        conf.close();
        StartForm();
        QVERIFY(form->UnitsUs->isChecked());
        QCOMPARE(form->Settings->Units(), UsUnits);
    }

    // A line of zephra.conf that cannot be read is told at start, and only
    // its section falls back; the lab's settings reach Filter Sizing.
    void programSettingsProblemsAreToldAtStartAndTheLabsSettingsUsed() {
        const QString path = dir->filePath("config/zephra/zephra.conf");
        QFile conf(path);
        QVERIFY(conf.open(QIODevice::WriteOnly));
        conf.write("[lab]\nsafety_factor = 2\n[Units]\nSystem metric\n");
        conf.close();
        ui->BoxAnswers = {BoxAnswer::Ok};
        StartForm();
        QCOMPARE(ui->Boxes.size(), std::size_t{1});
        QCOMPARE(ui->Boxes.at(0).Kind, BoxKind::Warning);
        QCOMPARE(ui->Boxes.at(0).Text,
                 path + ", line 4, is not a \"key = value\" line or a comment; every setting of "
                        "[Units] is taken at its default.");
        OpenWine("a.zph");
        form->FilterSizing->trigger();
        FilterSizingWindow* sizing = nullptr;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* window = qobject_cast<FilterSizingWindow*>(widget);
                window && window->isVisible())
                sizing = window;
        }
        QVERIFY(sizing != nullptr);
        QCOMPARE(sizing->SafetyFactor()->text(), QStringLiteral("2"));
        delete sizing;
    }

    void toolBarShowsNewOpenSaveAndTheWindowCommands() {
        StartForm();
        QStringList items;
        for (const QAction* action : form->findChild<QToolBar*>()->actions())
            items << (action->isSeparator() ? QStringLiteral("-") : action->text());
        QCOMPARE(items, (QStringList{"&New", "&Open", "&Save", "-", "&Cascade",
                                     "Tile &Horizontally", "&Tile Vertically"}));
    }

    void enablingRuleFollowsTheOpenWineWindows() {
        StartForm();
        ExpectEnabled(AlwaysEnabled(), true);
        ExpectEnabled(DocumentCommands().mid(0, 10), false);
        ExpectEnabled({form->SetScaleConnection}, true);
        ExpectEnabled(WindowCommands(), false);

        TMDIChild* first = OpenWine("a.zph");
        ExpectEnabled(DocumentCommands(), true);
        ExpectEnabled(WindowCommands(), true);
        TMDIChild* second = OpenWine("b.zph");
        ExpectEnabled(DocumentCommands(), true);

        form->MdiArea->setActiveSubWindow(first);
        QVERIFY(first->close());
        ExpectEnabled(DocumentCommands(), true);
        ExpectEnabled(WindowCommands(), true);
        QCOMPARE(form->Documents->ActiveWineWindow(), second);
        Settle();
        QCOMPARE(form->Documents->ActiveWineWindow(), second);

        QVERIFY(second->close());
        Settle();
        // Set Scale Connection goes with the last wine window too.
        ExpectEnabled(DocumentCommands(), false);
        ExpectEnabled(WindowCommands(), false);
        ExpectEnabled(AlwaysEnabled(), true);

        OpenWine("c.zph");
        ExpectEnabled(DocumentCommands(), true);
    }

    void foulingAnalysisOpensAWindowForTheActiveWine() {
        StartForm();
        OpenWine("a.zph");
        form->FoulingAnalysis->trigger();
        QWidget* opened = nullptr;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->isVisible() &&
                widget->windowTitle().startsWith(QStringLiteral("Fouling Analysis")))
                opened = widget;
        }
        QVERIFY(opened != nullptr);
        QVERIFY(
            !form->findChildren<QToolBar*>().first()->actions().contains(form->FoulingAnalysis));
        delete opened;
    }

    void filterSizingOpensAWindowForTheActiveWine() {
        StartForm();
        OpenWine("a.zph");
        // The active wine is the second, named apart from the first.
        OpenWine("b.zph")->WineClass.WineRec.Conditions.WineName.assign("Syrah");
        form->FilterSizing->trigger();
        const QString title = QStringLiteral("Filter Sizing — Syrah");
        QWidget* opened = nullptr;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->isVisible() && widget->windowTitle() == title)
                opened = widget;
        }
        QVERIFY2(opened != nullptr, qPrintable(title));
        delete opened;
    }

    void compareTrialsOpensAWindowWithEveryOpenWine() {
        StartForm();
        OpenWine("a.zph");
        OpenWine("b.zph")->WineClass.WineRec.Conditions.WineName.assign("Syrah");
        form->CompareTrials->trigger();
        CompareTrialsWindow* opened = nullptr;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->isVisible() && widget->windowTitle() == QStringLiteral("Compare Trials"))
                opened = qobject_cast<CompareTrialsWindow*>(widget);
        }
        QVERIFY(opened != nullptr);
        QCOMPARE(opened->Rows().size(), std::size_t{2});
        QCOMPARE(opened->Table()->rowCount(), 2);
        delete opened;
    }

    void failedOpenLeavesTheCommandsDisabled() {
        StartForm();
        ui->BoxAnswers = {BoxAnswer::Ok};
        form->Documents->CreateWineWindow(dir->filePath("absent.zph"));
        ExpectEnabled(DocumentCommands(), false);
        ExpectEnabled(WindowCommands(), false);
    }

    void exitWithTwoModifiedWinesStopsAtCancelOnTheFirst() {
        StartForm();
        TMDIChild* first = OpenWine("a.zph");
        TMDIChild* second = OpenWine("b.zph");
        first->WineClass.Modified = true;
        second->WineClass.Modified = true;
        ui->BoxAnswers = {BoxAnswer::Cancel};
        form->Exit->trigger();
        QCOMPARE(ui->BoxTexts(), QStringList{"Save the changes to a.zph?"});
        QVERIFY(form->isVisible());
        QCOMPARE(form->Documents->WineWindowCount, 2);
    }

    void exitAsksEveryModifiedWineInTurn() {
        StartForm();
        OpenWine("a.zph")->WineClass.Modified = true;
        OpenWine("b.zph");
        OpenWine("c.zph")->WineClass.Modified = true;
        ui->BoxAnswers = {BoxAnswer::No, BoxAnswer::No};
        QVERIFY(form->close());
        QCOMPARE(ui->BoxTexts(),
                 (QStringList{"Save the changes to a.zph?", "Save the changes to c.zph?"}));
    }

    void welcomeClosedWithoutChoosingBeginsANewWine() {
        StartForm();
        form->ShowWelcome = true;
        ModalHandler closer;
        form->Welcome();
        QCOMPARE(closer.Captions,
                 (QStringList{"How would you like to begin?", "Filtration Conditions"}));
        QVERIFY(!form->ShowWelcome);
        QCOMPARE(form->Documents->WineWindowCount, 0);
        ExpectEnabled(DocumentCommands().mid(0, 8), false);
        ExpectEnabled({form->SetScaleConnection}, true);
        // Offered once per run.
        form->Welcome();
        QCOMPARE(closer.Captions.size(), 2);
    }

    void welcomeIsOfferedOnceWhenTheFrameAppears() {
        form = std::make_unique<TMainForm>(ui->Services());
        ModalHandler closer;
        form->show();
        QTRY_COMPARE(closer.Captions,
                     (QStringList{"How would you like to begin?", "Filtration Conditions"}));
        form->hide();
        form->show();
        QTest::qWait(50);
        QCOMPARE(closer.Captions.size(), 2);
    }

    void welcomeOpenRunsTheOpenCommand() {
        StartForm();
        form->ShowWelcome = true;
        const QString path = MakeWineFile("merlot.zph");
        ui->DialogAnswers = {path};
        ModalHandler chooser([](QWidget* modal) {
            if (auto* welcome = qobject_cast<TWelcomeDlg*>(modal)) {
                QCOMPARE(welcome->size(), QSize(307, 171));
                QCOMPARE(welcome->OpenButton->geometry(), QRect(32, 40, 233, 25));
                QCOMPARE(welcome->NewButton->geometry(), QRect(32, 96, 233, 25));
                welcome->OpenButton->click();
            }
        });
        form->Welcome();
        QCOMPARE(chooser.Captions, QStringList{"How would you like to begin?"});
        QCOMPARE(ui->Events, QStringList{"open dialog"});
        QCOMPARE(form->Documents->WineWindowCount, 1);
        QCOMPARE(form->Documents->ActiveWineWindow()->FileName, path);
    }

    void aboutBoxShowsTheProductAndCloses() {
        StartForm();
        QStringList seen;
        ModalHandler closer([&](QWidget* modal) {
            if (auto* about = qobject_cast<TAboutBox*>(modal)) {
                seen << about->ProductName->text() << about->Version->text();
                QCOMPARE(about->size(), QSize(485, 388));
                about->findChild<QPushButton*>()->click();
            }
        });
        form->HelpAbout->trigger();
        QCOMPARE(closer.Captions, QStringList{"About ORVANE ZEPHRA"});
        QCOMPARE(seen, (QStringList{"ZEPHRA", "Version 6.1.0 Veloria"}));
    }

    void cascadeKeepsTheWineWindowSize() {
        StartForm();
        TMDIChild* first = OpenWine("a.zph");
        TMDIChild* second = OpenWine("b.zph");
        TMDIChild* third = OpenWine("c.zph");
        form->WindowTileVertical->trigger();
        QVERIFY(first->width() < 512);
        form->MdiArea->setActiveSubWindow(first);
        form->WindowCascade->trigger();
        // The active window goes last, on top of the others.
        QCOMPARE(second->geometry(), QRect(0, 0, 512, 590));
        QCOMPARE(third->geometry(), QRect(30, 30, 512, 590));
        QCOMPARE(first->geometry(), QRect(60, 60, 512, 590));
        QCOMPARE(form->MdiArea->subWindowList(QMdiArea::StackingOrder).last(), first);
        QCOMPARE(form->Documents->ActiveWineWindow(), first);
    }

    void graphWindowsStayWithTheMainWindow() {
        StartForm();
        OpenWine("merlot.zph");
        form->LaboratoryGraph->trigger();
        form->ProductionGraph->trigger();
        QStringList captions;
        for (QWidget* graph : form->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (!graph->isWindow() || !graph->windowTitle().contains("Scale Graph"))
                continue;
            captions << graph->windowTitle();
            QVERIFY(graph->isVisible());
            QVERIFY(graph->windowHandle() != nullptr);
            QCOMPARE(graph->windowHandle()->transientParent(), form->windowHandle());
            // Only a dialog-type window is marked transient for the desktop.
            QCOMPARE(graph->windowType(), Qt::Dialog);
            QVERIFY(graph->screen()->availableGeometry().contains(graph->geometry()));
            QVERIFY(graph->geometry().intersects(form->frameGeometry()));
        }
        captions.sort();
        QCOMPARE(captions, (QStringList{QStringLiteral("Lab Scale Graph \u2014 Merlot"),
                                        QStringLiteral("Production Scale Graph \u2014 Merlot")}));
    }

    void copyKeyCopiesTheSelectionOfAReportPanel() {
        StartForm();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        TMDIChild* window = OpenWine("merlot.zph");
        QSignalSpy collect(form->CollectNewData, &QAction::triggered);
        ModalHandler closer; // the collection dialog, should it come up

        for (QWidget* panel : QList<QWidget*>{window->Memo1, window->Memo2}) {
            QApplication::clipboard()->clear();
            QTest::mouseClick(panel->focusProxy() ? panel->focusProxy() : panel, Qt::LeftButton);
            QCOMPARE(QApplication::focusWidget(), panel);
            QString selected;
            if (auto* text = qobject_cast<QTextEdit*>(panel)) {
                text->selectAll();
                selected = text->textCursor().selectedText();
            } else {
                auto* plain = qobject_cast<QPlainTextEdit*>(panel);
                plain->selectAll();
                selected = plain->textCursor().selectedText();
            }
            QVERIFY(selected.contains("Merlot") || selected.contains("Laboratory Conditions"));
            QTest::keyClick(panel, Qt::Key_C, Qt::ControlModifier);
            QCOMPARE(collect.count(), 0);
            QCOMPARE(QApplication::clipboard()->text(),
                     selected.replace(QChar::ParagraphSeparator, '\n'));
        }

        // Without a selection the key runs Collect New Data as before.
        QTextCursor cursor = window->Memo2->textCursor();
        cursor.clearSelection();
        window->Memo2->setTextCursor(cursor);
        QTest::keyClick(window->Memo2, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(collect.count(), 1);
    }

    void contentsShowsTheUserGuideWithWorkingLinks() {
        StartForm();
        QCOMPARE(form->HelpContents->shortcut(), QKeySequence(Qt::Key_F1));
        form->HelpContents->trigger();
        auto* help = form->findChild<HelpWindow*>();
        QVERIFY(help != nullptr);
        QVERIFY(help->isVisible());
        QCOMPARE(help->windowHandle()->transientParent(), form->windowHandle());
        QTextBrowser* browser = help->Browser;
        QCOMPARE(browser->documentTitle(), QStringLiteral("ZEPHRA User Guide"));
        QVERIFY(browser->openExternalLinks());

        // What a lab technician looks for is there.
        const QString text = browser->toPlainText();
        for (const char* topic : {"Running a trial", "Rm", "Rmax", "0 gallons", "port map",
                                  "zephra-balance-sim", "zephra-cli", "Pasting a table"})
            QVERIFY2(text.contains(topic), topic);

        // Every link within the page has its anchor, and following one moves
        // the page to it.
        const auto [links, anchors] = LinksAndAnchors(*browser->document());
        QVERIFY(links.size() >= 9);
        for (const QString& link : links) {
            if (link.startsWith('#'))
                QVERIFY2(anchors.contains(link.mid(1)), qPrintable(link));
        }
        QCOMPARE(browser->verticalScrollBar()->value(), 0);
        browser->setSource(QUrl("#zero"));
        QTRY_VERIFY(browser->verticalScrollBar()->value() > 0);

        // A second use brings back the same window.
        form->HelpContents->trigger();
        QCOMPARE(form->findChildren<HelpWindow*>().size(), 1);
    }

    void filesNamedAtStartOpenWithoutTheWelcome() {
        form = std::make_unique<TMainForm>(ui->Services());
        QVERIFY(form->ShowWelcome);
        const QString first = MakeWineFile("first.zph");
        MakeWineFile("second.zph");
        const QString current = QDir::currentPath();
        QDir::setCurrent(dir->path());
        ui->BoxAnswers = {BoxAnswer::Ok};
        form->OpenAtStart({first, "second.zph", "missing.zph"});
        QDir::setCurrent(current);
        QVERIFY(!form->ShowWelcome);
        QCOMPARE(ui->BoxTexts(), QStringList{"Can not locate file."});
        QCOMPARE(form->Documents->WineWindowCount, 2);
        QCOMPARE(form->Documents->Windows().at(1)->FileName, dir->filePath("second.zph"));
        ExpectEnabled(DocumentCommands(), true);

        ModalHandler closer;
        form->show();
        QTest::qWait(50);
        QCOMPARE(closer.Captions, QStringList());
    }

    void tileCommandsArrangeTheWineWindows() {
        StartForm();
        TMDIChild* first = OpenWine("a.zph");
        TMDIChild* second = OpenWine("b.zph");
        const QRect area = form->MdiArea->viewport()->rect();
        form->WindowTileVertical->trigger();
        QCOMPARE(first->geometry().top(), 0);
        QCOMPARE(first->geometry().width() + second->geometry().width(), area.width());
        QCOMPARE(second->geometry().left(), first->geometry().right() + 1);
        form->WindowTileHorizontal->trigger();
        QCOMPARE(first->geometry().height() + second->geometry().height(), area.height());
        QCOMPARE(second->geometry().top(), first->geometry().bottom() + 1);
        QCOMPARE(first->width(), area.width());
    }
};

QTEST_MAIN(MainFormTest)
#include "MainFormTest.moc"

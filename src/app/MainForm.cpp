#include "app/MainForm.h"

#include "acquisition/ComPortBalance.h"
#include "acquisition/SettingsFile.h"
#include "acquisition/ui/RunsInProgress.h"
#include "acquisition/ui/ScaleConnection.h"
#include "analysis/ui/FilterSizingWindow.h"
#include "app/AboutBox.h"
#include "app/AppResources.h"
#include "app/CollectedDataRecovery.h"
#include "app/HelpWindow.h"
#include "app/LanguageMenu.h"
#include "app/ProductVersion.h"
#include "app/SplashBox.h"
#include "app/WelcomeDlg.h"
#include "app/WindowArrangement.h"
#include "app/wine/CollectNewData.h"
#include "app/wine/DesktopCollection.h"
#include "app/wine/EntryCommands.h"
#include "document/ProgramConf.h"
#include "graphs/ui/GraphCommands.h"
#include "reports/ui/CompareTrialsWindow.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

#include <cstring>
#include <exception>
#include <string>

namespace zephra {

namespace {

constexpr int ClientWidth = 554;
constexpr int ClientHeight = 651;

const char* const CategoryProperty = "category";

// A hint is a short part (tool tip) and a long part (status bar) separated
// by "|"; without "|" both parts are the whole hint.
void ApplyHint(QAction& action, const QString& hint) {
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    action.setToolTip(bar < 0 ? hint : hint.left(bar));
    action.setStatusTip(bar < 0 ? hint : hint.mid(bar + 1));
}

bool IsDocumentCommand(const QAction& action) {
    const QString category = action.property(CategoryProperty).toString();
    return category == QLatin1String("Data") || category == QLatin1String("FileDone");
}

} // namespace

TMainForm::TMainForm(UiServices services)
    : Settings(std::make_unique<ProgramSettings>(ProgramSettingsPath())), services_(services) {
    setWindowTitle(QStringLiteral("ORVANE - ZEPHRA"));
    setWindowIcon(ApplicationIcon());
    MdiArea = new QMdiArea;
    setCentralWidget(MdiArea);
    statusBar()->setFixedHeight(19);
    Documents =
        std::make_unique<WineWindows>(*this, *MdiArea, *statusBar(), services, Settings.get());
    connect(Documents.get(), &WineWindows::WineWindowAdded, this, [this](int count) {
        if (count >= 1)
            EnableDocumentActions();
    });
    connect(Documents.get(), &WineWindows::WineWindowRemoved, this, &TMainForm::Notification);
    Reports = std::make_unique<ReportCommands>(*this, services, Settings->Units());
    Reports->BandsConfPath = ProgramConfPath();
    connect(Settings.get(), &ProgramSettings::UnitsChanged, this, [this] {
        for (TMDIChild* window : Documents->Windows())
            window->FillLines();
    });
    connect(Settings.get(), &ProgramSettings::WriteFailed, this,
            [this](const QString& path, int error, bool notRead) {
                const QString reason = QString::fromLocal8Bit(std::strerror(error));
                services_.Boxes.Warning(
                    (notRead ? tr("%1 could not be read (%2), so it is not written over; the "
                                  "units hold until ZEPHRA ends.")
                             : tr("The units could not be kept in %1 (%2); they hold until "
                                  "ZEPHRA ends."))
                        .arg(path, reason)
                        .toStdString());
            });

    CreateCommands();
    CreateMenus();
    CreateToolBar();
    ConnectCommands();

    resize(ClientWidth, ClientHeight + menuBar()->sizeHint().height());
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(), size());
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    StartUp();
}

TMainForm::~TMainForm() {
    // A run's exchange thread may still be closing ComPort: it lets go first.
    EndCollections(*this);
    // The wine windows go next: they refer to the list kept by Documents.
    delete MdiArea;
}

void TMainForm::StartUp() {
    const std::string settings = SettingsFilePath();
    const int code = ReadDataFile(settings, Environment);
    if (code != 0) {
        services_.Boxes.Show(BoxKind::Error,
                             tr("I/O Error type %1 occurred while loading environment file "
                                "ZEPHRA.DAT. ZEPHRA will have to exit.")
                                 .arg(code)
                                 .toStdString(),
                             BoxButtons::Ok, BoxAnswer::Ok);
        startFailed_ = true;
        return;
    }
    ConfigureBalancePort(ComPort, Environment.ScalePortNumber());
    Balance = LoadBalanceSetup(BalanceProfilePath());
    if (!Settings->ReadProblems().empty())
        services_.Boxes.Warning(OneMessage(Settings->ReadProblems()));
    ShowSplash();
    ShowWelcome = true;
    Documents->WineWindowCount = 0;
    const QString documents = services_.Dialogs.DocumentsFolder();
    Documents->OpenDialog.Setup.InitialDir = documents;
    Documents->SaveDialog.Setup.InitialDir = documents;
    // A restored wine takes the place of the welcome choice.
    if (RecoverCollectedData(*this, *Documents, services_.Boxes))
        ShowWelcome = false;
}

void TMainForm::ShowSplash() {
    TSplashBox splash;
    splash.ProductName->setText(ProductNameText);
    splash.Version->setText(ProductVersionText);
    splash.show();
    splash.repaint();
    services_.Time.Wait(3000);
}

void TMainForm::CreateCommands() {
    const auto make = [this](const char* category, const QString& caption,
                             const QKeySequence& shortcut, int glyph, const QString& hint) {
        auto* action = new QAction(caption, this);
        action->setProperty(CategoryProperty, QString::fromLatin1(category));
        action->setShortcut(shortcut);
        if (glyph >= 0)
            action->setIcon(Glyph(glyph));
        ApplyHint(*action, hint);
        return action;
    };
    const QKeySequence none;
    FileNew = make("File", tr("&New"), QKeySequence(Qt::CTRL | Qt::Key_N), 0,
                   tr("New|Create a new wine"));
    FileOpen = make("File", tr("&Open"), none, 1, tr("Open|Open an existing wine file"));
    FileClose =
        make("FileDone", tr("&Close"), none, -1, tr("Close|Close the currently active window"));
    FileSave = make("FileDone", tr("&Save"), QKeySequence(Qt::CTRL | Qt::Key_S), 2,
                    tr("Save|Save current wine"));
    FileSaveAs = make("FileDone", tr("Save &As..."), none, -1,
                      tr("Save as|Save the current wine with a new file name"));
    FileExportPdf = make("FileDone", tr("Export &PDF..."), none, -1,
                         tr("Export PDF|Write the lab report of the current wine as a PDF file"));
    FilePrint = make("FileDone", tr("&Print..."), QKeySequence(Qt::CTRL | Qt::Key_P), -1,
                     tr("Print|Print the lab report of the current wine"));
    FileExportData =
        make("FileDone", tr("Export Da&ta..."), none, -1,
             tr("Export data|Write the data and results of the current wine as CSV or JSON"));
    Exit = make("File", tr("E&xit"), none, -1, tr("Exit|Exit application"));
    EditConditions =
        make("Data", tr("&Edit Conditions"), QKeySequence(Qt::CTRL | Qt::Key_E), -1, QString());
    EditData = make("Data", tr("Edit &Data"), QKeySequence(Qt::CTRL | Qt::Key_D), -1, QString());
    CollectNewData =
        make("Data", tr("&Collect New Data"), QKeySequence(Qt::CTRL | Qt::Key_C), -1, QString());
    LaboratoryGraph = make("Data", tr("Laboratory Graph"), none, -1, QString());
    ProductionGraph = make("Data", tr("Production Graph"), none, -1, QString());
    FoulingAnalysis = make("Data", tr("Fouling Analysis"), none, -1, QString());
    FilterSizing = make("Data", tr("Filter Sizing"), none, -1, QString());
    CompareTrials = make("Data", tr("Compare Trials"), none, -1, QString());
    SetScaleConnection = make("Data", tr("Set Scale Connection"), none, -1, QString());
    HelpAbout = make("Help", tr("About"), none, -1, QString());
    HelpContents = make("Help", tr("&Contents"), QKeySequence(Qt::Key_F1), -1, QString());
    WindowCascade = make("Window", tr("&Cascade"), none, 3, tr("Cascade"));
    WindowTileHorizontal = make("Window", tr("Tile &Horizontally"), none, 4, tr("Tile Horizontal"));
    WindowTileVertical = make("Window", tr("&Tile Vertically"), none, 5, tr("Tile Vertical"));
    UnitsUs =
        make("View", tr("&US"), none, -1,
             tr("US units|Show psi, US gallons, gpm and gpm/m2, as the wine files keep them"));
    UnitsMetric = make("View", tr("&Metric"), none, -1,
                       tr("Metric units|Show and type bar, hL, L/h or hL/h and L/(m²·h)"));
    auto* units = new QActionGroup(this);
    for (QAction* action : {UnitsUs, UnitsMetric}) {
        action->setCheckable(true);
        units->addAction(action);
    }
    (Settings->Units().Metric() ? UnitsMetric : UnitsUs)->setChecked(true);

    for (QAction* action :
         {FileClose, FileSave, FileSaveAs, EditConditions, EditData, CollectNewData,
          LaboratoryGraph, ProductionGraph, FoulingAnalysis, FilterSizing, CompareTrials})
        action->setEnabled(false);
    for (QAction* action : {FileExportPdf, FilePrint, FileExportData})
        action->setEnabled(false);
    SetWindowCommandsEnabled(false);
}

void TMainForm::CreateMenus() {
    // A menu item with a hint of its own is a view of its command that
    // carries that hint and follows the command's enabled state.
    const auto view = [this](QAction* command, const QString& hint) {
        auto* item = new QAction(command->icon(), command->text(), this);
        ApplyHint(*item, hint);
        item->setEnabled(command->isEnabled());
        connect(item, &QAction::triggered, command, &QAction::trigger);
        connect(command, &QAction::enabledChanged, item, &QAction::setEnabled);
        return item;
    };

    QMenu* wine = menuBar()->addMenu(tr("&Wine"));
    wine->addAction(FileNew);
    wine->addAction(FileOpen);
    wine->addAction(view(FileClose, tr("Close|Close the current window")));
    wine->addAction(FileSave);
    wine->addAction(view(FileSaveAs, tr("Save As|Save current file with different name")));
    wine->addSeparator();
    wine->addAction(FileExportPdf);
    wine->addAction(FileExportData);
    wine->addAction(FilePrint);
    wine->addSeparator();
    wine->addAction(Exit);

    QMenu* data = menuBar()->addMenu(tr("&Data"));
    data->addAction(EditConditions);
    data->addAction(EditData);
    data->addAction(CollectNewData);
    data->addSeparator();
    data->addAction(LaboratoryGraph);
    data->addAction(ProductionGraph);
    data->addAction(FoulingAnalysis);
    data->addAction(FilterSizing);
    data->addAction(CompareTrials);
    data->addSeparator();
    data->addAction(SetScaleConnection);

    QMenu* view_ = menuBar()->addMenu(tr("&View"));
    view_->addAction(view(WindowCascade, tr("Cascade|Cascade windows")));
    view_->addAction(view(WindowTileHorizontal, tr("Tile|Tile windows horizontally")));
    view_->addAction(view(WindowTileVertical, tr("Tile|Tile windows vertically")));
    view_->addSeparator();
    QMenu* units = view_->addMenu(tr("&Units"));
    units->addAction(UnitsUs);
    units->addAction(UnitsMetric);
    view_->addMenu(new LanguageMenu(ProgramConfPath(), services_.Boxes, this));

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->addAction(HelpAbout);
    help->addSeparator();
    help->addAction(HelpContents);
}

void TMainForm::CreateToolBar() {
    QToolBar* bar = addToolBar(tr("Tools"));
    bar->setObjectName(QStringLiteral("ToolBar"));
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setFixedHeight(30);
    bar->setIconSize(QSize(16, 16));
    bar->setStyleSheet(QStringLiteral("QToolBar::separator { width: 8px; }"));
    bar->toggleViewAction()->setVisible(false);
    bar->addAction(FileNew);
    bar->addAction(FileOpen);
    bar->addAction(FileSave);
    bar->addSeparator();
    bar->addAction(WindowCascade);
    bar->addAction(WindowTileHorizontal);
    bar->addAction(WindowTileVertical);
}

void TMainForm::ConnectCommands() {
    const auto bind = [this](QAction* action, void (TMainForm::*handler)()) {
        connect(action, &QAction::triggered, this,
                [this, handler] { RunCommand([this, handler] { (this->*handler)(); }); });
    };
    bind(FileNew, &TMainForm::FileNewExecute);
    bind(FileOpen, &TMainForm::FileOpenExecute);
    bind(FileClose, &TMainForm::FileCloseExecute);
    bind(FileSave, &TMainForm::FileSaveExecute);
    bind(FileSaveAs, &TMainForm::FileSaveAsExecute);
    bind(FileExportPdf, &TMainForm::FileExportPdfExecute);
    bind(FilePrint, &TMainForm::FilePrintExecute);
    bind(FileExportData, &TMainForm::FileExportDataExecute);
    bind(Exit, &TMainForm::FileExitExecute);
    bind(EditConditions, &TMainForm::EditConditionsExecute);
    bind(EditData, &TMainForm::EditDataExecute);
    bind(CollectNewData, &TMainForm::CollectNewDataExecute);
    bind(SetScaleConnection, &TMainForm::SetScaleConnectionExecute);
    bind(LaboratoryGraph, &TMainForm::LaboratoryGraphExecute);
    bind(ProductionGraph, &TMainForm::ProductionGraphExecute);
    bind(FoulingAnalysis, &TMainForm::FoulingAnalysisExecute);
    bind(FilterSizing, &TMainForm::FilterSizingExecute);
    bind(CompareTrials, &TMainForm::CompareTrialsExecute);
    bind(HelpAbout, &TMainForm::HelpAboutExecute);
    bind(HelpContents, &TMainForm::HelpContentsExecute);
    bind(WindowCascade, &TMainForm::WindowCascadeExecute);
    bind(WindowTileHorizontal, &TMainForm::WindowTileHorizontalExecute);
    bind(WindowTileVertical, &TMainForm::WindowTileVerticalExecute);
    connect(UnitsUs, &QAction::triggered, this, [this] { UnitsExecute(UnitSystem::Us); });
    connect(UnitsMetric, &QAction::triggered, this, [this] { UnitsExecute(UnitSystem::Metric); });
}

void TMainForm::RunCommand(const std::function<void()>& command) {
    try {
        command();
    } catch (const std::exception& e) {
        services_.Boxes.Error(e.what());
    }
}

void TMainForm::EnableDocumentActions() {
    for (QAction* action : findChildren<QAction*>()) {
        if (IsDocumentCommand(*action))
            action->setEnabled(true);
    }
    SetWindowCommandsEnabled(true);
}

void TMainForm::DisableDocumentActions() {
    for (QAction* action : findChildren<QAction*>()) {
        if (IsDocumentCommand(*action))
            action->setEnabled(false);
    }
    SetWindowCommandsEnabled(false);
}

void TMainForm::SetWindowCommandsEnabled(bool enabled) {
    WindowCascade->setEnabled(enabled);
    WindowTileHorizontal->setEnabled(enabled);
    WindowTileVertical->setEnabled(enabled);
}

void TMainForm::Notification(int wineWindowCount) {
    if (wineWindowCount <= 0)
        DisableDocumentActions();
}

void TMainForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // Without a window manager the frame may never be told it is active.
    QTimer::singleShot(0, this, &TMainForm::Welcome);
}

void TMainForm::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        QTimer::singleShot(0, this, &TMainForm::Welcome);
}

void TMainForm::Welcome() {
    if (!ShowWelcome)
        return;
    // Cleared first: the frame is activated again while the dialog is up.
    ShowWelcome = false;
    TWelcomeDlg dialog(this);
    dialog.exec();
    if (dialog.OpenStart)
        RunCommand([this] { FileOpenExecute(); });
    else
        RunCommand([this] { FileNewExecute(); });
}

void TMainForm::OpenAtStart(const QStringList& paths) {
    if (paths.isEmpty())
        return;
    ShowWelcome = false;
    for (const QString& path : paths)
        RunCommand(
            [this, &path] { Documents->CreateWineWindow(QFileInfo(path).absoluteFilePath()); });
}

void TMainForm::FileNewExecute() {
    Documents->FileNewExecute();
}

void TMainForm::FileOpenExecute() {
    Documents->FileOpenExecute();
}

void TMainForm::FileCloseExecute() {
    Documents->FileCloseExecute();
}

void TMainForm::FileSaveExecute() {
    Documents->FileSaveExecute();
}

void TMainForm::FileSaveAsExecute() {
    Documents->FileSaveAsExecute();
}

void TMainForm::FileExportPdfExecute() {
    if (const TMDIChild* window = Documents->ActiveWineWindow())
        Reports->ExportPdfExecute(window->WineClass, window->FileName);
}

void TMainForm::FilePrintExecute() {
    if (const TMDIChild* window = Documents->ActiveWineWindow())
        Reports->PrintExecute(window->WineClass, window->FileName);
}

void TMainForm::FileExportDataExecute() {
    if (const TMDIChild* window = Documents->ActiveWineWindow())
        Reports->ExportDataExecute(window->WineClass, window->FileName);
}

void TMainForm::FileExitExecute() {
    close();
}

void TMainForm::closeEvent(QCloseEvent* event) {
    if (!Documents->QueryCloseAll()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

void TMainForm::EditConditionsExecute() {
    if (TMDIChild* window = Documents->ActiveWineWindow()) {
        if (RefusedDuringCollection(*this, *window, services_.Boxes))
            return;
        zephra::EditConditions(this, *window, *Settings);
    }
}

void TMainForm::EditDataExecute() {
    if (TMDIChild* window = Documents->ActiveWineWindow()) {
        if (RefusedDuringCollection(*this, *window, services_.Boxes))
            return;
        zephra::EditData(this, *window);
    }
}

void TMainForm::CollectNewDataExecute() {
    if (TMDIChild* window = Documents->ActiveWineWindow()) {
        zephra::CollectNewDataExecute(
            *this, *window, ComPort, services_,
            [this, window] {
                MdiArea->setActiveSubWindow(window);
                FileSaveExecute();
            },
            Balance.profile);
    }
}

void TMainForm::SetScaleConnectionExecute() {
    zephra::SetScaleConnectionExecute(this, Environment, ComPort, services_.Boxes,
                                      SettingsFilePath(), &Balance);
}

void TMainForm::LaboratoryGraphExecute() {
    if (const TMDIChild* window = Documents->ActiveWineWindow())
        OpenLabGraph(window->WineClass.WineRec, services_.Boxes, this, window->WineClass.Notes);
}

void TMainForm::ProductionGraphExecute() {
    if (const TMDIChild* window = Documents->ActiveWineWindow())
        OpenProductionGraph(window->WineClass.WineRec, services_.Boxes, this,
                            window->WineClass.Notes);
}

void TMainForm::FoulingAnalysisExecute() {
    if (const TMDIChild* window = Documents->ActiveWineWindow())
        OpenFoulingAnalysis(window->WineClass.WineRec, services_.Boxes, this,
                            window->WineClass.Notes, Settings->Units(), Settings->Lab());
}

void TMainForm::FilterSizingExecute() {
    if (const TMDIChild* window = Documents->ActiveWineWindow())
        OpenFilterSizing(window->WineClass.WineRec, window->WineClass.Notes, this,
                         Settings->Units(), Settings->Lab());
}

void TMainForm::CompareTrialsExecute() {
    std::string problem;
    const IndexBandLimits bands = ReadIndexBandLimits(ProgramConfPath(), problem);
    if (!problem.empty())
        services_.Boxes.Warning(problem);
    auto* window = new CompareTrialsWindow(services_, bands, this);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setAttribute(Qt::WA_QuitOnClose, false);
    for (const TMDIChild* wine : Documents->Windows())
        window->AddTrial(wine->WineClass.WineRec, wine->WineClass.Notes, wine->FileName);
    window->show();
}

void TMainForm::HelpAboutExecute() {
    TAboutBox about(this);
    about.ProductName->setText(ProductNameText);
    about.Version->setText(ProductVersionText);
    about.exec();
}

void TMainForm::HelpContentsExecute() {
    if (help_ == nullptr) {
        help_ = new HelpWindow(this);
        help_->setAttribute(Qt::WA_DeleteOnClose);
    }
    help_->show();
    help_->raise();
    help_->activateWindow();
}

void TMainForm::WindowCascadeExecute() {
    Cascade(*MdiArea, WineWindowSize);
}

void TMainForm::WindowTileHorizontalExecute() {
    TileHorizontally(*MdiArea);
}

void TMainForm::WindowTileVerticalExecute() {
    TileVertically(*MdiArea);
}

void TMainForm::UnitsExecute(UnitSystem system) {
    (system == UnitSystem::Metric ? UnitsMetric : UnitsUs)->setChecked(true);
    Settings->SetUnitSystem(system);
}

} // namespace zephra

#pragma once

#include "acquisition/BalanceProfile.h"
#include "acquisition/EnvironmentRec.h"
#include "app/ProgramSettings.h"
#include "app/wine/WineWindows.h"
#include "reports/ui/ReportCommands.h"
#include "serial/ComPort.h"
#include "ui_common/UiServices.h"

#include <QMainWindow>
#include <QPointer>
#include <QStringList>

#include <functional>
#include <memory>

class QAction;
class QMdiArea;

namespace zephra {

class HelpWindow;

// The main window: the frame of the wine windows, with the menu, tool bar
// and status bar, one action object per command, and the rule that enables
// the commands needing an open wine.
class TMainForm : public QMainWindow {
    Q_OBJECT

public:
    // Runs the start-up: reads the settings file (on failure reports it and
    // sets StartFailed), shows the splash, prepares the welcome offer, and
    // offers the collected data a program left unsaved when it ended (a
    // restored wine takes the welcome offer's place).
    explicit TMainForm(UiServices services);
    ~TMainForm() override;

    // The settings file could not be read: the program is to end at once.
    bool StartFailed() const { return startFailed_; }

    // The welcome choice is still to be offered.
    bool ShowWelcome = false;
    // The settings record read at start-up.
    TEnvironmentRec Environment{};
    // The balance profile of balance.conf beside the settings file, read at
    // start-up; without one the balance is the ESC P link on ComPort.
    BalanceSetup Balance;
    // The balance's serial port, closed except during an exchange.
    serial::TComPort ComPort{nullptr};
    // The program's own settings (zephra.conf beside the settings file),
    // read when the window is made: the units values are shown in.
    std::unique_ptr<ProgramSettings> Settings;

    QMdiArea* MdiArea;
    std::unique_ptr<WineWindows> Documents;
    std::unique_ptr<ReportCommands> Reports;

    // Commands: each is one action object shared by the menu and tool bar.
    QAction* FileNew;
    QAction* FileOpen;
    QAction* FileClose;
    QAction* FileSave;
    QAction* FileSaveAs;
    QAction* FileExportPdf;
    QAction* FilePrint;
    QAction* FileExportData;
    QAction* Exit;
    QAction* EditConditions;
    QAction* EditData;
    QAction* CollectNewData;
    QAction* LaboratoryGraph;
    QAction* ProductionGraph;
    QAction* FoulingAnalysis;
    QAction* FilterSizing;
    QAction* CompareTrials;
    QAction* SetScaleConnection;
    QAction* HelpAbout;
    QAction* HelpContents;
    QAction* WindowCascade;
    QAction* WindowTileHorizontal;
    QAction* WindowTileVertical;
    // View → Units: one of the two is checked.
    QAction* UnitsUs;
    QAction* UnitsMetric;

    // Enable / disable every command of category "Data" or "FileDone" (Set
    // Scale Connection included) and the window commands: they need an open
    // wine window.
    void EnableDocumentActions();
    void DisableDocumentActions();

    // Offers the welcome choice once per run: open a wine file or begin a
    // new wine.
    void Welcome();

    // Opens the wine files named on the command line, each in its own wine
    // window as the Open command does (relative paths from the current
    // folder); the welcome choice is then not offered. A file that cannot be
    // opened gets the Open command's message.
    void OpenAtStart(const QStringList& paths);

    void FileNewExecute();
    void FileOpenExecute();
    void FileCloseExecute();
    void FileSaveExecute();
    void FileSaveAsExecute();
    void FileExportPdfExecute();
    void FilePrintExecute();
    void FileExportDataExecute();
    void FileExitExecute();
    void EditConditionsExecute();
    void EditDataExecute();
    void CollectNewDataExecute();
    void SetScaleConnectionExecute();
    void LaboratoryGraphExecute();
    void ProductionGraphExecute();
    void FoulingAnalysisExecute();
    void FilterSizingExecute();
    void CompareTrialsExecute();
    void HelpAboutExecute();
    // Shows the user guide; a second use brings the open guide to the front.
    void HelpContentsExecute();
    void WindowCascadeExecute();
    void WindowTileHorizontalExecute();
    void WindowTileVerticalExecute();
    // Shows every value in `system` from now on: the open wine windows at
    // once, dialogs, graphs, reports and exports from their next use.
    void UnitsExecute(UnitSystem system);

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void StartUp();
    void ShowSplash();
    void CreateCommands();
    void CreateMenus();
    void CreateToolBar();
    void ConnectCommands();
    void SetWindowCommandsEnabled(bool enabled);
    void Notification(int wineWindowCount);
    // Runs a command; an error escaping it is shown in a message box.
    void RunCommand(const std::function<void()>& command);

    UiServices services_;
    bool startFailed_ = false;
    QPointer<HelpWindow> help_;
};

} // namespace zephra

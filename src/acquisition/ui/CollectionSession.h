#pragma once

#include "acquisition/CollectionRun.h"
#include "acquisition/ui/DataCollectionDlg.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <functional>

class QWidget;

namespace zephra {

// A collection run on screen: the progress window, a timer that drives the
// run's passes, and the guards that hold the run's windows open. While the
// run goes on, neither its wine window nor the main window can be closed
// (the user is told to stop the run first). When the run ends, whatever the
// reason, the progress window closes, the port is closed, and the user is
// asked whether to save the data; Yes calls `saveAs`.
class CollectionSession : public QObject, private RunObserver {
    Q_OBJECT

public:
    // Time between two passes of the run. The schedule depends only on clock
    // comparisons, so a reading is at most this late.
    static constexpr int PassIntervalMs = 100;

    CollectionSession(QWidget& mainWindow, QWidget& wineWindow, CollectionTarget& target,
                      Balance& balance, RunClock& clock, MessageBoxes& boxes, RunSettings settings,
                      std::function<void()> saveAs, QObject* parent = nullptr);
    ~CollectionSession() override;

    // Clears the wine, shows the progress window, tares, reads the starting
    // weight and starts the passes.
    void Begin();
    bool Running() const { return run_.Running(); }
    RunEnd End() const { return run_.End(); }
    TDataCollectionDlg* ProgressWindow() const { return progress_; }

    // The text shown when a window of the run is to close during the run.
    static const char* const RunInProgressText;

signals:
    // The run has ended and the save question was answered.
    void Finished();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Pass();
    void Finish();
    void CountdownChanged(const std::string& text) override;

    QWidget& mainWindow_;
    QWidget& wineWindow_;
    MessageBoxes& boxes_;
    std::function<void()> saveAs_;
    CollectionRun run_;
    QTimer timer_;
    QPointer<TDataCollectionDlg> progress_;
};

} // namespace zephra

#pragma once

#include "acquisition/CollectionRun.h"
#include "acquisition/ui/DataCollectionDlg.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <string>

class QWidget;

namespace zephra {

// Asked when the progress window is closed from its title bar.
inline constexpr const char* StopQuestionText = "Stop data collection?";

// A collection run on screen: the progress window with the run's status,
// a timer that drives the run's passes, and the guards that hold the run's
// windows open. The progress window has the keyboard focus when the run
// starts and leaves it to whatever window the user turns to. While the run
// goes on, neither its wine window nor the main window can be closed (the
// user is told to stop the run first). When the run has ended, whatever the
// reason, and its exchanges have closed the port, the progress window
// closes and, when the run stored at least one point, the user is asked
// whether to save the data (SaveQuestion); Yes calls `saveAs`. A window
// closed between the end of the run and then closes after the question:
// until the exchange thread has let the port go, nothing it uses may go.
class CollectionSession : public QObject, private RunObserver {
    Q_OBJECT

public:
    // Time between two passes of the run. The schedule depends only on clock
    // comparisons, so a reading is at most this late.
    static constexpr int PassIntervalMs = 100;

    // `portText` names the balance's port in the progress window.
    CollectionSession(QWidget& mainWindow, QWidget& wineWindow, CollectionTarget& target,
                      BalanceExchanges& exchanges, RunClock& clock, MessageBoxes& boxes,
                      RunSettings settings, std::string portText, std::function<void()> saveAs,
                      QObject* parent = nullptr);
    ~CollectionSession() override;

    // Clears the wine, shows the progress window over the wine window, and
    // begins the tare and the starting weight; the passes follow.
    void Begin();
    // One pass of the run now. The timer runs one every PassIntervalMs; the
    // owner runs one as soon as an exchange has an outcome.
    void Pass();
    bool Running() const { return run_.Running(); }
    // Until the run has ended, its port is closed and the save question answered.
    bool InProgress() const { return !finished_; }
    RunEnd End() const { return run_.End(); }
    const CollectionRun& Run() const { return run_; }
    TDataCollectionDlg* ProgressWindow() const { return progress_; }
    // Whether `window` is the wine window of this session's run in progress.
    bool CollectsInto(const QWidget& window) const {
        return InProgress() && &window == &wineWindow_;
    }

    // The text shown when a window of the run is to close during the run.
    static const char* const RunInProgressText;
    // The same text in the program's language.
    static std::string RunInProgressMessage();

signals:
    // The run has ended and the save question, if any, was answered.
    void Finished();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Finish();
    bool BoxOverProgressWindow() const;
    void AskToStop();
    void RemoveGuards();
    void CountdownChanged(const std::string& text) override;
    void PointStored(const StoredPoint& point) override;
    void Collapsed(double intervalSeconds, int pointsInRecord) override;
    void Resumed(std::int64_t stalledMs) override;
    void Ended(RunEnd end) override;
    void ShowPoints(int pointsInRecord);

    QWidget& mainWindow_;
    QWidget& wineWindow_;
    BalanceExchanges& exchanges_;
    MessageBoxes& boxes_;
    std::string portText_;
    std::function<void()> saveAs_;
    CollectionRun run_;
    QTimer timer_;
    QPointer<TDataCollectionDlg> progress_;
    QPointer<QWidget> guardedMain_;
    QPointer<QWidget> guardedWine_;
    // A window whose close came while the run was ending.
    QPointer<QWidget> closeAfterEnd_;
    bool inPass_ = false;
    bool finished_ = false;
};

} // namespace zephra

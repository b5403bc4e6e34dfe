#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace zephra {

// "Data Collection": the progress window of a run, always on top, with the
// countdown to the next reading and the stop hint, under them the run's
// status lines (port, elapsed time, points stored, last reading, reading
// interval, Vmax), the notices of the run and the Stop button. The X key,
// wherever the focus is in the window, and the Stop button stop the run;
// the title bar's close button asks the run's owner first (CloseRequested).
// The window never closes itself: the run closes it when it ends.
class TDataCollectionDlg : public QDialog {
    Q_OBJECT

public:
    explicit TDataCollectionDlg(QWidget* owner);

    QLabel* Next;
    QLabel* Time;
    QLabel* Stop;

    // Values of the status lines.
    QLabel* Port;
    QLabel* Elapsed;
    QLabel* Points;
    QLabel* LastReading;
    QLabel* Interval;
    // Vmax with its 95 % interval and the best law, from the fourth fitted
    // point on; under them, once Vmax is known, the note that the trial can
    // be stopped.
    QLabel* Vmax;
    QLabel* BestLaw;
    QLabel* VmaxKnown;
    // The latest notice of the run, such as a stall; hidden until there is one.
    QLabel* Notice;
    // Stops the run as the X key does; Enter does not press it.
    QPushButton* StopButton = nullptr;

    // Adds a status line under the others, "caption" and an empty value, and
    // makes the window taller by one line; returns the value label.
    QLabel* AddStatusLine(const QString& caption);

    // Key handler: "X" or "x" asks the run to stop; other keys are ignored.
    void IterruptDataCollection(const QString& key);
    // Shows `text` in `Time` and repaints, when it differs from what shows.
    void ShowCountdown(const QString& text);
    // Shows `text` in a status line's value, when it differs from what shows.
    void ShowStatus(QLabel* value, const QString& text);
    // Shows or hides VmaxKnown, the window growing or shrinking to hold it.
    void ShowVmaxKnown(bool known);
    // Shows `text` in Notice, the window growing to hold it.
    void ShowNotice(const QString& text);
    // Moves the window over the bottom right of `wineWindow`, clear of the
    // graph at its top, inside the screen.
    void PlaceOver(const QWidget& wineWindow);
    // Closes the window for good (the run has ended).
    void CloseForRunEnd();

signals:
    void StopRequested();
    // The user closed the window from its title bar; the run goes on.
    void CloseRequested();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void LayOutBelowStatus();

    int statusLines_ = 0;
    bool closing_ = false;
};

} // namespace zephra

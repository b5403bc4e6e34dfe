#pragma once

#include <QDialog>

class QLabel;

namespace zephra {

// "Data Collection": the progress window of a run, always on top at the
// screen's top left, with the countdown to the next reading. The X key stops
// the run. The user cannot close it; the run closes it when it ends.
class TDataCollectionDlg : public QDialog {
    Q_OBJECT

public:
    explicit TDataCollectionDlg(QWidget* owner);

    QLabel* Next;
    QLabel* Time;
    QLabel* Stop;

    // Key handler: "X" or "x" asks the run to stop; other keys are ignored.
    void IterruptDataCollection(const QString& key);
    // Shows `text` in `Time` and repaints, when it differs from what shows.
    void ShowCountdown(const QString& text);
    // Closes the window for good (the run has ended).
    void CloseForRunEnd();

signals:
    void StopRequested();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    bool closing_ = false;
};

} // namespace zephra

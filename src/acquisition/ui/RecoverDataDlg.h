#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace zephra {

// "Recover Collected Data": offered at start for each wine whose collected
// readings a program left unsaved when it ended. Names the wine, its file
// and the number of readings, and offers to restore them into a wine window
// or to discard them; closing the dialog without a choice keeps them for
// the next start.
class TRecoverDataDlg : public QDialog {
    Q_OBJECT

public:
    enum class Choice { Later, Restore, Discard };

    // `fileName` empty: the wine was never saved.
    TRecoverDataDlg(QWidget* owner, const QString& wineName, const QString& fileName, int readings);

    QLabel* Message;
    QPushButton* RestoreButton;
    QPushButton* DiscardButton;

    Choice Chosen() const { return chosen_; }

private:
    Choice chosen_ = Choice::Later;
};

} // namespace zephra

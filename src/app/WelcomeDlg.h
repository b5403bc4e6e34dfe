#pragma once

#include <QDialog>

class QAction;
class QPushButton;

namespace zephra {

// The first question of a run: open an existing wine file or begin a new
// wine. Closing the dialog without choosing leaves OpenStart false.
class TWelcomeDlg : public QDialog {
    Q_OBJECT

public:
    explicit TWelcomeDlg(QWidget* parent);

    bool OpenStart = false;

    QAction* GoOpen;
    QAction* GoNew;
    QPushButton* OpenButton;
    QPushButton* NewButton;

    void GoOpenExecute();
    void GoNewExecute();
};

} // namespace zephra

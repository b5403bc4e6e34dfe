#include "app/WelcomeDlg.h"

#include <QAction>
#include <QPushButton>

namespace zephra {

TWelcomeDlg::TWelcomeDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("How would you like to begin?"));
    setFixedSize(307, 171);

    GoOpen = new QAction(tr("Open an existing wine file"), this);
    GoNew = new QAction(tr("Begin with a new wine"), this);
    connect(GoOpen, &QAction::triggered, this, &TWelcomeDlg::GoOpenExecute);
    connect(GoNew, &QAction::triggered, this, &TWelcomeDlg::GoNewExecute);

    OpenButton = new QPushButton(GoOpen->text(), this);
    OpenButton->setGeometry(32, 40, 233, 25);
    connect(OpenButton, &QPushButton::clicked, GoOpen, &QAction::trigger);
    NewButton = new QPushButton(GoNew->text(), this);
    NewButton->setGeometry(32, 96, 233, 25);
    connect(NewButton, &QPushButton::clicked, GoNew, &QAction::trigger);
}

void TWelcomeDlg::GoOpenExecute() {
    OpenStart = true;
    accept();
}

void TWelcomeDlg::GoNewExecute() {
    OpenStart = false;
    accept();
}

} // namespace zephra

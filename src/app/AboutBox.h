#pragma once

#include <QDialog>

class QLabel;

namespace zephra {

// The about box of the Help menu.
class TAboutBox : public QDialog {
    Q_OBJECT

public:
    explicit TAboutBox(QWidget* parent);

    QLabel* ProductName;
    QLabel* Version;
    QLabel* Comments;
};

} // namespace zephra

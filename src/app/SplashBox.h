#pragma once

#include <QWidget>

class QLabel;

namespace zephra {

// The borderless start-up window shown while the program starts.
class TSplashBox : public QWidget {
    Q_OBJECT

public:
    TSplashBox();

    QLabel* ProductName;
    QLabel* Version;
    QLabel* Comments;
};

} // namespace zephra

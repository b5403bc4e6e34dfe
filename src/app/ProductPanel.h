#pragma once

#include <QFrame>

class QLabel;

namespace zephra {

// The lowered panel shared by the splash and about windows: the logo picture
// with the product name, version and comments lines below it.
class ProductPanel : public QFrame {
    Q_OBJECT

public:
    ProductPanel(int width, int height, QWidget* parent);

    QLabel* Picture;
    QLabel* ProductName;
    QLabel* Version;
    QLabel* Comments;
};

} // namespace zephra

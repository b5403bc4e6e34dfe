#include "app/SplashBox.h"

#include "app/ProductPanel.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

namespace zephra {

TSplashBox::TSplashBox() : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setFixedSize(484, 336);
    auto* panel = new ProductPanel(470, 322, this);
    panel->move(7, 7);
    ProductName = panel->ProductName;
    Version = panel->Version;
    Comments = panel->Comments;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(), size());
        frame.moveCenter(screen->geometry().center());
        move(frame.topLeft());
    }
}

} // namespace zephra

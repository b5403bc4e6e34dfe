#include "entry/ui/PauseAfterCheck.h"

#include <QEventLoop>
#include <QTimer>
#include <QWidget>

namespace zephra {

namespace {

constexpr int PauseMs = 200;

} // namespace

void PauseAfterCheck(QWidget& dialog) {
    dialog.repaint();
    QEventLoop pause;
    QTimer::singleShot(PauseMs, &pause, &QEventLoop::quit);
    pause.exec(QEventLoop::ExcludeUserInputEvents);
}

} // namespace zephra

#include "ui_common/QtClock.h"

#include <QEventLoop>
#include <QTimer>

namespace zephra {

QtClock::QtClock() {
    started_.start();
}

void QtClock::Wait(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

std::int64_t QtClock::NowMs() {
    return started_.elapsed();
}

} // namespace zephra

#pragma once

#include "ui_common/Clock.h"

#include <QElapsedTimer>

namespace zephra {

// Real waits on the user-interface thread: a local event loop that repaints
// windows but holds back keyboard and mouse input until the wait is over.
class QtClock : public Clock {
public:
    QtClock();
    void Wait(int ms) override;
    std::int64_t NowMs() override;

private:
    QElapsedTimer started_;
};

} // namespace zephra

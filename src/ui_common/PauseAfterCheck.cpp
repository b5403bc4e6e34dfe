#include "ui_common/PauseAfterCheck.h"

#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QTimer>
#include <QWidget>

namespace zephra {

namespace {

constexpr int PauseMs = 200;

// Drops every keyboard and pointer event of the application while it lives.
class InputDropper : public QObject {
public:
    InputDropper() { qApp->installEventFilter(this); }
    ~InputDropper() override { qApp->removeEventFilter(this); }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::ContextMenu:
        case QEvent::InputMethod:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::TabletPress:
        case QEvent::TabletRelease:
            return true;
        default:
            return false;
        }
    }
};

} // namespace

void PauseAfterCheck(QWidget& dialog) {
    dialog.repaint();
    const InputDropper dropper;
    QEventLoop pause;
    QTimer::singleShot(PauseMs, &pause, &QEventLoop::quit);
    pause.exec();
}

} // namespace zephra

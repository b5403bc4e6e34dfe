#include "QtMainThreadDispatcher.h"

#include "serial/ComPort.h"

#include <QApplication>
#include <QMessageBox>
#include <QThread>

namespace zephra::serial::ui {

QtMainThreadDispatcher::QtMainThreadDispatcher(QObject* parent,
                                               std::function<void(const QString&)> showError)
    : QObject(parent), showError_(std::move(showError)) {
    if (!showError_) {
        showError_ = [](const QString& text) {
            QMessageBox::critical(QApplication::activeWindow(), QApplication::applicationName(),
                                  text);
        };
    }
}

QtMainThreadDispatcher::~QtMainThreadDispatcher() {
    if (&MainThreadDispatcher() == this) {
        SetMainThreadDispatcher(nullptr);
    }
}

void QtMainThreadDispatcher::Synchronize(const std::function<void()>& Call) {
    if (IsMainThread()) {
        Call();
        return;
    }
    // An exception must not cross the event loop: it travels back to the caller.
    std::exception_ptr error;
    QMetaObject::invokeMethod(
        this,
        [&] {
            try {
                Call();
            } catch (...) {
                error = std::current_exception();
            }
        },
        Qt::BlockingQueuedConnection);
    if (error) {
        std::rethrow_exception(error);
    }
}

void QtMainThreadDispatcher::Queue(std::function<void()> Call) {
    QMetaObject::invokeMethod(
        this,
        [this, call = std::move(Call)] {
            try {
                call();
            } catch (...) {
                Show(std::current_exception());
            }
        },
        Qt::QueuedConnection);
}

bool QtMainThreadDispatcher::IsMainThread() const {
    return QThread::currentThread() == thread();
}

void QtMainThreadDispatcher::ShowException(std::exception_ptr Error) {
    if (IsMainThread()) {
        Show(Error);
    } else {
        QMetaObject::invokeMethod(
            this, [this, Error] { Show(Error); }, Qt::QueuedConnection);
    }
}

void QtMainThreadDispatcher::Show(std::exception_ptr error) {
    try {
        std::rethrow_exception(error);
    } catch (const EAbort&) {
    } catch (const std::exception& e) {
        showError_(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        showError_(QStringLiteral("Unknown exception"));
    }
}

} // namespace zephra::serial::ui

#pragma once

#include "serial/MainThreadDispatcher.h"

#include <QObject>

#include <functional>

namespace zephra::serial::ui {

/// Runs the serial component's calls on the Qt main thread: `Synchronize`
/// posts the call to the event loop and waits for it, `Queue` posts it.
/// Create it on the main thread, after the application object.
class QtMainThreadDispatcher final : public QObject, public TMainThreadDispatcher {
    Q_OBJECT
public:
    /// Errors nobody can receive go to `showException`; by default a critical
    /// message box with the error's text. `EAbort` is never shown.
    explicit QtMainThreadDispatcher(QObject* parent = nullptr,
                                    std::function<void(const QString&)> showError = {});
    /// Uninstalls itself if it is the installed dispatcher.
    ~QtMainThreadDispatcher() override;

    void Synchronize(const std::function<void()>& Call) override;
    void Queue(std::function<void()> Call) override;
    bool IsMainThread() const override;
    void ShowException(std::exception_ptr Error) override;

private:
    void Show(std::exception_ptr error);

    std::function<void(const QString&)> showError_;
};

} // namespace zephra::serial::ui

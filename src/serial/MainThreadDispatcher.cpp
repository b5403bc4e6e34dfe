#include "serial/MainThreadDispatcher.h"

#include "serial/ComPort.h"

#include <atomic>
#include <cstdio>

namespace zephra::serial {

namespace {

/// Runs everything where it is called.
class ImmediateDispatcher final : public TMainThreadDispatcher {
public:
    void Synchronize(const std::function<void()>& Call) override { Call(); }
    void Queue(std::function<void()> Call) override { Call(); }
    bool IsMainThread() const override { return true; }
    void ShowException(std::exception_ptr Error) override {
        try {
            std::rethrow_exception(Error);
        } catch (const EAbort&) {
        } catch (const std::exception& e) {
            std::fprintf(stderr, "%s\n", e.what());
        } catch (...) {
            std::fprintf(stderr, "Unknown exception\n");
        }
    }
};

ImmediateDispatcher gImmediate;
std::atomic<TMainThreadDispatcher*> gInstalled{nullptr};

} // namespace

void SetMainThreadDispatcher(TMainThreadDispatcher* Dispatcher) {
    gInstalled = Dispatcher;
}

TMainThreadDispatcher& MainThreadDispatcher() {
    TMainThreadDispatcher* installed = gInstalled;
    return installed != nullptr ? *installed : gImmediate;
}

} // namespace zephra::serial

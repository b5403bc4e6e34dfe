// The port's line events and device notifications.

#include "serial/ComPort.h"

#include "serial/MainThreadDispatcher.h"
#include "serial/detail/ComDevice.h"
#include "serial/detail/ComThread.h"
#include "serial/detail/DeviceWatcher.h"
#include "serial/detail/DispatchGate.h"
#include "serial/detail/LineEvents.h"

#include <system_error>

namespace zephra::serial {

namespace {

const char kCantCreateThreadMessage[] = "Can't create thread";

} // namespace

std::uint32_t TCustomComPort::HandlersEventMask() const {
    const struct {
        bool assigned;
        std::uint32_t bit;
    } handlers[] = {
        {bool(FOnBreak), detail::evBreak},       {bool(FOnCTSChange), detail::evCTS},
        {bool(FOnDSRChange), detail::evDSR},     {bool(FOnLineError), detail::evErr},
        {bool(FOnEvent1), detail::evEvent1},     {bool(FOnEvent2), detail::evEvent2},
        {bool(FOnPrinterError), detail::evPErr}, {bool(FOnRing), detail::evRing},
        {bool(FOnRLSDChange), detail::evRLSD},   {bool(FOnRx80PercFull), detail::evRx80Full},
        {bool(FOnRxChar), detail::evRxChar},     {bool(FOnRxFlag), detail::evRxFlag},
        {bool(FOnTxEmpty), detail::evTxEmpty},
    };
    std::uint32_t mask = 0;
    for (const auto& handler : handlers) {
        if (handler.assigned) {
            mask |= handler.bit;
        }
    }
    return mask;
}

void TCustomComPort::ApplyEventMask() {
    if (!Applicable()) {
        return;
    }
    const std::uint32_t mask = HandlersEventMask();
    if (mask == 0) {
        StopEventThread();
    }
    SetCommMask(mask);
    if (mask != 0) {
        StartEventThread();
    }
}

void TCustomComPort::SetCommMask(std::uint32_t Mask) {
    FCommMask = Mask;
    if (FComThread) {
        FComThread->SetMask(Mask);
    }
}

void TCustomComPort::StartEventThread() {
    // A thread that ended on an error is gone for good; a new one takes over.
    // The ended one may still have its error report and a close to deliver:
    // it is told to stop, so that they can no longer reach this port.
    if (FComThread) {
        if (!FComThread->Finished()) {
            return;
        }
        FComThread->Terminate();
        FComThread.reset();
    }
    std::unique_ptr<detail::LineEventSource> source;
    CheckSystemResult(FDevice->CreateLineEventSource(source));
    FComThread = detail::TComThread::Create(this, std::move(source), FCommMask);
    try {
        // Started once the port holds it: a handler on the thread that uses
        // the port (a write arms TxEmpty through it) finds it there.
        FComThread->Start();
    } catch (const std::system_error&) {
        FComThread.reset();
        RaiseComError(0, kCantCreateThreadMessage);
    }
}

void TCustomComPort::StopEventThread() {
    if (!FComThread) {
        return;
    }
    FComThread->Terminate();
    FCommMask = 0;
    FComThread.reset();
}

void TCustomComPort::DispatchEvents() {
    if (!Active()) {
        return;
    }
    static const struct {
        std::uint32_t bit;
        const char* message;
        TNotifyEvent TCustomComPort::*handler;
    } kEvents[] = {
        {detail::evBreak, "Break event", &TCustomComPort::FOnBreak},
        {detail::evCTS, "CTSChange event", &TCustomComPort::FOnCTSChange},
        {detail::evDSR, "DSRChange event", &TCustomComPort::FOnDSRChange},
        {detail::evErr, "LineError event", nullptr},
        {detail::evEvent1, "Event1 event", &TCustomComPort::FOnEvent1},
        {detail::evEvent2, "Event2 event", &TCustomComPort::FOnEvent2},
        {detail::evPErr, "PrinterError event", &TCustomComPort::FOnPrinterError},
        {detail::evRing, "Ring event", &TCustomComPort::FOnRing},
        {detail::evRLSD, "RLSDChange event", &TCustomComPort::FOnRLSDChange},
        {detail::evRx80Full, "Rx80PercFull event", &TCustomComPort::FOnRx80PercFull},
        {detail::evRxChar, "RxChar event", &TCustomComPort::FOnRxChar},
        {detail::evRxFlag, "RxFlag event", &TCustomComPort::FOnRxFlag},
        {detail::evTxEmpty, "TxEmpty event", &TCustomComPort::FOnTxEmpty},
    };
    // Both outlive the port, which a handler may destroy.
    const std::uint32_t events = FEventMask;
    const std::shared_ptr<detail::DispatchGate> gate = FDispatchGate;
    try {
        for (const auto& event : kEvents) {
            if ((events & event.bit) == 0) {
                continue;
            }
            Log(event.message);
            if (event.handler == nullptr) {
                // Reads and clears the device's errors and passes them to OnLineError.
                CheckLineErrors();
            } else if (const TNotifyEvent handler = LineEventHandler(this->*event.handler)) {
                handler(this);
            }
            if (gate->PortDestroyed()) {
                return;
            }
        }
    } catch (...) {
        MainThreadDispatcher().ShowException(std::current_exception());
    }
}

void TCustomComPort::RaiseThreadError() {
    RaiseComError(FThreadError, std::system_category().message(FThreadError));
}

// ---- Device arrival and removal ----------------------------------------------

void TCustomComPort::SetOnDeviceArrival(TDeviceArrivalEvent Value) {
    FOnDeviceArrival = std::move(Value);
    DeviceHandlersChanged();
}

void TCustomComPort::SetOnDeviceRemoved(TDeviceRemovedEvent Value) {
    FOnDeviceRemoved = std::move(Value);
    DeviceHandlersChanged();
}

void TCustomComPort::DeviceHandlersChanged() {
    if (ComponentState().Contains(TComponentStateFlag::csDesigning)) {
        return;
    }
    if (FOnDeviceArrival || FOnDeviceRemoved) {
        RegisterDeviceChange();
    } else {
        UnregisterDeviceChange();
    }
}

void TCustomComPort::RegisterDeviceChange() {
    if (FDeviceWatcher) {
        return;
    }
    FDeviceWatchToken = std::make_shared<TCustomComPort*>(this);
    const std::weak_ptr<TCustomComPort*> token = FDeviceWatchToken;
    int error = 0;
    auto watcher = std::make_unique<detail::DeviceWatcher>(
        FDeviceFolder,
        [token](bool arrived, const std::string& path) {
            MainThreadDispatcher().Queue([token, arrived, path] {
                if (const std::shared_ptr<TCustomComPort*> port = token.lock()) {
                    (*port)->HandleDeviceChange(arrived, path);
                }
            });
        },
        error);
    // A folder that cannot be watched leaves the port unregistered, without an error.
    if (error == 0) {
        FDeviceWatcher = std::move(watcher);
    } else {
        FDeviceWatchToken.reset();
    }
}

void TCustomComPort::UnregisterDeviceChange() {
    FDeviceWatcher.reset();
    FDeviceWatchToken.reset();
}

void TCustomComPort::HandleDeviceChange(bool Arrived, const std::string& DeviceName) {
    try {
        if (Arrived && FOnDeviceArrival) {
            FOnDeviceArrival(this, DeviceName);
        } else if (!Arrived && FOnDeviceRemoved) {
            FOnDeviceRemoved(this, DeviceName);
        }
    } catch (...) {
        MainThreadDispatcher().ShowException(std::current_exception());
    }
}

} // namespace zephra::serial

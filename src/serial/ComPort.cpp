#include "serial/ComPort.h"

#include "serial/detail/ComLog.h"
#include "serial/detail/ComThread.h"
#include "serial/detail/DeviceStateMapping.h"
#include "serial/detail/DeviceWatcher.h"
#include "serial/detail/DispatchGate.h"
#include "serial/detail/LineModeCheck.h"
#include "serial/detail/PosixComDevice.h"
#include "serial/detail/Transfer.h"

#include <algorithm>
#include <cerrno>
#include <system_error>

namespace zephra::serial {

using detail::ComDevice;
using detail::Direction;
using detail::EscapeFunction;

namespace {

const char kClosedPortMessage[] = "Can't perform this operation on a closed port";
const char kOpenPortMessage[] = "Can't perform this operation on an open port";

/// Time that `bytes` need on the line at `rate` bit/s, counting 12 bits per
/// byte (start, 8 data, parity, 2 stop) so that the estimate is never short.
detail::Milliseconds TransmissionTime(std::uint64_t bytes, std::uint32_t rate) {
    if (rate == 0) {
        return detail::Milliseconds(0);
    }
    return detail::Milliseconds(bytes * 12 * 1000 / rate + 1);
}

/// Extra time granted to queued output when the port closes.
constexpr detail::Milliseconds kCloseDrainMargin(1000);
/// Longest time a close waits for queued output, however much there is.
constexpr detail::Milliseconds kCloseDrainLimit(2000);

} // namespace

TCustomComPort::TCustomComPort(TComponent* AOwner)
    : TCustomComPort(AOwner, std::make_unique<detail::PosixComDevice>()) {}

TCustomComPort::TCustomComPort(TComponent* AOwner, std::unique_ptr<ComDevice> Device)
    : TComponent(AOwner), FDevice(std::move(Device)),
      FReadTransfer(std::make_unique<detail::Transfer>(Direction::Input)),
      FWriteTransfer(std::make_unique<detail::Transfer>(Direction::Output)),
      FDispatchGate(std::make_shared<detail::DispatchGate>()) {}

TCustomComPort::~TCustomComPort() {
    // No handler run starts any more. One in progress further up this
    // thread's stack (a handler that destroys its port) ends after its
    // handler; one on another thread, or a close handed to the main thread,
    // is waited for before anything of the port is touched.
    FDispatchGate->MarkPortDestroyed();
    FDispatchGate->WaitIdle();
    // Forgotten by its event thread, the port closes here even when this is
    // that thread, instead of handing the close to the main thread.
    StopEventThread();
    UnregisterDeviceChange();
    try {
        Close();
    } catch (...) {
        // A handler or the log failed while closing; the device is released below all the same.
    }
    // Also when the close failed half-way.
    CloseDevice();
}

void TCustomComPort::Loaded() {
    TComponent::Loaded();
    SetActive(FActive);
}

std::string TCustomComPort::About() const {
    return "ZEPHRA serial-port component for Linux tty devices";
}

bool TCustomComPort::Active() const {
    if (ComponentState().Contains(TComponentStateFlag::csDesigning)) {
        return FActive;
    }
    return FDevice->Handle() >= 0;
}

void TCustomComPort::SetActive(bool Value) {
    const TComponentState state = ComponentState();
    if (Value != Active() && !state.Contains(TComponentStateFlag::csDesigning) &&
        !state.Contains(TComponentStateFlag::csLoading)) {
        if (Value) {
            Open();
        } else {
            Close();
        }
    }
    FActive = Value;
}

int TCustomComPort::Handle() const {
    return FDevice->Handle();
}

bool TCustomComPort::Applicable() const {
    return FDevice->Handle() >= 0 && !ComponentState().Contains(TComponentStateFlag::csDesigning);
}

void TCustomComPort::RequireOpen() {
    if (FDevice->Handle() < 0 && !ComponentState().Contains(TComponentStateFlag::csDesigning)) {
        RaiseComError(0, kClosedPortMessage);
    }
}

void TCustomComPort::RequireClosed() {
    if (Applicable()) {
        RaiseComError(0, kOpenPortMessage);
    }
}

// ---- Settings ---------------------------------------------------------------

void TCustomComPort::SetBaudRate(TBaudRate Value) {
    if (Value == FBaudRate) {
        return;
    }
    FBaudRate = Value;
    ApplyDeviceState();
}

int TCustomComPort::CustomBaudRate() const {
    return FBaudRate == TBaudRate::brCustom ? FCustomBaudRate : detail::BaudRateValue(FBaudRate);
}

void TCustomComPort::SetCustomBaudRate(int Value) {
    if (Value == FCustomBaudRate) {
        return;
    }
    FCustomBaudRate = Value;
    FBaudRate = TBaudRate::brCustom;
    ApplyDeviceState();
}

void TCustomComPort::SetDataBits(TDataBits Value) {
    if (Value == FDataBits) {
        return;
    }
    FDataBits = Value;
    ApplyDeviceState();
}

void TCustomComPort::SetParity(TParity Value) {
    if (Value == FParity) {
        return;
    }
    FParity = Value;
    ApplyDeviceState();
}

void TCustomComPort::SetStopBits(TStopBits Value) {
    if (Value == FStopBits) {
        return;
    }
    FStopBits = Value;
    ApplyDeviceState();
}

void TCustomComPort::SetOptions(TOptions Value) {
    if (Value == FOptions) {
        return;
    }
    FOptions = Value;
    ApplyDeviceState();
}

void TCustomComPort::SetDeviceName(const std::string& Value) {
    if (Value == FDeviceName) {
        return;
    }
    RequireClosed();
    FDeviceName = Value;
}

void TCustomComPort::SetPriorityClass(TPriorityClass Value) {
    if (Value == FPriorityClass) {
        return;
    }
    RequireClosed();
    FPriorityClass = Value;
}

void TCustomComPort::SetSynchronizeEvents(bool Value) {
    if (Value == FSynchronizeEvents) {
        return;
    }
    RequireClosed();
    FSynchronizeEvents = Value;
}

void TCustomComPort::SetThreadPriority(TThreadPriority Value) {
    FThreadPriority = Value;
}

void TCustomComPort::ApplyDeviceState() {
    if (!Applicable()) {
        return;
    }
    detail::DeviceState state;
    CheckSystemResult(FDevice->GetState(state));
    detail::SettingsToDeviceState(*this, state);
    CheckSystemResult(FDevice->SetState(state));
    detail::DeviceState applied;
    CheckSystemResult(FDevice->GetState(applied));
    if (!detail::LineModeKept(state, applied, FDevice->IsPseudoTerminal())) {
        // What the device dropped would garble every exchange; refuse it as
        // the device would have refused an unsupported mode outright.
        CheckSystemResult(EINVAL);
    }
}

// ---- Errors -----------------------------------------------------------------

void TCustomComPort::CheckSystemResult(int ErrorCode) {
    if (ErrorCode == 0 || ErrorCode == EAGAIN || ErrorCode == EWOULDBLOCK || ErrorCode == EINTR) {
        return;
    }
    RaiseComError(ErrorCode, std::system_category().message(ErrorCode));
}

void TCustomComPort::RaiseComError(int ErrorCode, const std::string& Msg) {
    EComError error(ErrorCode, Msg);
    if (OnError) {
        TComAction action = TComAction::caFail;
        OnError(this, error, action);
        if (action == TComAction::caAbort) {
            throw EAbort();
        }
    }
    throw error;
}

void TCustomComPort::Log(const std::string& Message) {
    if (!FLogFile.empty()) {
        detail::AppendLogLine(FLogFile, Message);
    }
}

void TCustomComPort::Log(const std::string& Message, const void* Data, std::size_t Count) {
    if (!FLogFile.empty()) {
        detail::AppendLogLine(FLogFile, Message + detail::FormatLogData(Data, Count));
    }
}

// ---- Opening and closing ----------------------------------------------------

void TCustomComPort::Open() {
    if (Active()) {
        return;
    }
    if (BeforeOpen) {
        BeforeOpen(this);
    }
    OpenDevice();
    try {
        Log("Open " + FDeviceName);
    } catch (...) {
        CloseDevice();
        throw;
    }
    if (Active() && AfterOpen) {
        AfterOpen(this);
    }
}

void TCustomComPort::OpenDevice() {
    CloseDevice();
    try {
        const std::string path = ResolvedDevicePath(FDeviceName);
        int opened = 0;
        {
            std::lock_guard lock(FLineErrorLock);
            opened = FDevice->Open(path);
        }
        CheckSystemResult(opened);
        // Bytes that arrived while the port was closed are never read.
        PurgeInput();
        PurgeOutput();
        ApplyDeviceState();
        ApplyEventMask();
    } catch (...) {
        CloseDevice();
        throw;
    }
}

void TCustomComPort::Close() {
    if (detail::TComThread::PassCloseToMainThread(this)) {
        return;
    }
    if (!Active()) {
        return;
    }
    if (BeforeClose) {
        BeforeClose(this);
    }
    CloseDevice();
    Log("Close " + FDeviceName);
    if (!Active() && AfterClose) {
        AfterClose(this);
    }
}

void TCustomComPort::CloseDevice() {
    StopEventThread();
    if (FDevice->Handle() >= 0) {
        DrainBeforeClose();
        std::lock_guard lock(FLineErrorLock);
        FDevice->Close();
    }
    for (detail::Transfer* transfer : {FReadTransfer.get(), FWriteTransfer.get()}) {
        transfer->Pending = false;
        transfer->Requested = 0;
    }
}

void TCustomComPort::DrainBeforeClose() {
    // The last command before a close must still reach the device, so queued
    // output gets the time it needs at the line rate plus a margin, up to a
    // limit that keeps a close quick when much output is held. Errors are
    // ignored: a port always closes.
    detail::Transfer& write = *FWriteTransfer;
    const std::uint32_t unaccepted = write.Pending ? write.Requested - write.Done : 0;
    std::uint32_t queued = 0;
    FDevice->OutputCount(queued);
    detail::DeviceState state;
    const std::uint32_t rate = FDevice->GetState(state) == 0 ? state.BaudRate : 0;
    const detail::Clock::time_point deadline =
        FDevice->Now() +
        std::min(kCloseDrainLimit,
                 kCloseDrainMargin + TransmissionTime(std::uint64_t{unaccepted} + queued, rate));

    while (write.Pending) {
        std::size_t done = 0;
        if (FDevice->Write(write.WriteBuffer + write.Done, write.Requested - write.Done, done) !=
            0) {
            break;
        }
        write.Done += static_cast<std::uint32_t>(done);
        const detail::Clock::time_point now = FDevice->Now();
        if (write.Done == write.Requested || now >= deadline) {
            break;
        }
        if (done == 0 &&
            FDevice->WaitReady(Direction::Output,
                               std::chrono::ceil<detail::Milliseconds>(deadline - now)) != 0) {
            break;
        }
    }
    write.Pending = false;

    const detail::Clock::time_point now = FDevice->Now();
    const detail::Milliseconds left = now < deadline
                                          ? std::chrono::ceil<detail::Milliseconds>(deadline - now)
                                          : detail::Milliseconds(0);
    bool drained = false;
    if (FDevice->Drain(left, drained) != 0 || !drained) {
        // Whatever is still queued now cannot leave (flow stopped, line stuck);
        // dropping it keeps the close from hanging.
        FDevice->Purge(false, true);
    }
}

// ---- Device control ---------------------------------------------------------

void TCustomComPort::SetDTR() {
    RequireOpen();
    CheckSystemResult(FDevice->Escape(EscapeFunction::SetDtr));
}

void TCustomComPort::ClearDTR() {
    RequireOpen();
    CheckSystemResult(FDevice->Escape(EscapeFunction::ClearDtr));
}

void TCustomComPort::SetRTS() {
    RequireOpen();
    CheckSystemResult(FDevice->Escape(EscapeFunction::SetRts));
}

void TCustomComPort::ClearRTS() {
    RequireOpen();
    CheckSystemResult(FDevice->Escape(EscapeFunction::ClearRts));
}

void TCustomComPort::SetXOn() {
    RequireOpen();
    CheckSystemResult(FDevice->Escape(EscapeFunction::SetXOn));
}

void TCustomComPort::SetXOff() {
    RequireOpen();
    CheckSystemResult(FDevice->Escape(EscapeFunction::SetXOff));
}

void TCustomComPort::SetBreak() {
    RequireOpen();
    CheckSystemResult(FDevice->Escape(EscapeFunction::SetBreak));
}

void TCustomComPort::ClearBreak() {
    RequireOpen();
    CheckSystemResult(FDevice->Escape(EscapeFunction::ClearBreak));
}

void TCustomComPort::ResetDevice() {
    RequireOpen();
    CheckSystemResult(FDevice->Escape(EscapeFunction::ResetDevice));
}

TModemStatus TCustomComPort::ModemStatus() {
    if (ComponentState().Contains(TComponentStateFlag::csDesigning)) {
        return {};
    }
    RequireOpen();
    std::uint32_t bits = 0;
    CheckSystemResult(FDevice->ModemStatus(bits));
    TModemStatus status;
    if ((bits & detail::msCtsOn) != 0) {
        status.Include(TModemStatusValue::msCTS);
    }
    if ((bits & detail::msDsrOn) != 0) {
        status.Include(TModemStatusValue::msDSR);
    }
    if ((bits & detail::msRingOn) != 0) {
        status.Include(TModemStatusValue::msRing);
    }
    if ((bits & detail::msRlsdOn) != 0) {
        status.Include(TModemStatusValue::msRLSD);
    }
    return status;
}

// ---- Queue control ----------------------------------------------------------

void TCustomComPort::PurgeInput() {
    if (!Applicable()) {
        return;
    }
    Abandon(*FReadTransfer);
    DiscardInput();
}

void TCustomComPort::PurgeOutput() {
    if (!Applicable()) {
        return;
    }
    Abandon(*FWriteTransfer);
    CheckSystemResult(FDevice->Purge(false, true));
}

void TCustomComPort::ClearInput() {
    if (Applicable()) {
        DiscardInput();
    }
}

void TCustomComPort::ClearOutput() {
    if (Applicable()) {
        CheckSystemResult(FDevice->Purge(false, true));
    }
}

void TCustomComPort::DiscardInput() {
    int error = 0;
    {
        // Counted as taken, the discarded bytes leave the event thread's
        // count of the bytes received whole, so the next byte shows as new.
        std::lock_guard lock(FInputLock);
        std::uint32_t queued = 0;
        error = FDevice->InputCount(queued);
        if (error == 0) {
            error = FDevice->Purge(true, false);
        }
        if (error == 0) {
            FInputTaken += queued;
        }
    }
    CheckSystemResult(error);
}

void TCustomComPort::AbortInput() {
    if (Applicable()) {
        Abandon(*FReadTransfer);
    }
}

void TCustomComPort::AbortOutput() {
    if (Applicable()) {
        Abandon(*FWriteTransfer);
    }
}

void TCustomComPort::Flush() {
    if (!Applicable()) {
        return;
    }
    Progress(*FWriteTransfer, true);
    bool drained = false;
    CheckSystemResult(FDevice->Drain(std::nullopt, drained));
}

} // namespace zephra::serial

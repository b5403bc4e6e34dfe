#include "serial/ComPort.h"

#include "serial/detail/ComDevice.h"
#include "serial/detail/ComThread.h"
#include "serial/detail/Transfer.h"

#include <mutex>
#include <string>

namespace zephra::serial {

using detail::Direction;
using detail::Transfer;

namespace {

const char kTimeoutMessage[] = "Timeout";
const char kIncorrectParameterMessage[] = "Incorrect parameter";

struct LineErrorBit {
    std::uint32_t bit;
    TLineError error;
};

constexpr LineErrorBit kLineErrorBits[] = {
    {detail::ceBreak, TLineError::leBreak},
    {detail::ceDeviceNotSelected, TLineError::leDeviceNotSelected},
    {detail::ceFrame, TLineError::leFrame},
    {detail::ceIO, TLineError::leIO},
    {detail::ceMode, TLineError::leMode},
    {detail::ceOutOfPaper, TLineError::leOutOfPaper},
    {detail::ceOverrun, TLineError::leOverrun},
    {detail::ceDeviceTimeOut, TLineError::leDeviceTimeOut},
    {detail::ceRxOverflow, TLineError::leRxOverflow},
    {detail::ceParity, TLineError::leParity},
    {detail::ceTxFull, TLineError::leTxFull},
};

detail::TimeoutValues TimeoutValuesOf(const TTimeouts& timeouts) {
    return {static_cast<std::uint32_t>(timeouts.ReadInterval()),
            static_cast<std::uint32_t>(timeouts.ReadMultiplier()),
            static_cast<std::uint32_t>(timeouts.ReadConstant()),
            static_cast<std::uint32_t>(timeouts.WriteMultiplier()),
            static_cast<std::uint32_t>(timeouts.WriteConstant())};
}

} // namespace

void TCustomComPort::StartTransfer(Transfer& transfer, std::uint32_t count) {
    const detail::TimeoutValues timeouts = TimeoutValuesOf(FTimeouts);
    const detail::Clock::time_point now = FDevice->Now();
    transfer.Plan = transfer.Dir == Direction::Input
                        ? detail::TransferPlan::ForRead(timeouts, count, now)
                        : detail::TransferPlan::ForWrite(timeouts, count, now);
    transfer.Done = 0;
    transfer.Pending = true;
    // One attempt at once: a transfer that this attempt satisfies completes
    // without being pending, like an operation that finished synchronously.
    Progress(transfer, false);
}

void TCustomComPort::Progress(Transfer& transfer, bool block) {
    while (transfer.Pending) {
        std::size_t moved = 0;
        const std::size_t remaining = transfer.Requested - transfer.Done;
        int error = transfer.Dir == Direction::Input
                        ? FDevice->Read(transfer.ReadBuffer + transfer.Done, remaining, moved)
                        : FDevice->Write(transfer.WriteBuffer + transfer.Done, remaining, moved);
        const detail::Clock::time_point now = FDevice->Now();
        if (moved > 0) {
            if (transfer.Dir == Direction::Input) {
                FInputTaken += moved;
            }
            transfer.Done += static_cast<std::uint32_t>(moved);
            transfer.Plan.BytesArrived(now);
        }
        if (error == 0 && transfer.Plan.Finished(transfer.Done, now)) {
            transfer.Pending = false;
            return;
        }
        if (error == 0 && block && moved == 0) {
            error = FDevice->WaitReady(transfer.Dir, transfer.Plan.WaitLimit(transfer.Done, now));
        }
        if (error != 0) {
            // The operation is over; nothing of it is collected later.
            transfer.Pending = false;
            transfer.Requested = 0;
            CheckSystemResult(error);
            return;
        }
        if (!block) {
            return;
        }
    }
}

void TCustomComPort::Collect(Transfer& transfer, const char* completeMessage) {
    if (transfer.Pending) {
        Progress(transfer, true);
        if (transfer.Done != transfer.Requested) {
            transfer.Requested = 0;
            RaiseComError(0, kTimeoutMessage);
        }
    }
    // The transfer is collected before anything here can fail: its buffer may
    // belong to a caller that is gone by the next wait.
    const bool collected = transfer.Requested > 0;
    transfer.Requested = 0;
    CheckLineErrors();
    if (collected) {
        // Only the bytes actually transferred: the rest of the buffer holds nothing of the line.
        const void* data = transfer.Dir == Direction::Input
                               ? static_cast<const void*>(transfer.ReadBuffer)
                               : static_cast<const void*>(transfer.WriteBuffer);
        Log(completeMessage, data, transfer.Done);
    }
}

void TCustomComPort::Abandon(Transfer& transfer) {
    transfer.Pending = false;
}

void TCustomComPort::Read(void* Buf, int Count, bool WaitForCompletion) {
    RequireOpen();
    if (BeforeRead) {
        BeforeRead(this, Buf, Count, WaitForCompletion);
    }
    WaitForReadCompletion();
    if (Count < 0) {
        RaiseComError(0, kIncorrectParameterMessage);
    }
    if (Count != 0) {
        // Logged before the read is recorded, so a failing log leaves nothing behind.
        Log("Read request " + std::to_string(Count) + " byte(s)");
    }
    Transfer& transfer = *FReadTransfer;
    transfer.Requested = static_cast<std::uint32_t>(Count);
    transfer.ReadBuffer = static_cast<std::uint8_t*>(Buf);
    if (Count != 0) {
        StartTransfer(transfer, transfer.Requested);
        if (WaitForCompletion) {
            WaitForReadCompletion();
        }
    }
    if (AfterRead) {
        AfterRead(this, Buf, Count, WaitForCompletion);
    }
}

void TCustomComPort::Write(const void* Buf, int Count, bool WaitForCompletion) {
    RequireOpen();
    if (BeforeWrite) {
        BeforeWrite(this, Buf, Count, WaitForCompletion);
    }
    WaitForWriteCompletion();
    if (Count < 0) {
        RaiseComError(0, kIncorrectParameterMessage);
    }
    if (Count != 0) {
        // Logged before the write is recorded, so a failing log leaves nothing behind.
        Log("Write request ", Buf, static_cast<std::size_t>(Count));
    }
    Transfer& transfer = *FWriteTransfer;
    transfer.Requested = static_cast<std::uint32_t>(Count);
    transfer.WriteBuffer = static_cast<const std::uint8_t*>(Buf);
    if (Count != 0) {
        if (!WaitForCompletion) {
            const auto* bytes = static_cast<const std::uint8_t*>(Buf);
            FBuffer.assign(bytes, bytes + Count);
            transfer.WriteBuffer = FBuffer.data();
        }
        StartTransfer(transfer, transfer.Requested);
        if (FComThread) {
            FComThread->ArmTxEmpty();
        }
        if (WaitForCompletion) {
            WaitForWriteCompletion();
        }
    }
    if (AfterWrite) {
        AfterWrite(this, Buf, Count, WaitForCompletion);
    }
}

void TCustomComPort::TransmitChar(char Value) {
    RequireOpen();
    const auto byte = static_cast<std::uint8_t>(Value);
    // A line whose output is stopped takes nothing: the write timeouts bound the wait.
    const detail::TransferPlan plan =
        detail::TransferPlan::ForWrite(TimeoutValuesOf(FTimeouts), 1, FDevice->Now());
    for (;;) {
        std::size_t done = 0;
        CheckSystemResult(FDevice->Write(&byte, 1, done));
        if (done == 1) {
            return;
        }
        const detail::Clock::time_point now = FDevice->Now();
        if (plan.Finished(0, now)) {
            RaiseComError(0, kTimeoutMessage);
        }
        CheckSystemResult(FDevice->WaitReady(Direction::Output, plan.WaitLimit(0, now)));
    }
}

void TCustomComPort::WaitForReadCompletion() {
    Collect(*FReadTransfer, "Read complete ");
}

void TCustomComPort::WaitForWriteCompletion() {
    Collect(*FWriteTransfer, "Write complete ");
}

bool TCustomComPort::ReadPending() {
    Progress(*FReadTransfer, false);
    return FReadTransfer->Pending;
}

bool TCustomComPort::WritePending() {
    Progress(*FWriteTransfer, false);
    return FWriteTransfer->Pending;
}

void TCustomComPort::ReportLineErrors(std::uint32_t errorBits) {
    if (errorBits == 0) {
        return;
    }
    const TLineErrorEvent handler = LineEventHandler(FOnLineError);
    if (!handler) {
        return;
    }
    TLineErrors errors;
    for (const LineErrorBit& entry : kLineErrorBits) {
        if ((errorBits & entry.bit) != 0) {
            errors.Include(entry.error);
        }
    }
    handler(this, errors);
}

std::uint32_t TCustomComPort::TakeLineErrors() {
    std::uint32_t errors = 0;
    int result = 0;
    {
        std::lock_guard lock(FLineErrorLock);
        result = FDevice->TakeLineErrors(errors);
    }
    CheckSystemResult(result);
    return errors;
}

std::uint32_t TCustomComPort::InputCount() {
    // A pending read takes queued bytes first, so that they are not counted twice.
    Progress(*FReadTransfer, false);
    ReportLineErrors(TakeLineErrors());
    std::uint32_t count = 0;
    CheckSystemResult(FDevice->InputCount(count));
    return count;
}

std::uint32_t TCustomComPort::OutputCount() {
    Progress(*FWriteTransfer, false);
    ReportLineErrors(TakeLineErrors());
    std::uint32_t count = 0;
    CheckSystemResult(FDevice->OutputCount(count));
    const Transfer& write = *FWriteTransfer;
    return count + (write.Pending ? write.Requested - write.Done : 0);
}

void TCustomComPort::CheckLineErrors() {
    RequireOpen();
    ReportLineErrors(TakeLineErrors());
}

void TCustomComPort::ClearLineErrors() {
    RequireOpen();
    TakeLineErrors();
}

} // namespace zephra::serial

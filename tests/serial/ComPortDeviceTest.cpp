// Opening, device control, transfers and closing against the fake device:
// what a pseudo-terminal cannot show (modem lines, line errors, stalled
// output, failing system calls).

#include "CaptureError.h"
#include "FakePort.h"
#include "serial/ComPort.h"

#include <gtest/gtest.h>

namespace zephra::serial {
namespace {

using detail::EscapeFunction;
using std::chrono::milliseconds;
using test::CaptureError;
using test::FakePort;

class ComPortDevice : public ::testing::Test, protected FakePort {};

TEST_F(ComPortDevice, OpenOpensTheNamedPathAndEmptiesBothQueues) {
    device->input = {1, 2, 3};
    port->Open();
    EXPECT_EQ(device->openedPath, "/dev/fake0");
    EXPECT_TRUE(port->Active());
    EXPECT_EQ(port->Handle(), 42);
    EXPECT_TRUE(device->input.empty());
    ASSERT_EQ(device->purges.size(), 2u);
    EXPECT_EQ(device->purges[0], std::make_pair(true, false));
    EXPECT_EQ(device->purges[1], std::make_pair(false, true));
}

TEST_F(ComPortDevice, AFailingSystemCallRaisesItsCodeAndTextAndLeavesThePortClosed) {
    device->failures["SetState"] = EIO;
    int afterOpen = 0;
    port->AfterOpen = [&](TCustomComPort*) { ++afterOpen; };
    const EComError error = CaptureError([&] { port->Open(); });
    EXPECT_EQ(error.ErrorCode(), EIO);
    EXPECT_STREQ(error.what(), "Input/output error");
    EXPECT_FALSE(port->Active());
    EXPECT_EQ(device->closeCount, 1);
    EXPECT_EQ(afterOpen, 0);
}

TEST_F(ComPortDevice, AFailingReadRaisesAndEndsTheRead) {
    port->Open();
    device->failures["Read"] = EIO;
    const EComError error = CaptureError([&] { port->ReadByte(); });
    EXPECT_EQ(error.ErrorCode(), EIO);
    device->failures.clear();
    EXPECT_FALSE(port->ReadPending());
    device->input = {7};
    EXPECT_EQ(port->ReadByte(), 7);
}

TEST_F(ComPortDevice, DeviceControlCallsTheDevice) {
    port->Open();
    port->SetDTR();
    port->ClearDTR();
    port->SetRTS();
    port->ClearRTS();
    port->SetXOn();
    port->SetXOff();
    port->SetBreak();
    port->ClearBreak();
    port->ResetDevice();
    const std::vector<EscapeFunction> expected = {
        EscapeFunction::SetDtr,   EscapeFunction::ClearDtr,   EscapeFunction::SetRts,
        EscapeFunction::ClearRts, EscapeFunction::SetXOn,     EscapeFunction::SetXOff,
        EscapeFunction::SetBreak, EscapeFunction::ClearBreak, EscapeFunction::ResetDevice};
    EXPECT_EQ(device->escapes, expected);

    device->failures["Escape"] = ENOTTY;
    EXPECT_EQ(CaptureError([&] { port->SetBreak(); }).ErrorCode(), ENOTTY);
}

TEST_F(ComPortDevice, ModemStatusMapsTheLineBits) {
    port->Open();
    device->modemBits = detail::msCtsOn | detail::msRlsdOn;
    EXPECT_EQ(port->ModemStatus(),
              (TModemStatus{TModemStatusValue::msCTS, TModemStatusValue::msRLSD}));
    device->modemBits = detail::msDsrOn | detail::msRingOn;
    EXPECT_EQ(port->ModemStatus(),
              (TModemStatus{TModemStatusValue::msDSR, TModemStatusValue::msRing}));
}

TEST_F(ComPortDevice, DtrAndRtsControlReachTheDeviceState) {
    port->FlowControl().SetDTR(TDTRControl::dcEnable);
    port->FlowControl().SetRTS(TRTSControl::rcDisable);
    port->Open();
    EXPECT_EQ(device->state.DtrControl, 1);
    EXPECT_EQ(device->state.RtsControl, 0);
    port->FlowControl().SetRTS(TRTSControl::rcHandshake);
    EXPECT_EQ(device->state.RtsControl, 2);
}

TEST_F(ComPortDevice, LineErrorsAreReportedOnceAndCleared) {
    std::vector<TLineErrors> reports;
    port->SetOnLineError([&](TCustomComPort*, TLineErrors errors) { reports.push_back(errors); });
    port->Open();
    device->lineErrors = detail::ceFrame | detail::ceParity;
    port->CheckLineErrors();
    port->CheckLineErrors();
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0], (TLineErrors{TLineError::leFrame, TLineError::leParity}));

    // Every waited read checks the line.
    device->lineErrors = detail::ceOverrun | detail::ceBreak | detail::ceRxOverflow;
    device->input = {5};
    port->ReadByte();
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_EQ(reports[1],
              (TLineErrors{TLineError::leOverrun, TLineError::leBreak, TLineError::leRxOverflow}));

    device->lineErrors = detail::ceFrame;
    port->ClearLineErrors();
    port->CheckLineErrors();
    EXPECT_EQ(reports.size(), 2u);
}

TEST_F(ComPortDevice, AStalledWriteIsPendingAndTheNextWriteWaitsForIt) {
    port->Open();
    device->acceptLimit = 0;
    port->WriteByte(0x1B);
    EXPECT_TRUE(port->WritePending());
    EXPECT_EQ(port->OutputCount(), 1u);

    device->acceptAfter = milliseconds(100);
    port->WriteByte('P');
    EXPECT_EQ(device->sent, (std::vector<std::uint8_t>{0x1B, 'P'}));
    EXPECT_EQ(device->Elapsed(), milliseconds(100));
    EXPECT_FALSE(port->WritePending());
}

TEST_F(ComPortDevice, AWriteNotWaitedForCopiesTheCallersData) {
    port->Open();
    device->acceptLimit = 1;
    std::vector<std::uint8_t> data = {1, 2, 3};
    port->Write(data.data(), 3, false);
    data = {9, 9, 9};
    device->acceptLimit.reset();
    port->WaitForWriteCompletion();
    EXPECT_EQ(device->sent, (std::vector<std::uint8_t>{1, 2, 3}));
}

TEST_F(ComPortDevice, AWriteTimeoutEndsAShortWaitedWriteWithTimeout) {
    port->Timeouts().SetWriteConstant(200);
    port->Open();
    device->acceptLimit = 1;
    const std::uint8_t data[2] = {1, 2};
    const EComError error = CaptureError([&] { port->Write(data, 2, true); });
    EXPECT_EQ(error.ErrorCode(), 0);
    EXPECT_STREQ(error.what(), "Timeout");
    EXPECT_EQ(device->Elapsed(), milliseconds(200));
    EXPECT_FALSE(port->WritePending());
}

TEST_F(ComPortDevice, ReadTimeoutRaisesTimeoutAfterTheConstant) {
    port->Timeouts().SetReadConstant(500);
    port->Open();
    const EComError error = CaptureError([&] { port->ReadByte(); });
    EXPECT_EQ(error.ErrorCode(), 0);
    EXPECT_STREQ(error.what(), "Timeout");
    EXPECT_EQ(device->Elapsed(), milliseconds(500));
}

TEST_F(ComPortDevice, AReadThatCompletedBeforeTheWaitIsNotCheckedForLength) {
    port->Timeouts().SetReadInterval(-1);
    port->Open();
    device->input = {1, 2};
    std::uint8_t buffer[5] = {};
    EXPECT_NO_THROW(port->Read(buffer, 5, true));
    EXPECT_EQ(buffer[0], 1);
    EXPECT_EQ(buffer[1], 2);
    EXPECT_NO_THROW(port->Read(buffer, 5, true)) << "nothing queued returns at once";
    EXPECT_EQ(device->Elapsed(), milliseconds(0));
}

TEST_F(ComPortDevice, AReadNotWaitedForStaysPendingUntilItsBytesArrive) {
    port->Open();
    device->arrivals.push_back({milliseconds(300), {4, 5, 6}});
    std::uint8_t buffer[3] = {};
    port->Read(buffer, 3, false);
    EXPECT_TRUE(port->ReadPending());
    port->WaitForReadCompletion();
    EXPECT_FALSE(port->ReadPending());
    EXPECT_EQ(buffer[2], 6);
    EXPECT_EQ(device->Elapsed(), milliseconds(300));
}

TEST_F(ComPortDevice, PurgeAndAbortEndAPendingReadWithoutTimeout) {
    port->Timeouts().SetReadConstant(1000);
    port->Open();
    std::uint8_t buffer[4] = {};
    port->Read(buffer, 4, false);
    ASSERT_TRUE(port->ReadPending());
    port->AbortInput();
    EXPECT_FALSE(port->ReadPending());
    EXPECT_NO_THROW(port->WaitForReadCompletion());

    port->Read(buffer, 4, false);
    port->PurgeInput();
    EXPECT_FALSE(port->ReadPending());
    EXPECT_NO_THROW(port->WaitForReadCompletion());
}

TEST_F(ComPortDevice, ACountOfZeroStartsNothingButCallsTheEvents) {
    port->Open();
    std::vector<std::string> calls;
    port->BeforeWrite = [&](TCustomComPort*, const void*, int n, bool) {
        calls.push_back("before " + std::to_string(n));
    };
    port->AfterWrite = [&](TCustomComPort*, const void*, int n, bool) {
        calls.push_back("after " + std::to_string(n));
    };
    device->failures["Write"] = EIO;
    port->Write(nullptr, 0, true);
    EXPECT_EQ(calls, (std::vector<std::string>{"before 0", "after 0"}));
}

TEST_F(ComPortDevice, CloseSendsOutputThatIsStillPending) {
    port->SetBaudRate(TBaudRate::br1200);
    port->Open();
    device->acceptLimit = 2;
    port->WriteAnsiString("\x1bT\r\x1bP");
    ASSERT_TRUE(port->WritePending());
    device->acceptAfter = milliseconds(300);
    const std::size_t purgesBefore = device->purges.size();
    port->Close();
    EXPECT_EQ(std::string(device->sent.begin(), device->sent.end()), "\x1bT\r\x1bP");
    EXPECT_FALSE(port->Active());
    EXPECT_EQ(device->purges.size(), purgesBefore) << "nothing dropped";
}

TEST_F(ComPortDevice, CloseGivesUpOnAStuckLineAfterABound) {
    port->SetBaudRate(TBaudRate::br1200);
    port->Open();
    device->acceptLimit = 1;
    device->queuedOutput = 2;
    device->outputStuck = true;
    port->WriteAnsiString("\x1bP\r");
    const std::size_t purgesBefore = device->purges.size();
    port->Close();
    EXPECT_FALSE(port->Active());
    // One second plus the time of 4 bytes at 1200 bit/s.
    EXPECT_GE(device->Elapsed(), milliseconds(1000));
    EXPECT_LE(device->Elapsed(), milliseconds(1100));
    ASSERT_EQ(device->purges.size(), purgesBefore + 1);
    EXPECT_EQ(device->purges.back(), std::make_pair(false, true));
}

TEST_F(ComPortDevice, ClosedPortRaisesForDataAndDeviceControlButNotForQueueControl) {
    for (const auto& call : std::vector<std::function<void()>>{
             [&] { port->ReadByte(); }, [&] { port->WriteByte(1); },
             [&] { port->CheckLineErrors(); }, [&] { port->ClearLineErrors(); },
             [&] { port->SetDTR(); }, [&] { port->TransmitChar('x'); },
             [&] { port->ModemStatus(); }, [&] { port->ReadAnsiLine(); }}) {
        const EComError error = CaptureError(call);
        EXPECT_EQ(error.ErrorCode(), 0);
        EXPECT_STREQ(error.what(), "Can't perform this operation on a closed port");
    }
    EXPECT_NO_THROW(port->PurgeInput());
    EXPECT_NO_THROW(port->PurgeOutput());
    EXPECT_NO_THROW(port->ClearInput());
    EXPECT_NO_THROW(port->ClearOutput());
    EXPECT_NO_THROW(port->AbortInput());
    EXPECT_NO_THROW(port->AbortOutput());
    EXPECT_NO_THROW(port->Flush());
    EXPECT_TRUE(device->purges.empty());
    // The queue counters ask the device, which refuses a closed descriptor.
    EXPECT_EQ(CaptureError([&] { port->InputCount(); }).ErrorCode(), EBADF);
    EXPECT_EQ(CaptureError([&] { port->OutputCount(); }).ErrorCode(), EBADF);
}

TEST_F(ComPortDevice, ActiveTwiceOpensOnceAndCloseOnAClosedPortCallsNothing) {
    int beforeOpen = 0, afterOpen = 0, beforeClose = 0, afterClose = 0;
    port->BeforeOpen = [&](TCustomComPort*) { ++beforeOpen; };
    port->AfterOpen = [&](TCustomComPort*) { ++afterOpen; };
    port->BeforeClose = [&](TCustomComPort*) { ++beforeClose; };
    port->AfterClose = [&](TCustomComPort*) { ++afterClose; };
    port->Close();
    EXPECT_EQ(beforeClose + afterClose, 0);
    port->SetActive(true);
    port->SetActive(true);
    EXPECT_EQ(device->openCount, 1);
    EXPECT_EQ(beforeOpen, 1);
    EXPECT_EQ(afterOpen, 1);
    port->SetActive(false);
    port->Close();
    EXPECT_EQ(beforeClose, 1);
    EXPECT_EQ(afterClose, 1);
    EXPECT_FALSE(port->Active());
}

} // namespace
} // namespace zephra::serial

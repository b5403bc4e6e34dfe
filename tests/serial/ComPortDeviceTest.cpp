// Opening, device control, transfers and closing against the fake device:
// what a pseudo-terminal cannot show (modem lines, line errors, stalled
// output, failing system calls).

#include "CaptureError.h"
#include "FakePort.h"
#include "serial/ComPort.h"
#include "support/TempFolder.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <system_error>

namespace zephra::serial {
namespace {

using detail::EscapeFunction;
using std::chrono::milliseconds;
using test::CaptureError;
using test::FakePort;
using zephra::test::TempFolder;
namespace fs = std::filesystem;

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

TEST_F(ComPortDevice, ALineModeTheDeviceDoesNotKeepIsRefusedAndThePortStaysClosed) {
    using State = detail::DeviceState;
    struct Case {
        const char* name;
        bool pseudoTerminal;
        std::function<void(State&)> driver;
        bool refused;
    };
    const Case cases[] = {
        {"a device that keeps everything", false, nullptr, false},
        {"7 data bits become 8", false, [](State& s) { s.ByteSize = 8; }, true},
        {"odd parity is dropped", false, [](State& s) { s.Parity = 0; }, true},
        {"odd parity becomes even", false, [](State& s) { s.Parity = 2; }, true},
        {"2 stop bits become 1", false, [](State& s) { s.StopBits = 0; }, true},
        {"the RTS/CTS handshake is dropped", false, [](State& s) { s.RtsControl = 0; }, true},
        {"XON/XOFF is dropped", false, [](State& s) { s.InX = s.OutX = false; }, true},
        {"a pseudo-terminal runs with 8 data bits and no parity", true,
         [](State& s) { s.ByteSize = 8, s.Parity = 0; }, false},
        {"a pseudo-terminal that drops the stop bits", true,
         [](State& s) { s.ByteSize = 8, s.Parity = 0, s.StopBits = 0; }, true},
        {"a pseudo-terminal that drops XON/XOFF", true, [](State& s) { s.InX = false; }, true},
        {"a pseudo-terminal that makes 7 data bits 6", true, [](State& s) { s.ByteSize = 6; },
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakePort fake;
        fake.device->pseudoTerminal = c.pseudoTerminal;
        fake.device->driver = c.driver;
        fake.port->SetDataBits(TDataBits::db7);
        fake.port->SetParity(TParity::paOdd);
        fake.port->SetStopBits(TStopBits::sb2);
        fake.port->FlowControl().SetRTS(TRTSControl::rcHandshake);
        fake.port->FlowControl().SetXOnXOff(TXOnXOffControl::xcInputOutput);
        if (c.refused) {
            const EComError error = CaptureError([&] { fake.port->Open(); });
            EXPECT_EQ(error.ErrorCode(), EINVAL);
            EXPECT_STREQ(error.what(), "Invalid argument");
            EXPECT_FALSE(fake.port->Active());
        } else {
            EXPECT_NO_THROW(fake.port->Open());
            EXPECT_TRUE(fake.port->Active());
        }
    }
}

TEST_F(ComPortDevice, ALineModeRefusedOnAnOpenPortLeavesItOpen) {
    device->driver = [](detail::DeviceState& s) { s.ByteSize = 8; };
    port->Open();
    const EComError error = CaptureError([&] { port->SetDataBits(TDataBits::db7); });
    EXPECT_EQ(error.ErrorCode(), EINVAL);
    EXPECT_TRUE(port->Active());
    EXPECT_EQ(port->DataBits(), TDataBits::db7);
}

TEST_F(ComPortDevice, CloseWaitsAtMostTwoSecondsForOutputThatCannotLeave) {
    struct Case {
        const char* name;
        std::size_t heldByFlowControl;
        std::uint32_t stuckInTheDevice;
    };
    const Case cases[] = {
        {"600 bytes the device does not take", 600, 0},
        {"64 KiB queued in the device", 0, 65536},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakePort fake;
        fake.port->SetBaudRate(TBaudRate::br1200);
        fake.port->Open();
        fake.device->acceptLimit = 0;
        fake.device->queuedOutput = c.stuckInTheDevice;
        fake.device->outputStuck = true;
        if (c.heldByFlowControl > 0) {
            fake.port->WriteAnsiString(std::string(c.heldByFlowControl, 'w'));
        }
        const auto start = fake.device->now;
        fake.port->Close();
        EXPECT_FALSE(fake.port->Active());
        EXPECT_LE(fake.device->now - start, milliseconds(2000));
        EXPECT_EQ(fake.device->queuedOutput, 0u) << "what is left is dropped";
    }
}

TEST_F(ComPortDevice, AFailedCallLeavesNothingForTheNextWaitToLog) {
    TempFolder folder;
    const fs::path logFolder = folder.path() / "logs";
    fs::create_directories(logFolder);
    port->SetLogFile((logFolder / "port.log").string());
    const auto completeLines = [&] {
        std::ifstream file(logFolder / "port.log");
        int count = 0;
        for (std::string line; std::getline(file, line);) {
            count += line.find("Read complete") != std::string::npos ? 1 : 0;
        }
        return count;
    };
    port->Open();
    device->input.assign(3000, 'A');
    std::vector<std::uint8_t> bytes(3000);
    port->ReadBytes(bytes, 0, 3000);
    ASSERT_EQ(completeLines(), 1);

    // The request of the next read cannot be logged.
    fs::remove_all(logFolder);
    device->input.push_back('B');
    EXPECT_THROW(port->ReadByte(), std::system_error);
    fs::create_directories(logFolder);
    port->WaitForReadCompletion();
    EXPECT_EQ(completeLines(), 0) << "the failed read left nothing to log";

    // A read whose wait fails after the bytes came.
    device->failures["TakeLineErrors"] = EIO;
    EXPECT_EQ(CaptureError([&] { port->ReadByte(); }).ErrorCode(), EIO);
    device->failures.clear();
    port->WaitForReadCompletion();
    EXPECT_EQ(completeLines(), 0) << "the failed wait left nothing to log";
}

} // namespace
} // namespace zephra::serial

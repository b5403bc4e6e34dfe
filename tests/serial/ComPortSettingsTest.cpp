// Settings, setter rules, errors and the component states, on the fake device.

#include "CaptureError.h"
#include "FakeComDevice.h"
#include "FakePort.h"
#include "serial/ComPort.h"
#include "serial/detail/DeviceStateMapping.h"

#include <gtest/gtest.h>

namespace zephra::serial {
namespace {

using test::CaptureError;
using test::FakeComDevice;
using test::FakePort;

TEST(ComPortSettings, DefaultsAfterCreate) {
    TComPort port(nullptr);
    EXPECT_FALSE(port.Active());
    EXPECT_EQ(port.Handle(), -1);
    EXPECT_EQ(port.DeviceName(), "COM1");
    EXPECT_EQ(port.BaudRate(), TBaudRate::brDefault);
    EXPECT_EQ(port.CustomBaudRate(), 0);
    EXPECT_EQ(port.DataBits(), TDataBits::dbDefault);
    EXPECT_EQ(port.Parity(), TParity::paDefault);
    EXPECT_EQ(port.StopBits(), TStopBits::sbDefault);
    EXPECT_TRUE(port.Options().Empty());
    EXPECT_EQ(port.PriorityClass(), TPriorityClass::pcDefault);
    EXPECT_TRUE(port.SynchronizeEvents());
    EXPECT_EQ(port.ThreadPriority(), TThreadPriority::tpTimeCritical);
    EXPECT_TRUE(port.LogFile().empty());
    EXPECT_EQ(port.FlowControl().DTR(), TDTRControl::dcDefault);
    EXPECT_EQ(port.FlowControl().RTS(), TRTSControl::rcDefault);
    EXPECT_EQ(port.FlowControl().XOnXOff(), TXOnXOffControl::xcDefault);
    EXPECT_EQ(port.FlowControl().XOnLimit(), 0);
    EXPECT_EQ(port.FlowControl().XOffLimit(), 0);
    EXPECT_EQ(port.Characters().XOn(), 17);
    EXPECT_EQ(port.Characters().XOff(), 19);
    EXPECT_EQ(port.Characters().Error(), 0);
    EXPECT_EQ(port.Characters().Eof(), 0);
    EXPECT_EQ(port.Characters().Event(), 0);
    EXPECT_EQ(port.BufferSizes().Input(), 4096);
    EXPECT_EQ(port.BufferSizes().Output(), 2048);
    EXPECT_EQ(port.Timeouts().ReadInterval(), 0);
    EXPECT_EQ(port.Timeouts().ReadConstant(), 0);
    EXPECT_EQ(port.Timeouts().WriteConstant(), 0);
    const std::string about = port.About();
    port.SetAbout("changed");
    EXPECT_EQ(port.About(), about);
}

TEST(ComPortSettings, SettingsOnAClosedPortTouchNoDeviceAndOpeningAppliesThemAll) {
    FakePort f;
    f.device->state.ByteSize = 8;
    f.port->SetBaudRate(TBaudRate::br1200);
    f.port->SetDataBits(TDataBits::db7);
    f.port->SetParity(TParity::paOdd);
    f.port->SetStopBits(TStopBits::sb1);
    f.port->SetOptions({TOption::opCheckParity});
    f.port->FlowControl().SetXOnXOff(TXOnXOffControl::xcDisable);
    EXPECT_TRUE(f.device->appliedStates.empty());

    f.port->Open();
    ASSERT_EQ(f.device->appliedStates.size(), 1u);
    const detail::DeviceState& state = f.device->appliedStates.back();
    EXPECT_EQ(state.BaudRate, 1200u);
    EXPECT_EQ(state.ByteSize, 7);
    EXPECT_EQ(state.Parity, 1);
    EXPECT_EQ(state.StopBits, 0);
    EXPECT_TRUE(state.CheckParity);
    EXPECT_FALSE(state.InX);
    EXPECT_FALSE(state.OutX);
    EXPECT_TRUE(state.Binary);
    EXPECT_EQ(state.XonChar, 17);
    EXPECT_EQ(state.XoffChar, 19);
}

TEST(ComPortSettings, DefaultMembersLeaveTheDeviceValuesAlone) {
    FakePort f;
    f.device->state.BaudRate = 4800;
    f.device->state.ByteSize = 6;
    f.device->state.Parity = 2;
    f.device->state.StopBits = 2;
    f.device->state.DtrControl = 1;
    f.device->state.InX = true;
    f.port->Open();
    const detail::DeviceState& state = f.device->appliedStates.back();
    EXPECT_EQ(state.BaudRate, 4800u);
    EXPECT_EQ(state.ByteSize, 6);
    EXPECT_EQ(state.Parity, 2);
    EXPECT_EQ(state.StopBits, 2);
    EXPECT_EQ(state.DtrControl, 1);
    EXPECT_TRUE(state.InX);

    f.port->SetParity(TParity::paNone);
    EXPECT_EQ(f.device->appliedStates.back().Parity, 0);
    f.port->SetParity(TParity::paDefault);
    EXPECT_EQ(f.device->appliedStates.back().Parity, 0) << "paDefault keeps what the device has";
}

TEST(ComPortSettings, SettersApplyOnlyChangedValues) {
    FakePort f;
    f.port->Open();
    const std::size_t before = f.device->appliedStates.size();
    f.port->SetParity(TParity::paEven);
    f.port->SetParity(TParity::paEven);
    f.port->FlowControl().SetDTR(TDTRControl::dcEnable);
    f.port->FlowControl().SetDTR(TDTRControl::dcEnable);
    f.port->Characters().SetXOn(0x121);
    f.port->Characters().SetXOn(0x121);
    ASSERT_EQ(f.device->appliedStates.size(), before + 3);
    EXPECT_EQ(f.device->appliedStates.back().DtrControl, 1);
    EXPECT_EQ(f.device->appliedStates.back().XonChar, 0x21) << "low 8 bits of the character";
}

TEST(ComPortSettings, CustomBaudRateSelectsCustomAndReadsTheNamedRateOtherwise) {
    FakePort f;
    f.port->SetBaudRate(TBaudRate::br9600);
    EXPECT_EQ(f.port->CustomBaudRate(), 9600);
    f.port->SetBaudRate(TBaudRate::br134_5);
    EXPECT_EQ(f.port->CustomBaudRate(), 134);
    f.port->SetBaudRate(TBaudRate::br9600);
    f.port->Open();
    f.port->SetCustomBaudRate(14400);
    EXPECT_EQ(f.port->BaudRate(), TBaudRate::brCustom);
    EXPECT_EQ(f.port->CustomBaudRate(), 14400);
    EXPECT_EQ(f.device->appliedStates.back().BaudRate, 14400u);

    // The same custom rate again changes nothing, even with another rate selected.
    f.port->SetBaudRate(TBaudRate::br9600);
    const std::size_t before = f.device->appliedStates.size();
    f.port->SetCustomBaudRate(14400);
    EXPECT_EQ(f.port->BaudRate(), TBaudRate::br9600);
    EXPECT_EQ(f.device->appliedStates.size(), before);
}

TEST(ComPortSettings, NameAndClassesAreRefusedOnAnOpenPort) {
    FakePort f;
    f.port->Open();
    EXPECT_NO_THROW(f.port->SetDeviceName("/dev/fake0"));
    const EComError error = CaptureError([&] { f.port->SetDeviceName("/dev/other"); });
    EXPECT_EQ(error.ErrorCode(), 0);
    EXPECT_STREQ(error.what(), "Can't perform this operation on an open port");
    EXPECT_EQ(f.port->DeviceName(), "/dev/fake0");
    EXPECT_THROW(f.port->SetPriorityClass(TPriorityClass::pcHigh), EComError);
    EXPECT_EQ(f.port->PriorityClass(), TPriorityClass::pcDefault);
    EXPECT_THROW(f.port->SetSynchronizeEvents(false), EComError);
    EXPECT_TRUE(f.port->SynchronizeEvents());
    f.port->Close();
    f.port->SetPriorityClass(TPriorityClass::pcHigh);
    f.port->SetSynchronizeEvents(false);
    EXPECT_EQ(f.port->PriorityClass(), TPriorityClass::pcHigh);
    EXPECT_FALSE(f.port->SynchronizeEvents());
}

TEST(ComPortSettings, AssigningASettingsObjectCopiesAndAppliesOnce) {
    FakePort f;
    TComPort source(nullptr);
    source.FlowControl().SetRTS(TRTSControl::rcHandshake);
    source.FlowControl().SetXOnLimit(100);
    source.Timeouts().SetReadConstant(5000);
    source.BufferSizes().SetInput(1);
    source.Characters().SetEof(26);
    f.port->Open();
    const std::size_t before = f.device->appliedStates.size();
    f.port->SetFlowControl(source.FlowControl());
    f.port->SetTimeouts(source.Timeouts());
    f.port->SetBufferSizes(source.BufferSizes());
    f.port->SetCharacters(source.Characters());
    EXPECT_EQ(f.device->appliedStates.size(), before + 2);
    EXPECT_EQ(f.port->FlowControl().RTS(), TRTSControl::rcHandshake);
    EXPECT_EQ(f.port->FlowControl().XOnLimit(), 100);
    EXPECT_EQ(f.port->Timeouts().ReadConstant(), 5000);
    EXPECT_EQ(f.port->BufferSizes().Input(), 1);
    EXPECT_EQ(f.device->appliedStates.back().RtsControl, 2);
    EXPECT_EQ(f.device->appliedStates.back().EofChar, 26);
}

TEST(ComPortSettings, DeviceStateReadsBackAsFirstMatchingMembers) {
    TComPort port(nullptr);
    port.SetBaudRate(TBaudRate::br9600);
    detail::DeviceState state;
    state.BaudRate = 19200;
    state.ByteSize = 16;
    state.Parity = 0;
    state.StopBits = 0;
    state.DtrControl = 2;
    state.RtsControl = 0;
    state.OutX = true;
    state.XonChar = 1;
    state.OutxCtsFlow = true;
    detail::DeviceStateToSettings(state, port);
    EXPECT_EQ(port.BaudRate(), TBaudRate::brCustom);
    EXPECT_EQ(port.CustomBaudRate(), 19200);
    EXPECT_EQ(port.DataBits(), TDataBits::db16);
    EXPECT_EQ(port.Parity(), TParity::paDefault) << "no parity reads back as Default";
    EXPECT_EQ(port.StopBits(), TStopBits::sbDefault) << "one stop bit reads back as Default";
    EXPECT_EQ(port.FlowControl().DTR(), TDTRControl::dcHandshake);
    EXPECT_EQ(port.FlowControl().RTS(), TRTSControl::rcDefault);
    EXPECT_EQ(port.FlowControl().XOnXOff(), TXOnXOffControl::xcOutput);
    EXPECT_EQ(port.Characters().XOn(), 1);
    EXPECT_EQ(port.Options(), TOptions{TOption::opOutputCTSFlow});

    // Settings to device and back give the same settings.
    detail::DeviceState again;
    detail::SettingsToDeviceState(port, again);
    TComPort copy(nullptr);
    detail::DeviceStateToSettings(again, copy);
    EXPECT_EQ(copy.CustomBaudRate(), 19200);
    EXPECT_EQ(copy.FlowControl().DTR(), TDTRControl::dcHandshake);
}

TEST(ComPortSettings, OnErrorSeesEveryErrorAndCanAbortSilently) {
    FakePort f;
    int calls = 0;
    f.port->OnError = [&](TCustomComPort* port, EComError& error, TComAction& action) {
        ++calls;
        EXPECT_EQ(port, f.port.get());
        EXPECT_EQ(action, TComAction::caFail);
        EXPECT_EQ(error.ErrorCode(), 0);
    };
    EXPECT_THROW(f.port->SetDTR(), EComError);
    f.port->OnError = [&](TCustomComPort*, EComError&, TComAction& action) {
        ++calls;
        action = TComAction::caAbort;
    };
    EXPECT_THROW(f.port->SetDTR(), EAbort);
    EXPECT_THROW(f.port->WriteByte(1), EAbort);
    EXPECT_EQ(calls, 3);
}

TEST(ComPortSettings, CheckSystemResultIgnoresTryAgain) {
    TComPort port(nullptr);
    for (int code : {0, EAGAIN, EWOULDBLOCK, EINTR}) {
        EXPECT_NO_THROW(port.CheckSystemResult(code)) << code;
    }
    const EComError error = CaptureError([&] { port.CheckSystemResult(EACCES); });
    EXPECT_EQ(error.ErrorCode(), EACCES);
    EXPECT_STREQ(error.what(), "Permission denied");
}

TEST(ComPortSettings, DesignStateOnlyStoresActive) {
    FakePort f;
    f.port->SetDesigning(true);
    f.port->SetActive(true);
    EXPECT_TRUE(f.port->Active());
    EXPECT_EQ(f.device->openCount, 0);
    EXPECT_TRUE(f.port->ModemStatus().Empty());
    f.port->SetActive(false);
    EXPECT_FALSE(f.port->Active());
}

TEST(ComPortSettings, APortStoredAsActiveOpensWhenLoadingEnds) {
    FakePort f;
    f.port->BeginLoading();
    f.port->SetActive(true);
    EXPECT_EQ(f.device->openCount, 0);
    f.port->Loaded();
    EXPECT_EQ(f.device->openCount, 1);
    EXPECT_TRUE(f.port->Active());
}

TEST(ComPortSettings, AnOwnerDestroysItsPortAndThePortCloses) {
    auto owned = std::make_unique<FakeComDevice>();
    FakeComDevice* device = owned.get();
    int closes = 0;
    {
        TComponent owner(nullptr);
        auto* port = new TComPort(&owner, std::move(owned));
        port->SetDeviceName("/dev/fake0");
        port->AfterClose = [&](TCustomComPort*) { ++closes; };
        port->Open();
        EXPECT_EQ(owner.ComponentCount(), 1);
        EXPECT_EQ(device->closeCount, 0);
    }
    EXPECT_EQ(closes, 1);
}

} // namespace
} // namespace zephra::serial

// The configuration dialogs through a scripted dialog, and their mappings.

#include "serial/ComPort.h"
#include "serial/PortConfigDialog.h"
#include "serial/detail/DefaultCommConfig.h"
#include "serial/detail/DialogValuesMapping.h"

#include "PseudoTerminal.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <termios.h>

namespace zephra::serial {
namespace {

using zephra::test::TempFolder;

/// Records what it is shown and answers as the test says.
class ScriptedDialog final : public TPortConfigDialog {
public:
    bool Execute(const std::string& PortName, TPortDialogValues& Values) override {
        shownName = PortName;
        shown.push_back(Values);
        return answer(Values);
    }

    std::function<bool(TPortDialogValues&)> answer = [](TPortDialogValues&) { return true; };
    std::string shownName;
    std::vector<TPortDialogValues> shown;
};

class ConfigDialog : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("XDG_CONFIG_HOME", config.path().c_str(), 1);
        SetPortConfigDialog(&dialog);
        port.SetDeviceName(pty.SlavePath());
    }
    void TearDown() override { SetPortConfigDialog(nullptr); }

    speed_t LineSpeed() const {
        termios tio{};
        tcgetattr(pty.Master(), &tio);
        return cfgetospeed(&tio);
    }

    TempFolder config;
    test::PseudoTerminal pty;
    ScriptedDialog dialog;
    TComPort port{nullptr};
};

TEST_F(ConfigDialog, AConfirmedRateBecomesACustomRateWithoutTouchingAClosedPort) {
    port.SetBaudRate(TBaudRate::br9600);
    dialog.answer = [](TPortDialogValues& values) {
        values.BaudRate = 19200;
        return true;
    };
    EXPECT_TRUE(port.ConfigDialog());
    ASSERT_EQ(dialog.shown.size(), 1u);
    EXPECT_EQ(dialog.shown[0].BaudRate, 9600u);
    EXPECT_EQ(dialog.shownName, pty.SlavePath());
    EXPECT_EQ(port.BaudRate(), TBaudRate::brCustom);
    EXPECT_EQ(port.CustomBaudRate(), 19200);
    EXPECT_FALSE(port.Active());
}

TEST_F(ConfigDialog, NoParityAndOneStopBitGiveTheDefaultMembers) {
    port.SetParity(TParity::paEven);
    port.SetStopBits(TStopBits::sb2);
    port.SetDataBits(TDataBits::db7);
    dialog.answer = [](TPortDialogValues& values) {
        EXPECT_EQ(values.Parity, 2);
        EXPECT_EQ(values.StopBits, 2);
        EXPECT_EQ(values.DataBits, 7);
        values.Parity = 0;
        values.StopBits = 0;
        values.DataBits = 8;
        return true;
    };
    EXPECT_TRUE(port.ConfigDialog());
    EXPECT_EQ(port.Parity(), TParity::paDefault);
    EXPECT_EQ(port.StopBits(), TStopBits::sbDefault);
    EXPECT_EQ(port.DataBits(), TDataBits::db8);
}

TEST_F(ConfigDialog, CancellingOrHavingNoDialogChangesNothing) {
    port.SetBaudRate(TBaudRate::br1200);
    port.SetParity(TParity::paOdd);
    dialog.answer = [](TPortDialogValues& values) {
        values.BaudRate = 300;
        values.Parity = 0;
        return false;
    };
    EXPECT_FALSE(port.ConfigDialog());
    EXPECT_FALSE(port.DefaultConfigDialog());
    SetPortConfigDialog(nullptr);
    EXPECT_FALSE(port.ConfigDialog());
    EXPECT_EQ(port.BaudRate(), TBaudRate::br1200);
    EXPECT_EQ(port.Parity(), TParity::paOdd);
    EXPECT_EQ(dialog.shown.size(), 2u);
}

TEST_F(ConfigDialog, AConfirmedChangeReachesAnOpenPort) {
    port.SetBaudRate(TBaudRate::br9600);
    port.Open();
    ASSERT_EQ(LineSpeed(), B9600);
    dialog.answer = [](TPortDialogValues& values) {
        values.BaudRate = 4800;
        return true;
    };
    EXPECT_TRUE(port.ConfigDialog());
    EXPECT_EQ(LineSpeed(), B4800);
}

TEST_F(ConfigDialog, ANameThatIsNoCharacterDeviceRaisesTheSystemError) {
    const std::string file = (config.path() / "plain").string();
    std::ofstream(file) << "x";
    const struct {
        std::string name;
        int error;
    } cases[] = {{file, ENOTTY}, {(config.path() / "none").string(), ENOENT}};
    for (const auto& c : cases) {
        port.SetDeviceName(c.name);
        for (auto call : {&TCustomComPort::ConfigDialog, &TCustomComPort::DefaultConfigDialog}) {
            try {
                (port.*call)();
                ADD_FAILURE() << c.name;
            } catch (const EComError& e) {
                EXPECT_EQ(e.ErrorCode(), c.error) << c.name;
            }
        }
    }
    EXPECT_TRUE(dialog.shown.empty());
}

TEST_F(ConfigDialog, TheDefaultConfigurationIsKeptPerDeviceAndLeavesTheSettingsAlone) {
    port.SetBaudRate(TBaudRate::br1200);
    dialog.answer = [](TPortDialogValues& values) {
        values.BaudRate = 2400;
        values.Parity = 1;
        values.FlowControl = TDialogFlowControl::Hardware;
        return true;
    };
    EXPECT_TRUE(port.DefaultConfigDialog());
    EXPECT_EQ(dialog.shown[0], TPortDialogValues{}) << "a device starts from 9600 8N1";
    EXPECT_EQ(port.BaudRate(), TBaudRate::br1200);

    dialog.answer = [](TPortDialogValues&) { return false; };
    port.DefaultConfigDialog();
    EXPECT_EQ(dialog.shown[1], (TPortDialogValues{2400, 8, 1, 0, TDialogFlowControl::Hardware}));

    // ConfigDialog starts from the stored default with the port's own settings over it.
    port.ConfigDialog();
    EXPECT_EQ(dialog.shown[2], (TPortDialogValues{1200, 8, 1, 0, TDialogFlowControl::Hardware}));

    // Another device has its own default.
    test::PseudoTerminal other;
    port.SetDeviceName(other.SlavePath());
    port.DefaultConfigDialog();
    EXPECT_EQ(dialog.shown[3], TPortDialogValues{});
}

TEST(DefaultCommConfig, UnreadableEntriesKeepTheirInitialValues) {
    TempFolder folder;
    test::PseudoTerminal pty;
    detail::DeviceState stored;
    stored.BaudRate = 57600;
    stored.ByteSize = 7;
    ASSERT_EQ(detail::WriteDefaultCommConfig(pty.SlavePath(), folder.path().string(), stored), 0);
    // Damage the file: a value out of range, a word, a line without "=".
    for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
        std::ofstream(entry.path(), std::ios::app) << "Parity=9\nStopBits=two\ngarbage\n";
    }
    detail::DeviceState read;
    ASSERT_EQ(detail::ReadDefaultCommConfig(pty.SlavePath(), folder.path().string(),
                                            folder.path().string(), read),
              0);
    EXPECT_EQ(read.BaudRate, 57600u);
    EXPECT_EQ(read.ByteSize, 7);
    EXPECT_EQ(read.Parity, 0);
    EXPECT_EQ(read.StopBits, 0);
}

// A file left beside the configuration under any name (here a link to
// another file where a temporary file could go) is never written through.
TEST(DefaultCommConfig, AWriteGoesThroughAFreshTemporaryFile) {
    TempFolder folder;
    test::PseudoTerminal pty;
    detail::DeviceState stored;
    ASSERT_EQ(detail::WriteDefaultCommConfig(pty.SlavePath(), folder.path().string(), stored), 0);
    const std::filesystem::path file = std::filesystem::directory_iterator(folder.path())->path();
    std::ofstream(folder.file("other")) << "kept\n";
    std::filesystem::create_symlink(folder.file("other"), file.string() + ".new");
    std::filesystem::create_directory(file.string() + ".tmp");
    stored.BaudRate = 19200;
    ASSERT_EQ(detail::WriteDefaultCommConfig(pty.SlavePath(), folder.path().string(), stored), 0);
    std::ifstream other(folder.file("other"));
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(other), {}), "kept\n");
    detail::DeviceState read;
    ASSERT_EQ(detail::ReadDefaultCommConfig(pty.SlavePath(), folder.path().string(),
                                            folder.path().string(), read),
              0);
    EXPECT_EQ(read.BaudRate, 19200u);
    EXPECT_FALSE(std::filesystem::is_symlink(file));
}

TEST(DialogValuesMapping, FlowControlBothWays) {
    struct Case {
        const char* name;
        std::uint8_t rts;
        bool ctsFlow, inX, outX;
        TDialogFlowControl shown;
    };
    const Case cases[] = {
        {"nothing", 1, false, false, false, TDialogFlowControl::None},
        {"rts handshake", 2, false, false, false, TDialogFlowControl::Hardware},
        {"cts output flow", 0, true, false, false, TDialogFlowControl::Hardware},
        {"xon/xoff input", 1, false, true, false, TDialogFlowControl::XOnXOff},
        {"xon/xoff output", 1, false, false, true, TDialogFlowControl::XOnXOff},
        {"hardware wins", 2, true, true, true, TDialogFlowControl::Hardware},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        detail::DeviceState state;
        state.RtsControl = c.rts;
        state.OutxCtsFlow = c.ctsFlow;
        state.InX = c.inX;
        state.OutX = c.outX;
        EXPECT_EQ(detail::DialogValuesOf(state).FlowControl, c.shown);
    }

    const struct {
        TDialogFlowControl chosen;
        std::uint8_t rtsBefore, rtsAfter;
        bool ctsFlow, xonXoff;
    } choices[] = {
        {TDialogFlowControl::Hardware, 0, 2, true, false},
        {TDialogFlowControl::XOnXOff, 2, 1, false, true},
        {TDialogFlowControl::None, 2, 1, false, false},
        {TDialogFlowControl::None, 0, 0, false, false},
    };
    for (const auto& choice : choices) {
        detail::DeviceState state;
        state.RtsControl = choice.rtsBefore;
        state.OutxCtsFlow = true;
        state.InX = true;
        state.DtrControl = 1;
        TPortDialogValues values = detail::DialogValuesOf(state);
        values.FlowControl = choice.chosen;
        detail::ApplyDialogValues(values, state);
        EXPECT_EQ(state.RtsControl, choice.rtsAfter);
        EXPECT_EQ(state.OutxCtsFlow, choice.ctsFlow);
        EXPECT_EQ(state.InX, choice.xonXoff);
        EXPECT_EQ(state.OutX, choice.xonXoff);
        EXPECT_EQ(state.DtrControl, 1) << "DTR is not the dialog's";
    }
}

} // namespace
} // namespace zephra::serial

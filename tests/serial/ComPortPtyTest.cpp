// The component on real pseudo-terminals: the test holds the master end.

#include "CaptureError.h"
#include "PseudoTerminal.h"
#include "serial/ComPort.h"
#include "serial/detail/Termios2.h"
#include "support/TempFolder.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <optional>
#include <regex>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <termios.h>
#include <thread>

namespace zephra::serial {
namespace {

using namespace std::chrono_literals;
using namespace std::string_literals;
using test::CaptureError;
using test::PseudoTerminal;
using Clock = std::chrono::steady_clock;
using zephra::test::TempFolder;

class ComPortPty : public ::testing::Test {
protected:
    // Every test gets its own empty port map, so a COMn name can never reach
    // the machine's real serial ports.
    ComPortPty() {
        const char* saved = std::getenv("XDG_CONFIG_HOME");
        if (saved != nullptr) {
            savedConfigHome_ = saved;
        }
        std::filesystem::create_directories(PortMap());
        setenv("XDG_CONFIG_HOME", config_.path().c_str(), 1);
        port.SetDeviceName(pty.SlavePath());
    }
    ~ComPortPty() override {
        if (savedConfigHome_) {
            setenv("XDG_CONFIG_HOME", savedConfigHome_->c_str(), 1);
        } else {
            unsetenv("XDG_CONFIG_HOME");
        }
    }

    std::filesystem::path PortMap() const { return config_.path() / "zephra/ports"; }

    /// Waits until the port sees `count` bytes queued (a pty delivers with a short delay).
    void WaitForInput(std::uint32_t count) {
        const auto deadline = Clock::now() + 2s;
        while (port.InputCount() < count && Clock::now() < deadline) {
            std::this_thread::sleep_for(1ms);
        }
        ASSERT_GE(port.InputCount(), count);
    }

    /// The balance link's line settings and read limit.
    void SetBalanceSettings() {
        port.SetDataBits(TDataBits::db7);
        port.SetBaudRate(TBaudRate::br1200);
        port.SetParity(TParity::paOdd);
        port.SetStopBits(TStopBits::sb1);
        port.Timeouts().SetReadConstant(5000);
    }

    TempFolder config_;
    std::optional<std::string> savedConfigHome_;
    PseudoTerminal pty;
    TComPort port{nullptr};
};

TEST_F(ComPortPty, SettingsReachTheLine) {
    SetBalanceSettings();
    port.SetStopBits(TStopBits::sb2);
    port.FlowControl().SetXOnXOff(TXOnXOffControl::xcInputOutput);
    port.FlowControl().SetRTS(TRTSControl::rcHandshake);
    port.Characters().SetXOn(0x11);
    port.Open();

    termios tio{};
    ASSERT_EQ(tcgetattr(pty.Master(), &tio), 0);
    EXPECT_EQ(cfgetospeed(&tio), B1200);
    EXPECT_NE(tio.c_cflag & PARODD, 0u);
    EXPECT_NE(tio.c_cflag & CSTOPB, 0u);
    EXPECT_NE(tio.c_cflag & CRTSCTS, 0u);
    EXPECT_EQ(tio.c_iflag & (IXON | IXOFF), tcflag_t{IXON | IXOFF});
    EXPECT_EQ(tio.c_iflag & (ICRNL | INLCR | IGNCR | ISTRIP), 0u);
    EXPECT_EQ(tio.c_lflag & (ICANON | ECHO | ISIG), 0u);
    EXPECT_EQ(tio.c_oflag & OPOST, 0u);

    port.SetCustomBaudRate(14400);
    std::uint32_t rate = 0;
    ASSERT_EQ(detail::GetNumericSpeed(pty.Master(), rate), 0);
    EXPECT_EQ(rate, 14400u);
    port.SetBaudRate(TBaudRate::br57600);
    ASSERT_EQ(detail::GetNumericSpeed(pty.Master(), rate), 0);
    EXPECT_EQ(rate, 57600u);
}

TEST_F(ComPortPty, TheBalanceExchangeRepeated) {
    SetBalanceSettings();
    // Every exchange opens the port again; the line keeps the settings of the
    // last one, which must not make applying them fail.
    for (int exchange = 0; exchange < 3; ++exchange) {
        port.Open();
        port.WriteAnsiChar('\x1b');
        port.WriteAnsiChar('P');
        port.WriteAnsiChar('\r');
        EXPECT_EQ(pty.Receive(3), "\x1bP\r");
        pty.Send("+    12.345 g\r\n");
        EXPECT_EQ(port.ReadAnsiLine(), "+    12.345 g\r");
        port.Close();
        EXPECT_FALSE(port.Active());
    }
}

TEST_F(ComPortPty, OpenOfAMissingDeviceRaisesTheSystemError) {
    port.SetDeviceName("/dev/zephra-no-such-port");
    port.SetPriorityClass(TPriorityClass::pcHigh);
    const EComError error = CaptureError([&] { port.Open(); });
    EXPECT_EQ(error.ErrorCode(), ENOENT);
    EXPECT_STREQ(error.what(), "No such file or directory");
    EXPECT_FALSE(port.Active());
    EXPECT_EQ(port.Handle(), -1);
    EXPECT_EQ(port.PriorityClass(), TPriorityClass::pcHigh);
}

TEST_F(ComPortPty, OpenOfSomethingThatIsNoTtyIsRefused) {
    port.SetDeviceName("/dev/null");
    EXPECT_EQ(CaptureError([&] { port.Open(); }).ErrorCode(), ENOTTY);
    EXPECT_FALSE(port.Active());
}

TEST_F(ComPortPty, AnOpenWhoseLogCannotBeWrittenLeavesThePortClosed) {
    port.SetLogFile((config_.path() / "no-such-folder" / "port.log").string());
    port.SetOnRxChar([](TCustomComPort*) {});
    EXPECT_THROW(port.SetActive(true), std::system_error);
    EXPECT_FALSE(port.Active());
    EXPECT_EQ(port.Handle(), -1);
    TComPort second(nullptr);
    second.SetDeviceName(pty.SlavePath());
    EXPECT_NO_THROW(second.Open()) << "the device was released";
}

TEST_F(ComPortPty, APortOpenElsewhereIsNotShared) {
    port.Open();
    TComPort second(nullptr);
    second.SetDeviceName(pty.SlavePath());
    const EComError error = CaptureError([&] { second.Open(); });
    EXPECT_EQ(error.ErrorCode(), EBUSY);
    EXPECT_FALSE(second.Active());
    port.Close();
    EXPECT_NO_THROW(second.Open()) << "closing releases the device";
}

/// errno of opening `path` as an unprivileged user (root ignores the tty's
/// exclusive flag), or 0 when the open succeeds.
int OpenAsOtherUser(const std::string& path) {
    const auto tryOpen = [&] {
        const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        if (fd < 0) {
            return errno;
        }
        ::close(fd);
        return 0;
    };
    if (geteuid() != 0) {
        return tryOpen();
    }
    chmod(path.c_str(), 0666);
    const pid_t child = fork();
    if (child == 0) {
        constexpr uid_t kNobody = 65534;
        _exit(setgid(kNobody) != 0 || setuid(kNobody) != 0 ? 255 : tryOpen());
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST_F(ComPortPty, TheKernelRefusesOtherOpensWhileThePortIsOpen) {
    port.Open();
    EXPECT_EQ(OpenAsOtherUser(pty.SlavePath()), EBUSY);
    port.Close();
    EXPECT_EQ(OpenAsOtherUser(pty.SlavePath()), 0) << "the exclusive flag goes with the port";
}

TEST_F(ComPortPty, ComNamesResolveThroughThePortMap) {
    std::filesystem::create_symlink(pty.SlavePath(), PortMap() / "COM3");
    port.SetDeviceName("COM3");
    port.Open();
    port.WriteAnsiString("hello");
    EXPECT_EQ(pty.Receive(5), "hello");
    port.Close();

    // A link to a device that is not there reports the missing device.
    std::filesystem::create_symlink("/dev/zephra-no-such-port", PortMap() / "COM4");
    port.SetDeviceName("COM4");
    EXPECT_EQ(CaptureError([&] { port.Open(); }).ErrorCode(), ENOENT);
}

TEST_F(ComPortPty, OpeningDiscardsBytesThatArrivedWhileClosed) {
    pty.Send("stale\n");
    port.Open();
    std::this_thread::sleep_for(20ms);
    EXPECT_EQ(port.ReadAnsiString(), "");
}

TEST_F(ComPortPty, ReadsAndWritesOfEveryWidthAreLittleEndian) {
    port.Open();
    pty.Send(std::string("\x41\x42\x01\x02\x34\x12\x78\x56\x34\x12\xAC\x20", 12));
    EXPECT_EQ(port.ReadAnsiChar(), 'A');
    EXPECT_EQ(port.ReadByte(), 0x42);
    EXPECT_EQ(port.ReadWord(), 0x0201);
    EXPECT_EQ(port.ReadChar(), u'\x1234');
    EXPECT_EQ(port.ReadDWord(), 0x12345678u);
    EXPECT_EQ(port.ReadChar(), u'€');

    port.WriteAnsiChar('a');
    port.WriteByte(0xFF);
    port.WriteWord(0x0102);
    port.WriteChar(u'€');
    port.WriteDWord(0x01020304);
    EXPECT_EQ(pty.Receive(10), std::string("a\xFF\x02\x01\xAC\x20\x04\x03\x02\x01", 10));
}

TEST_F(ComPortPty, StringsBytesAndEncodings) {
    port.Open();
    port.WriteAnsiString("ab");
    port.WriteString(u"é");
    port.WriteUtf8(u"é€");
    port.WriteBytes({1, 2, 3, 4}, 1, 3);
    port.WriteLine(u"x");
    port.WriteLineUtf8(u"ß");
    port.WriteAnsiLine("ok");
    port.WriteLineBytes({9});
    EXPECT_EQ(pty.Receive(24), std::string("ab\xE9\x00"
                                           "\xC3\xA9\xE2\x82\xAC"
                                           "\x02\x03\x04"
                                           "x\x00\r\x00"
                                           "\xC3\x9F\r"
                                           "ok\r"
                                           "\x09\r",
                                           24));

    pty.Send("\xC3\xA9\xE2\x82\xAC");
    WaitForInput(5);
    EXPECT_EQ(port.ReadUtf8(), u"é€");
    pty.Send("\xC3\xA9;rest");
    EXPECT_EQ(port.ReadUntilUtf8(';'), u"é;");
    WaitForInput(4);
    EXPECT_EQ(port.ReadBytes(), (std::vector<std::uint8_t>{'r', 'e', 's', 't'}));
    std::vector<std::uint8_t> buffer(4, 0);
    pty.Send("zz");
    port.ReadBytes(buffer, 1, 2);
    EXPECT_EQ(buffer, (std::vector<std::uint8_t>{0, 'z', 'z', 0}));
}

TEST_F(ComPortPty, ReadAnsiLineLeavesTheLineFeedQueued) {
    port.Open();
    pty.Send("+1\r\n");
    EXPECT_EQ(port.ReadAnsiLine(), "+1\r");
    WaitForInput(1);
    EXPECT_EQ(port.InputCount(), 1u);
    EXPECT_EQ(port.ReadAnsiChar(), '\n');
}

TEST_F(ComPortPty, ReadsThatReturnAtOnceEndATerminatedReadWithTheQueuedBytes) {
    port.Timeouts().SetReadInterval(-1);
    int reads = 0;
    port.AfterRead = [&](TCustomComPort*, const void*, int, bool) {
        if (++reads > 100) {
            throw std::runtime_error("the terminated read does not end");
        }
    };
    port.Open();
    pty.Send("+1");
    WaitForInput(2);
    EXPECT_EQ(port.ReadAnsiLine(), "+1");
    EXPECT_EQ(port.ReadAnsiLine(), "") << "an idle line";
    pty.Send("2\r\n");
    WaitForInput(3);
    EXPECT_EQ(port.ReadAnsiLine(), "2\r");
    EXPECT_EQ(port.ReadAnsiChar(), '\n');
    pty.Send("a\0"s);
    WaitForInput(2);
    EXPECT_EQ(port.ReadLine(), u"a");
}

TEST_F(ComPortPty, ASequenceTerminatorIsNotEndedByALoneCR) {
    port.Open();
    pty.Send("ab\rc\r\n");
    EXPECT_EQ(port.ReadAnsiUntil(std::string("\r\n")), "ab\rc\r\n");
    pty.Send("h\0\r\0i\0\r\0\n\0z\0"s);
    EXPECT_EQ(port.ReadUntil(u"\r\n"), u"h\ri\r\n");
    EXPECT_EQ(port.ReadUntilBytes(std::vector<std::uint8_t>{'z', 0}),
              (std::vector<std::uint8_t>{'z', 0}));
}

TEST_F(ComPortPty, TerminatedReadsOfEachKind) {
    port.Open();
    pty.Send("a;b\x07x\0\r\0q\0;\0\rlast\r"s);
    EXPECT_EQ(port.ReadAnsiUntil(';'), "a;");
    EXPECT_EQ(port.ReadUntilBytes(7), (std::vector<std::uint8_t>{'b', 7}));
    EXPECT_EQ(port.ReadLine(), u"x\r");
    EXPECT_EQ(port.ReadUntil(u';'), u"q;");
    EXPECT_EQ(port.ReadLineBytes(), (std::vector<std::uint8_t>{'\r'}));
    EXPECT_EQ(port.ReadLineUtf8(), u"last\r");
}

TEST_F(ComPortPty, AnEmptyTerminatorReturnsAtOnceAndReadsNothing) {
    port.Open();
    pty.Send("abc");
    WaitForInput(3);
    EXPECT_EQ(port.ReadAnsiUntil(std::string()), "");
    EXPECT_EQ(port.ReadUntil(std::u16string()), u"");
    EXPECT_TRUE(port.ReadUntilBytes(std::vector<std::uint8_t>{}).empty());
    EXPECT_EQ(port.InputCount(), 3u);
}

TEST_F(ComPortPty, ReadAnsiStringOnAnEmptyQueueReturnsAtOnce) {
    port.Open();
    const auto start = Clock::now();
    EXPECT_EQ(port.ReadAnsiString(), "");
    EXPECT_TRUE(port.ReadBytes().empty());
    EXPECT_LT(Clock::now() - start, 200ms);
}

TEST_F(ComPortPty, ReadStringLeavesAnOddLastByteQueued) {
    port.Open();
    pty.Send("a\0b\0c"s);
    WaitForInput(5);
    EXPECT_EQ(port.ReadString(), u"ab");
    EXPECT_EQ(port.InputCount(), 1u);
    EXPECT_EQ(port.ReadAnsiString(), "c");
}

TEST_F(ComPortPty, WriteBytesChecksItsRange) {
    port.Open();
    const std::vector<std::uint8_t> value = {10, 11, 12, 13};
    for (const std::pair<int, int> range : {std::pair{2, 3}, {-1, 1}, {0, -1}, {5, 0}}) {
        const auto [from, count] = range;
        const EComError error =
            CaptureError([&] { port.WriteBytes(value, range.first, range.second); });
        EXPECT_EQ(error.ErrorCode(), 0);
        EXPECT_STREQ(error.what(), "Incorrect parameter") << from << "," << count;
    }
    std::vector<std::uint8_t> target(2);
    EXPECT_THROW(port.ReadBytes(target, 1, 2), EComError);
    port.WriteBytes(value, 1, 3);
    port.WriteBytes(value, 4, 0);
    EXPECT_EQ(pty.Receive(4, 300ms), "\x0B\x0C\x0D");
}

TEST_F(ComPortPty, ReadTimeoutRaisesTimeoutAfterAboutHalfASecond) {
    port.Timeouts().SetReadConstant(500);
    port.Open();
    const auto start = Clock::now();
    const EComError error = CaptureError([&] { port.ReadByte(); });
    const auto elapsed = Clock::now() - start;
    EXPECT_EQ(error.ErrorCode(), 0);
    EXPECT_STREQ(error.what(), "Timeout");
    EXPECT_GE(elapsed, 495ms);
    EXPECT_LT(elapsed, 3000ms);
    pty.Send("x");
    EXPECT_EQ(port.ReadAnsiChar(), 'x') << "the port stays usable";
}

TEST_F(ComPortPty, AllZeroTimeoutsWaitForEveryByte) {
    port.Open();
    std::thread sender([&] {
        std::this_thread::sleep_for(100ms);
        pty.Send("12");
        std::this_thread::sleep_for(100ms);
        pty.Send("34");
    });
    char buffer[4] = {};
    port.Read(buffer, 4, true);
    sender.join();
    EXPECT_EQ(std::string(buffer, 4), "1234");
}

TEST_F(ComPortPty, LogLinesForTheBalanceCommand) {
    TempFolder folder;
    const std::string log = (folder.path() / "traffic.log").string();
    port.SetLogFile(log);
    port.Open();
    port.WriteAnsiString("\x1bP\r");
    pty.Send("+1\r");
    EXPECT_EQ(port.ReadAnsiChar(), '+');
    port.Close();

    std::ifstream file(log);
    std::vector<std::string> lines;
    for (std::string line; std::getline(file, line);) {
        lines.push_back(line);
    }
    // With LC_ALL=C the date and time read 12/31/26 23:59:59.
    const std::string stamp = R"(\d\d/\d\d/\d\d \d\d:\d\d:\d\d )";
    const std::vector<std::string> expected = {
        "Open " + pty.SlavePath(), R"(Write request \$1B, \$50, \$0D)",
        R"(Read request 1 byte\(s\))", R"(Read complete \$2B)", "Close " + pty.SlavePath()};
    ASSERT_EQ(lines.size(), expected.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_TRUE(std::regex_match(lines[i], std::regex(stamp + expected[i]))) << lines[i];
    }
}

TEST_F(ComPortPty, QueuedOutputSurvivesClose) {
    port.SetBaudRate(TBaudRate::br115200);
    port.Open();
    const std::string data(256 * 1024, 'w');
    port.WriteAnsiString(data);
    EXPECT_TRUE(port.WritePending()) << "more than the pty can hold at once";
    std::string received;
    std::thread reader([&] { received = pty.Receive(data.size(), 10s); });
    port.Close();
    reader.join();
    EXPECT_EQ(received.size(), data.size());
}

TEST_F(ComPortPty, TheTareCommandIsDeliveredWhenThePortClosesRightAfterIt) {
    SetBalanceSettings();
    port.Open();
    port.WriteAnsiChar('\x1b');
    port.WriteAnsiChar('T');
    port.WriteAnsiChar('\r');
    port.Close();
    EXPECT_EQ(pty.Receive(3), "\x1bT\r");
}

TEST_F(ComPortPty, QueueCountersOnAClosedPortRaiseTheSystemError) {
    const EComError error = CaptureError([&] { port.InputCount(); });
    EXPECT_EQ(error.ErrorCode(), EBADF);
    EXPECT_STREQ(error.what(), "Bad file descriptor");
    EXPECT_EQ(CaptureError([&] { port.OutputCount(); }).ErrorCode(), EBADF);
    EXPECT_STREQ(CaptureError([&] { port.ReadAnsiLine(); }).what(),
                 "Can't perform this operation on a closed port");
}

TEST_F(ComPortPty, APseudoTerminalHasNoModemLines) {
    port.Open();
    EXPECT_EQ(CaptureError([&] { port.ModemStatus(); }).ErrorCode(), ENOTTY);
    EXPECT_EQ(CaptureError([&] { port.SetDTR(); }).ErrorCode(), ENOTTY);
    EXPECT_NO_THROW(port.CheckLineErrors()) << "no counters means no errors";
    EXPECT_EQ(port.OutputCount(), 0u);
}

TEST_F(ComPortPty, XOffStopsOutputUntilXOn) {
    port.FlowControl().SetXOnXOff(TXOnXOffControl::xcOutput);
    port.Open();
    port.SetXOff();
    port.WriteAnsiString("held");
    EXPECT_TRUE(port.WritePending());
    EXPECT_EQ(port.OutputCount(), 4u);
    EXPECT_EQ(pty.Receive(4, 100ms), "");
    port.SetXOn();
    port.WaitForWriteCompletion();
    EXPECT_EQ(pty.Receive(4), "held");
}

TEST_F(ComPortPty, AWriteTimeoutEndsAWriteHeldByXOff) {
    port.FlowControl().SetXOnXOff(TXOnXOffControl::xcOutput);
    port.Timeouts().SetWriteConstant(200);
    port.Open();
    pty.Send("\x13");
    std::this_thread::sleep_for(20ms);
    const auto start = Clock::now();
    const EComError error = CaptureError([&] { port.Write("held", 4, true); });
    EXPECT_STREQ(error.what(), "Timeout");
    EXPECT_GE(Clock::now() - start, 195ms);
}

TEST_F(ComPortPty, AHangUpDuringAReadIsAnInputOutputError) {
    port.Open();
    std::thread closer([&] {
        std::this_thread::sleep_for(50ms);
        pty.CloseMaster();
    });
    const EComError error = CaptureError([&] { port.ReadByte(); });
    closer.join();
    EXPECT_EQ(error.ErrorCode(), EIO);
}

TEST_F(ComPortPty, PurgeInputDiscardsReceivedBytes) {
    port.Open();
    pty.Send("junk");
    WaitForInput(4);
    port.PurgeInput();
    EXPECT_EQ(port.InputCount(), 0u);
    port.Flush();
}

TEST_F(ComPortPty, AStandardRateAfterACustomOneSetsBothDirections) {
    port.SetCustomBaudRate(14400);
    port.Open();
    port.SetBaudRate(TBaudRate::br9600);
    std::uint32_t input = 0, output = 0;
    ASSERT_EQ(detail::GetNumericInputSpeed(pty.Master(), input), 0);
    ASSERT_EQ(detail::GetNumericSpeed(pty.Master(), output), 0);
    EXPECT_EQ(input, 9600u);
    EXPECT_EQ(output, 9600u);
}

TEST_F(ComPortPty, TransmitCharOnAStoppedLineEndsWithTimeout) {
    port.Timeouts().SetWriteConstant(200);
    port.Open();
    port.SetXOff();
    const auto start = Clock::now();
    const EComError error = CaptureError([&] { port.TransmitChar('x'); });
    EXPECT_EQ(error.ErrorCode(), 0);
    EXPECT_STREQ(error.what(), "Timeout");
    EXPECT_GE(Clock::now() - start, 195ms);
    port.SetXOn();
    port.TransmitChar('y');
    EXPECT_EQ(pty.Receive(1), "y");
}

TEST_F(ComPortPty, AMaximalMultiplierMakesLargeTransfersWaitInsteadOfEndingAtOnce) {
    // -1 is the largest multiplier; times 3000 bytes it is far beyond any clock.
    port.Timeouts().SetReadMultiplier(-1);
    port.Timeouts().SetWriteMultiplier(-1);
    port.FlowControl().SetXOnXOff(TXOnXOffControl::xcOutput);
    port.Open();
    const std::string data(3000, 'd');

    std::thread sender([&] {
        std::this_thread::sleep_for(100ms);
        pty.Send(data);
    });
    std::vector<std::uint8_t> received(data.size());
    port.ReadBytes(received, 0, static_cast<int>(received.size()));
    sender.join();
    EXPECT_TRUE(std::string(received.begin(), received.end()) == data) << "the read ended early";

    pty.Send("\x13"); // XOFF holds the port's output
    std::this_thread::sleep_for(20ms);
    std::thread releaser([&] {
        std::this_thread::sleep_for(100ms);
        pty.Send("\x11");
    });
    port.Write(data.data(), static_cast<int>(data.size()), true);
    releaser.join();
    EXPECT_EQ(pty.Receive(data.size()).size(), data.size()) << "the write ended early";
}

} // namespace
} // namespace zephra::serial

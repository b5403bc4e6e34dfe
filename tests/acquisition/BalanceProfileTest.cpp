// Line settings, network addresses and the balance profile in balance.conf.

#include "acquisition/BalanceProfile.h"
#include "acquisition/BalanceFactory.h"
#include "acquisition/LineSettings.h"
#include "acquisition/SettingsFile.h"
#include "acquisition/TcpTransport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

using namespace zephra;

namespace {

namespace fs = std::filesystem;

TEST(LineSettingsTest, FramingAndRateTexts) {
    LineSettings line;
    ASSERT_TRUE(ParseFraming("7e2", line));
    EXPECT_EQ(line.DataBits, 7);
    EXPECT_EQ(line.Parity, 'E');
    EXPECT_EQ(line.StopBits, 2);
    EXPECT_EQ(FramingText(line), "7E2");
    for (const char* bad : {"", "8N", "9N1", "4N1", "8X1", "8N3", "8N1 ", "8N11"}) {
        LineSettings untouched;
        EXPECT_FALSE(ParseFraming(bad, untouched)) << bad;
        EXPECT_EQ(untouched, LineSettings{});
    }
    EXPECT_EQ(ParseBaudRate("9600"), 9600);
    EXPECT_EQ(ParseBaudRate("14400"), 14400);
    for (const char* bad : {"", "0", "49", "4000001", "96OO", "-9600", "9600 "})
        EXPECT_FALSE(ParseBaudRate(bad)) << bad;
    for (Handshake flow : {Handshake::None, Handshake::RtsCts, Handshake::XonXoff})
        EXPECT_EQ(HandshakeFromKey(HandshakeKey(flow)), flow);
    EXPECT_FALSE(HandshakeFromKey("RTS/CTS"));
    EXPECT_EQ(LineText({2400, 7, 'E', 1, Handshake::None}), "2400 7E1");
    EXPECT_EQ(LineText({9600, 8, 'N', 1, Handshake::XonXoff}), "9600 8N1 xonxoff");
}

TEST(LineSettingsTest, AppliedToThePort) {
    struct Case {
        LineSettings line;
        serial::TBaudRate rate;
        int customRate;
        serial::TDataBits bits;
        serial::TParity parity;
        serial::TStopBits stop;
        serial::TRTSControl rts;
        serial::TXOnXOffControl xon;
    };
    using namespace serial;
    for (const Case& c : {
             Case{{9600, 8, 'N', 1, Handshake::None},
                  TBaudRate::br9600,
                  9600,
                  TDataBits::db8,
                  TParity::paNone,
                  TStopBits::sb1,
                  TRTSControl::rcDisable,
                  TXOnXOffControl::xcDisable},
             Case{{2400, 7, 'E', 1, Handshake::RtsCts},
                  TBaudRate::br2400,
                  2400,
                  TDataBits::db7,
                  TParity::paEven,
                  TStopBits::sb1,
                  TRTSControl::rcHandshake,
                  TXOnXOffControl::xcDisable},
             Case{{1200, 7, 'O', 2, Handshake::XonXoff},
                  TBaudRate::br1200,
                  1200,
                  TDataBits::db7,
                  TParity::paOdd,
                  TStopBits::sb2,
                  TRTSControl::rcDisable,
                  TXOnXOffControl::xcInputOutput},
             Case{{31250, 8, 'M', 1, Handshake::None},
                  TBaudRate::brCustom,
                  31250,
                  TDataBits::db8,
                  TParity::paMark,
                  TStopBits::sb1,
                  TRTSControl::rcDisable,
                  TXOnXOffControl::xcDisable},
         }) {
        SCOPED_TRACE(LineText(c.line));
        TComPort port(nullptr);
        ApplyLineSettings(port, c.line);
        EXPECT_EQ(port.BaudRate(), c.rate);
        EXPECT_EQ(port.CustomBaudRate(), c.customRate);
        EXPECT_EQ(port.DataBits(), c.bits);
        EXPECT_EQ(port.Parity(), c.parity);
        EXPECT_EQ(port.StopBits(), c.stop);
        EXPECT_EQ(port.FlowControl().RTS(), c.rts);
        EXPECT_EQ(port.FlowControl().XOnXOff(), c.xon);
    }
}

TEST(TcpAddressTest, OnlyWholeAddressesAreTaken) {
    const std::optional<TcpAddress> name = ParseTcpAddress("tcp://balance.lab:4001");
    ASSERT_TRUE(name);
    EXPECT_EQ(name->host, "balance.lab");
    EXPECT_EQ(name->port, 4001);
    const std::optional<TcpAddress> v6 = ParseTcpAddress("tcp://[::1]:23");
    ASSERT_TRUE(v6);
    EXPECT_EQ(v6->host, "::1");
    for (const char* bad : {"tcp://", "tcp://host", "tcp://host:", "tcp://:4001", "tcp://host:0",
                            "tcp://host:65536", "tcp://host:4001/x", "tcp://::1:23", "tcp://a b:1",
                            "TCP://host:1", "COM3", "/dev/ttyUSB0", "tcp://a\rb:1",
                            "tcp://a\xAC"
                            "b:1"})
        EXPECT_FALSE(ParseTcpAddress(bad)) << bad;
    EXPECT_TRUE(IsNetworkAddress("tcp://x"));
    EXPECT_FALSE(IsNetworkAddress("/dev/tcp"));
}

class BalanceProfileTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("zephra-profile-" + std::to_string(getpid()));
        fs::create_directories(dir);
        path = (dir / "balance.conf").string();
    }
    void TearDown() override { fs::remove_all(dir); }
    BalanceProfileRead ReadText(const std::string& text) {
        std::ofstream(path, std::ios::binary) << text;
        return ReadBalanceProfile(path);
    }
    fs::path dir;
    std::string path;
};

TEST_F(BalanceProfileTest, LivesBesideTheSettingsFile) {
    setenv("XDG_CONFIG_HOME", dir.c_str(), 1);
    EXPECT_EQ(BalanceProfilePath(), (dir / "zephra" / "balance.conf").string());
    EXPECT_EQ(fs::path(BalanceProfilePath()).parent_path(),
              fs::path(SettingsFilePath()).parent_path());
    unsetenv("XDG_CONFIG_HOME");
}

TEST_F(BalanceProfileTest, NoFileIsNoProfileAndNoProblem) {
    const BalanceProfileRead read = ReadBalanceProfile(path);
    EXPECT_FALSE(read.profile);
    EXPECT_EQ(read.problem, "");
}

TEST_F(BalanceProfileTest, TheDialectGivesTheLineUnlessTheFileSaysOtherwise) {
    const BalanceProfileRead plain = ReadText("[balance]\ndialect = a-and-d\n");
    ASSERT_TRUE(plain.profile);
    EXPECT_EQ(plain.profile->Dialect, BalanceDialect::AandD);
    EXPECT_EQ(plain.profile->Line, (LineSettings{2400, 7, 'E', 1, Handshake::None}));
    EXPECT_EQ(plain.profile->Address, "");

    const BalanceProfileRead full =
        ReadText("[balance]\ndialect = mt-sics\nbaud = 19200\nframing = 7O2\n"
                 "handshake = rtscts\naddress = tcp://10.0.0.5:4001\n");
    ASSERT_TRUE(full.profile);
    EXPECT_EQ(full.profile->Line, (LineSettings{19200, 7, 'O', 2, Handshake::RtsCts}));
    EXPECT_EQ(full.profile->Address, "tcp://10.0.0.5:4001");
}

TEST_F(BalanceProfileTest, DefaultLinesOfTheDialects) {
    struct Case {
        const char* key;
        LineSettings line;
    };
    for (const Case& c : {Case{"esc-p", {1200, 7, 'O', 1, Handshake::None}},
                          Case{"mt-sics", {9600, 8, 'N', 1, Handshake::None}},
                          Case{"a-and-d", {2400, 7, 'E', 1, Handshake::None}},
                          Case{"ohaus", {9600, 8, 'N', 1, Handshake::None}},
                          Case{"sma", {9600, 8, 'N', 1, Handshake::None}},
                          Case{"continuous", {9600, 8, 'N', 1, Handshake::None}}}) {
        const std::optional<BalanceDialect> dialect = DialectFromKey(c.key);
        ASSERT_TRUE(dialect) << c.key;
        EXPECT_EQ(DialectKey(*dialect), c.key);
        EXPECT_EQ(DefaultLine(*dialect), c.line) << c.key;
    }
    EXPECT_EQ(AllDialects().size(), 6u);
    EXPECT_EQ(AllDialects().front(), BalanceDialect::EscP);
}

// Anything the program cannot use leaves the profile aside, with the reason.
TEST_F(BalanceProfileTest, AFileThatCannotBeUsedGivesNoProfile) {
    struct Case {
        const char* text;
        const char* problem;
    };
    for (const Case& c : {
             Case{"", "no dialect in [balance]"},
             Case{"[balance]\ndialect = auto\n", "unknown dialect \"auto\""},
             Case{"[balance]\ndialect = sartorius\n", "unknown dialect"},
             Case{"[balance]\ndialect = sma\nbaud = fast\n", "baud \"fast\""},
             Case{"[balance]\ndialect = sma\nframing = 9N1\n", "framing \"9N1\""},
             Case{"[balance]\ndialect = sma\nhandshake = dtr\n", "handshake \"dtr\""},
             Case{"[balance]\ndialect = sma\naddress = 10.0.0.5\n", "address \"10.0.0.5\""},
             Case{"[balance]\ndialect sma\n", "line 2"},
             Case{"\xff\xfe[\0\x01", "line 1"},
         }) {
        SCOPED_TRACE(c.text);
        const BalanceProfileRead read = ReadText(c.text);
        EXPECT_FALSE(read.profile);
        EXPECT_NE(read.problem.find(c.problem), std::string::npos) << read.problem;
        EXPECT_EQ(read.problem.rfind(path + ": ", 0), 0u);
    }
    fs::remove(path);
    fs::create_directory(path);
    EXPECT_FALSE(ReadBalanceProfile(path).profile);
    EXPECT_NE(ReadBalanceProfile(path).problem, "");
}

TEST_F(BalanceProfileTest, WrittenProfilesReadBack) {
    for (const BalanceProfile& profile :
         {BalanceProfile{},
          BalanceProfile{BalanceDialect::Sma, {4800, 8, 'E', 2, Handshake::XonXoff}, ""},
          BalanceProfile{BalanceDialect::Continuous, DefaultLine(BalanceDialect::Continuous),
                         "tcp://[::1]:4001"}}) {
        ASSERT_EQ(WriteBalanceProfile(path, profile), 0);
        const BalanceProfileRead read = ReadBalanceProfile(path);
        ASSERT_TRUE(read.profile) << read.problem;
        EXPECT_EQ(*read.profile, profile);
    }
}

TEST_F(BalanceProfileTest, TheFactoryPutsTheProfilesLineOnThePortOrGoesOnTheNetwork) {
    serial::TComPort port(nullptr);
    port.SetDeviceName("/dev/ttyUSB7");
    BalanceProfile profile{BalanceDialect::AandD, DefaultLine(BalanceDialect::AandD), ""};
    EXPECT_EQ(MakeBalance(profile, port)->LinkName(), "/dev/ttyUSB7");
    EXPECT_EQ(port.BaudRate(), serial::TBaudRate::br2400);
    EXPECT_EQ(port.Parity(), serial::TParity::paEven);
    EXPECT_EQ(BalanceWhere(profile, port), "/dev/ttyUSB7");
    profile.Address = "tcp://127.0.0.1:4001";
    EXPECT_EQ(MakeBalance(profile, port)->LinkName(), "tcp://127.0.0.1:4001");
    EXPECT_EQ(BalanceWhere(profile, port), "tcp://127.0.0.1:4001");
}

} // namespace

#include "serial/detail/TermiosMapping.h"

#include <cerrno>
#include <gtest/gtest.h>
#include <sys/ioctl.h>

namespace zephra::serial::detail {
namespace {

/// A tty as the kernel hands it out: canonical mode with echo and line editing.
termios CookedTty() {
    termios tio{};
    tio.c_iflag = ICRNL | IXON | BRKINT | IMAXBEL;
    tio.c_oflag = OPOST | ONLCR;
    tio.c_cflag = CS8 | CREAD | HUPCL;
    tio.c_lflag = ICANON | ECHO | ECHOE | ECHOK | ISIG | IEXTEN;
    cfsetispeed(&tio, B9600);
    cfsetospeed(&tio, B9600);
    return tio;
}

DeviceState BalanceState() {
    DeviceState state;
    state.BaudRate = 1200;
    state.ByteSize = 7;
    state.Parity = 1;
    state.StopBits = 0;
    state.Binary = true;
    return state;
}

TEST(TermiosMapping, BalanceLineIsSevenBitsOddParityOneStopRaw) {
    termios tio = CookedTty();
    bool numeric = true;
    ASSERT_EQ(StateToTermios(BalanceState(), tio, numeric), 0);
    EXPECT_FALSE(numeric);
    EXPECT_EQ(cfgetospeed(&tio), B1200);
    EXPECT_EQ(cfgetispeed(&tio), B1200);
    EXPECT_EQ(tio.c_cflag & CSIZE, tcflag_t{CS7});
    EXPECT_EQ(tio.c_cflag & (PARENB | PARODD | CMSPAR), tcflag_t{PARENB | PARODD});
    EXPECT_EQ(tio.c_cflag & (CSTOPB | CRTSCTS), 0u);
    EXPECT_EQ(tio.c_cflag & (CLOCAL | CREAD), tcflag_t{CLOCAL | CREAD});
    // Raw: a CR from the balance must stay a CR, nothing is echoed or held back.
    EXPECT_EQ(tio.c_iflag & (ICRNL | IXON | IXOFF | BRKINT | IMAXBEL | INPCK), 0u);
    EXPECT_EQ(tio.c_oflag & OPOST, 0u);
    EXPECT_EQ(tio.c_lflag & (ICANON | ECHO | ECHOE | ECHOK | ISIG | IEXTEN), 0u);
    EXPECT_EQ(tio.c_cc[VMIN], 1);
    EXPECT_EQ(tio.c_cc[VTIME], 0);
    EXPECT_NE(tio.c_cflag & HUPCL, 0u) << "flags outside the settings stay as found";
}

TEST(TermiosMapping, ParityCodesMapToTheirFlags) {
    const struct {
        std::uint8_t code;
        tcflag_t flags;
    } cases[] = {{0, 0},
                 {1, PARENB | PARODD},
                 {2, PARENB},
                 {3, PARENB | PARODD | CMSPAR},
                 {4, PARENB | CMSPAR}};
    for (const auto& c : cases) {
        termios tio = CookedTty();
        tio.c_cflag |= PARENB | PARODD | CMSPAR;
        DeviceState state = BalanceState();
        state.Parity = c.code;
        bool numeric = false;
        ASSERT_EQ(StateToTermios(state, tio, numeric), 0);
        EXPECT_EQ(tio.c_cflag & (PARENB | PARODD | CMSPAR), c.flags) << int(c.code);
        EXPECT_EQ(TermiosToState(tio, 1200, std::nullopt).Parity, c.code);
    }
}

TEST(TermiosMapping, StopBitsAndByteSizesTermiosCannotExpressAreRefused) {
    const struct {
        std::uint8_t byteSize;
        std::uint8_t stopBits;
        int result;
    } cases[] = {{5, 1, 0},      {8, 1, EINVAL},  {8, 2, 0}, {4, 0, EINVAL},
                 {9, 0, EINVAL}, {16, 0, EINVAL}, {6, 0, 0}};
    for (const auto& c : cases) {
        termios tio = CookedTty();
        DeviceState state = BalanceState();
        state.ByteSize = c.byteSize;
        state.StopBits = c.stopBits;
        bool numeric = false;
        EXPECT_EQ(StateToTermios(state, tio, numeric), c.result)
            << int(c.byteSize) << " bits, stop code " << int(c.stopBits);
    }
}

TEST(TermiosMapping, OneAndAHalfStopBitsReadBackOnlyWithFiveDataBits) {
    termios tio = CookedTty();
    tio.c_cflag = (tio.c_cflag & ~CSIZE) | CS5 | CSTOPB;
    EXPECT_EQ(TermiosToState(tio, 0, std::nullopt).StopBits, 1);
    tio.c_cflag = (tio.c_cflag & ~CSIZE) | CS8 | CSTOPB;
    EXPECT_EQ(TermiosToState(tio, 0, std::nullopt).StopBits, 2);
}

TEST(TermiosMapping, RatesWithoutConstantAreLeftForTheNumericCall) {
    termios tio = CookedTty();
    DeviceState state = BalanceState();
    state.BaudRate = 14400;
    bool numeric = false;
    ASSERT_EQ(StateToTermios(state, tio, numeric), 0);
    EXPECT_TRUE(numeric);
    EXPECT_EQ(cfgetospeed(&tio), B9600);
    EXPECT_EQ(StandardSpeed(134), B134);
    EXPECT_EQ(StandardSpeed(2000), std::nullopt);
}

TEST(TermiosMapping, FlowControlFlags) {
    termios tio = CookedTty();
    DeviceState state = BalanceState();
    state.InX = true;
    state.OutX = false;
    state.RtsControl = 2;
    state.XonChar = 0x21;
    state.XoffChar = 0x23;
    bool numeric = false;
    ASSERT_EQ(StateToTermios(state, tio, numeric), 0);
    EXPECT_EQ(tio.c_iflag & (IXON | IXOFF | IXANY), tcflag_t{IXOFF});
    EXPECT_NE(tio.c_cflag & CRTSCTS, 0u);
    EXPECT_EQ(tio.c_cc[VSTART], 0x21);
    EXPECT_EQ(tio.c_cc[VSTOP], 0x23);

    state.RtsControl = 1;
    state.OutxCtsFlow = true;
    ASSERT_EQ(StateToTermios(state, tio, numeric), 0);
    EXPECT_NE(tio.c_cflag & CRTSCTS, 0u) << "CTS output flow needs the same kernel flag";

    const DeviceState back = TermiosToState(tio, 1200, TIOCM_DTR);
    EXPECT_EQ(back.RtsControl, 2);
    EXPECT_EQ(back.DtrControl, 1);
    EXPECT_TRUE(back.InX);
    EXPECT_FALSE(back.OutX);
}

TEST(TermiosMapping, ParityCheckingSetsInputCheck) {
    termios tio = CookedTty();
    tio.c_iflag |= IGNPAR;
    DeviceState state = BalanceState();
    state.CheckParity = true;
    bool numeric = false;
    ASSERT_EQ(StateToTermios(state, tio, numeric), 0);
    EXPECT_EQ(tio.c_iflag & (INPCK | IGNPAR), tcflag_t{INPCK});
}

} // namespace
} // namespace zephra::serial::detail

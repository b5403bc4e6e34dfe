#include "serial/detail/TermiosMapping.h"

#include <cerrno>
#include <sys/ioctl.h>
#include <utility>

namespace zephra::serial::detail {

namespace {

constexpr std::pair<std::uint32_t, speed_t> kSpeeds[] = {
    {50, B50},           {75, B75},           {110, B110},         {134, B134},
    {150, B150},         {200, B200},         {300, B300},         {600, B600},
    {1200, B1200},       {1800, B1800},       {2400, B2400},       {4800, B4800},
    {9600, B9600},       {19200, B19200},     {38400, B38400},     {57600, B57600},
    {115200, B115200},   {230400, B230400},   {460800, B460800},   {500000, B500000},
    {576000, B576000},   {921600, B921600},   {1000000, B1000000}, {1152000, B1152000},
    {1500000, B1500000}, {2000000, B2000000}, {2500000, B2500000}, {3000000, B3000000},
    {3500000, B3500000}, {4000000, B4000000},
};

std::optional<tcflag_t> SizeFlag(std::uint8_t byteSize) {
    switch (byteSize) {
    case 5:
        return CS5;
    case 6:
        return CS6;
    case 7:
        return CS7;
    case 8:
        return CS8;
    default:
        return std::nullopt;
    }
}

std::uint8_t ByteSize(tcflag_t cflag) {
    switch (cflag & CSIZE) {
    case CS5:
        return 5;
    case CS6:
        return 6;
    case CS7:
        return 7;
    default:
        return 8;
    }
}

void SetFlag(tcflag_t& flags, tcflag_t flag, bool on) {
    if (on) {
        flags |= flag;
    } else {
        flags &= ~flag;
    }
}

void SelectRawMode(termios& tio) {
    tio.c_iflag &=
        ~(IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR | ICRNL | IXANY | IMAXBEL | IUCLC);
    tio.c_oflag &= ~OPOST;
    tio.c_lflag &= ~(ICANON | ECHO | ECHOE | ECHOK | ECHONL | ISIG | IEXTEN);
    // VMIN 1 keeps a read with nothing queued at EAGAIN; 0 stays reserved for a hang-up.
    tio.c_cc[VMIN] = 1;
    tio.c_cc[VTIME] = 0;
}

} // namespace

std::optional<speed_t> StandardSpeed(std::uint32_t rate) {
    for (const auto& [number, constant] : kSpeeds) {
        if (number == rate) {
            return constant;
        }
    }
    return std::nullopt;
}

int StateToTermios(const DeviceState& state, termios& tio, bool& numericRate) {
    const std::optional<tcflag_t> size = SizeFlag(state.ByteSize);
    if (!size || state.Parity > 4 || state.StopBits > 2 ||
        (state.StopBits == 1 && state.ByteSize != 5)) {
        return EINVAL;
    }

    numericRate = false;
    if (state.BaudRate != 0) {
        if (const std::optional<speed_t> speed = StandardSpeed(state.BaudRate)) {
            cfsetispeed(&tio, *speed);
            cfsetospeed(&tio, *speed);
            // A numeric rate set before leaves its mark in the input-speed
            // field, which the C library's calls do not touch; cleared, the
            // input follows the output rate again.
            tio.c_cflag &= ~CIBAUD;
        } else {
            numericRate = true;
        }
    }

    tio.c_cflag = (tio.c_cflag & ~CSIZE) | *size;
    const bool parodd = state.Parity == 1 || state.Parity == 3;
    SetFlag(tio.c_cflag, PARENB, state.Parity != 0);
    SetFlag(tio.c_cflag, PARODD, parodd);
    SetFlag(tio.c_cflag, CMSPAR, state.Parity >= 3);
    // With 5 data bits the UART sends 1.5 stop bits when two are selected.
    SetFlag(tio.c_cflag, CSTOPB, state.StopBits != 0);
    tio.c_cflag |= CLOCAL | CREAD;
    // One kernel flag covers both directions of the RTS/CTS handshake.
    SetFlag(tio.c_cflag, CRTSCTS, state.RtsControl == 2 || state.OutxCtsFlow);

    SetFlag(tio.c_iflag, IXOFF, state.InX);
    SetFlag(tio.c_iflag, IXON, state.OutX);
    tio.c_iflag &= ~IXANY;
    SetFlag(tio.c_iflag, INPCK, state.CheckParity);
    if (state.CheckParity) {
        tio.c_iflag &= ~IGNPAR;
    }
    tio.c_cc[VSTART] = static_cast<cc_t>(state.XonChar);
    tio.c_cc[VSTOP] = static_cast<cc_t>(state.XoffChar);
    tio.c_cc[VEOF] = static_cast<cc_t>(state.EofChar);

    if (state.Binary) {
        SelectRawMode(tio);
    }
    return 0;
}

DeviceState TermiosToState(const termios& tio, std::uint32_t rate, std::optional<int> modemLines) {
    DeviceState state;
    state.BaudRate = rate;
    state.ByteSize = ByteSize(tio.c_cflag);
    if ((tio.c_cflag & PARENB) != 0) {
        const bool odd = (tio.c_cflag & PARODD) != 0;
        if ((tio.c_cflag & CMSPAR) != 0) {
            state.Parity = odd ? 3 : 4;
        } else {
            state.Parity = odd ? 1 : 2;
        }
    }
    if ((tio.c_cflag & CSTOPB) != 0) {
        state.StopBits = state.ByteSize == 5 ? 1 : 2;
    }
    const bool rtsCts = (tio.c_cflag & CRTSCTS) != 0;
    state.DtrControl = modemLines && (*modemLines & TIOCM_DTR) != 0 ? 1 : 0;
    if (rtsCts) {
        state.RtsControl = 2;
    } else {
        state.RtsControl = modemLines && (*modemLines & TIOCM_RTS) != 0 ? 1 : 0;
    }
    state.OutxCtsFlow = rtsCts;
    state.InX = (tio.c_iflag & IXOFF) != 0;
    state.OutX = (tio.c_iflag & IXON) != 0;
    state.CheckParity = (tio.c_iflag & INPCK) != 0;
    state.XonChar = static_cast<char>(tio.c_cc[VSTART]);
    state.XoffChar = static_cast<char>(tio.c_cc[VSTOP]);
    state.EofChar = static_cast<char>(tio.c_cc[VEOF]);
    state.Binary = (tio.c_lflag & ICANON) == 0;
    return state;
}

} // namespace zephra::serial::detail

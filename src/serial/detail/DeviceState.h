#pragma once

#include <cstdint>

namespace zephra::serial::detail {

/// Platform-neutral image of a device's line settings: the fields a Windows
/// device control block holds, with the same codes. The port maps its settings
/// onto this image; the device layer maps the image onto termios.
struct DeviceState {
    std::uint32_t BaudRate = 0;
    std::uint8_t ByteSize = 8;
    std::uint8_t Parity = 0;     ///< 0 none, 1 odd, 2 even, 3 mark, 4 space
    std::uint8_t StopBits = 0;   ///< 0 one, 1 one and a half, 2 two
    std::uint8_t DtrControl = 0; ///< 0 disable, 1 enable, 2 handshake
    std::uint8_t RtsControl = 0; ///< 0 disable, 1 enable, 2 handshake, 3 toggle
    bool InX = false;            ///< send XOFF/XON when the input fills/empties
    bool OutX = false;           ///< stop sending on a received XOFF
    char XonChar = 17;
    char XoffChar = 19;
    char ErrorChar = 0;
    char EofChar = 0;
    char EvtChar = 0;
    std::uint16_t XonLim = 0;
    std::uint16_t XoffLim = 0;
    bool CheckParity = false;
    bool OutxCtsFlow = false;
    bool OutxDsrFlow = false;
    bool DsrSensitivity = false;
    bool TXContinueOnXoff = false;
    bool UseErrorChar = false;
    bool DiscardNull = false;
    bool AbortOnError = false;
    bool Binary = false; ///< raw mode: no end-of-file or line processing

    friend bool operator==(const DeviceState&, const DeviceState&) = default;
};

/// Line-error bits reported by `ComDevice::TakeLineErrors`.
inline constexpr std::uint32_t ceRxOverflow = 0x1;
inline constexpr std::uint32_t ceOverrun = 0x2;
inline constexpr std::uint32_t ceParity = 0x4;
inline constexpr std::uint32_t ceFrame = 0x8;
inline constexpr std::uint32_t ceBreak = 0x10;
inline constexpr std::uint32_t ceTxFull = 0x100;
inline constexpr std::uint32_t ceDeviceTimeOut = 0x200;
inline constexpr std::uint32_t ceIO = 0x400;
inline constexpr std::uint32_t ceDeviceNotSelected = 0x800;
inline constexpr std::uint32_t ceOutOfPaper = 0x1000;
inline constexpr std::uint32_t ceMode = 0x8000;

/// Modem-status bits reported by `ComDevice::ModemStatus`.
inline constexpr std::uint32_t msCtsOn = 0x10;
inline constexpr std::uint32_t msDsrOn = 0x20;
inline constexpr std::uint32_t msRingOn = 0x40;
inline constexpr std::uint32_t msRlsdOn = 0x80;

} // namespace zephra::serial::detail

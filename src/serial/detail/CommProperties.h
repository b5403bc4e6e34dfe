#pragma once

#include "serial/ComPort.h"

#include <cstdint>

namespace zephra::serial::detail {

/// What a device supports, in the layout and bit values of the Windows
/// communications-properties record, from which the capability sets are read.
struct CommProperties {
    std::uint32_t MaxTxQueue = 0; ///< 0: no fixed maximum
    std::uint32_t MaxRxQueue = 0;
    std::uint32_t MaxBaud = 0;
    std::uint32_t ProvCapabilities = 0;
    std::uint32_t SettableParams = 0;
    std::uint32_t SettableBaud = 0;
    std::uint16_t SettableData = 0;
    std::uint16_t SettableStopParity = 0;
    std::uint32_t CurrentTxQueue = 0;
    std::uint32_t CurrentRxQueue = 0;
};

/// What the Linux tty interface offers for any serial device: every rate
/// (the listed ones and any other through BOTHER), 5 to 8 data bits, the five
/// parities, 1 and 2 stop bits (1.5 only with 5 data bits), RTS/CTS and
/// XON/XOFF flow control, but no DTR/DSR flow control, no error or event
/// character and no 16-bit mode. Queue sizes are nominal: the line
/// discipline's fixed 4096-byte buffers, no settable maximum.
/// These are statements about the interface, not measurements of a device.
CommProperties LinuxCommProperties();

TCapabilities CapabilitiesOf(const CommProperties& properties);
TSettableParameters SettableParametersOf(const CommProperties& properties);
TBaudRates SettableBaudRatesOf(const CommProperties& properties);
/// The member of the maximum rate's bit; brDefault for any other value.
TBaudRate MaxBaudRateOf(const CommProperties& properties);
TSettableDataBits SettableDataBitsOf(const CommProperties& properties);
TSettableParity SettableParityOf(const CommProperties& properties);
TSettableStopBits SettableStopBitsOf(const CommProperties& properties);

} // namespace zephra::serial::detail

#pragma once

#include "serial/detail/DeviceState.h"

namespace zephra::serial::detail {

/// Whether a device kept the line mode it was asked for: data bits, parity,
/// one or more stop bits, the RTS/CTS handshake and XON/XOFF in either
/// direction. A driver may drop what its hardware cannot do and still report
/// success, so the port compares what it reads back with what it applied.
///
/// A pseudo-terminal always runs with 8 data bits and no parity; for one,
/// exactly those two differences are accepted.
bool LineModeKept(const DeviceState& requested, const DeviceState& applied, bool pseudoTerminal);

} // namespace zephra::serial::detail

#pragma once

#include "serial/detail/DeviceState.h"

#include <cstdint>
#include <optional>
#include <termios.h>

namespace zephra::serial::detail {

/// The B constant of a rate in bit/s, when termios has one.
std::optional<speed_t> StandardSpeed(std::uint32_t rate);

/// Writes the line settings of `state` into `tio` (modem-line levels aside,
/// which need ioctls). A rate without a B constant is left for the numeric
/// speed call, and `numericRate` tells so. Returns 0, or EINVAL for a byte
/// size or stop-bit combination that termios cannot express.
int StateToTermios(const DeviceState& state, termios& tio, bool& numericRate);

/// The image of `tio` with the given rate. `modemLines` holds the TIOCM bits
/// when the device has modem lines; without them DTR and RTS read as disabled.
DeviceState TermiosToState(const termios& tio, std::uint32_t rate, std::optional<int> modemLines);

} // namespace zephra::serial::detail

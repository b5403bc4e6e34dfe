#pragma once

#include <cstdint>

namespace zephra::serial::detail {

// Numeric line speeds through the kernel's termios2 interface. Kept apart
// because the kernel's termios header cannot share a translation unit with
// the C library's <termios.h>. Both return 0 or an errno value.

/// Sets any rate in bit/s on `fd` for both directions (BOTHER).
int SetNumericSpeed(int fd, std::uint32_t rate);
/// Reads the output rate of `fd` in bit/s, whether set by constant or by number.
int GetNumericSpeed(int fd, std::uint32_t& rate);
/// Reads the input rate of `fd` in bit/s.
int GetNumericInputSpeed(int fd, std::uint32_t& rate);

} // namespace zephra::serial::detail

#include "serial/detail/LineModeCheck.h"

namespace zephra::serial::detail {

namespace {

bool RtsCtsHandshake(const DeviceState& state) {
    return state.RtsControl == 2 || state.OutxCtsFlow;
}

} // namespace

bool LineModeKept(const DeviceState& requested, const DeviceState& applied, bool pseudoTerminal) {
    const bool byteSizeKept =
        applied.ByteSize == requested.ByteSize || (pseudoTerminal && applied.ByteSize == 8);
    const bool parityKept =
        applied.Parity == requested.Parity || (pseudoTerminal && applied.Parity == 0);
    // 1.5 and 2 stop bits are one setting of the line; which of them it gives
    // depends on the data bits.
    const bool stopBitsKept = (applied.StopBits != 0) == (requested.StopBits != 0);
    return byteSizeKept && parityKept && stopBitsKept &&
           RtsCtsHandshake(applied) == RtsCtsHandshake(requested) && applied.InX == requested.InX &&
           applied.OutX == requested.OutX;
}

} // namespace zephra::serial::detail

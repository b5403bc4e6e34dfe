#pragma once

#include "serial/PortConfigDialog.h"
#include "serial/detail/DeviceState.h"

namespace zephra::serial::detail {

/// The dialog's view of a device state. RTS handshake or CTS output flow
/// shows as Hardware, else XON/XOFF in either direction as XOnXOff.
TPortDialogValues DialogValuesOf(const DeviceState& state);

/// Writes the dialog's values into `state`, leaving every field the dialog
/// does not show as it is. Hardware sets RTS handshake and CTS output flow;
/// leaving Hardware turns RTS on instead of handing it to the kernel.
void ApplyDialogValues(const TPortDialogValues& values, DeviceState& state);

} // namespace zephra::serial::detail

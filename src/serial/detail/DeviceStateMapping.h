#pragma once

#include "serial/ComPort.h"
#include "serial/detail/DeviceState.h"

namespace zephra::serial::detail {

/// The rate in bit/s of a `TBaudRate` member: 0 for brDefault, 134 for br134_5;
/// brCustom has no rate of its own and gives 0.
int BaudRateValue(TBaudRate rate);

/// Writes the port's settings into `state`, which holds the device's current
/// state: Default members leave their field as it is; characters, limits,
/// options and raw mode are always written.
void SettingsToDeviceState(TCustomComPort& port, DeviceState& state);

/// Reads `state` back into the port's settings without applying anything:
/// each enumeration takes the first member with the device's value, so a
/// value 0 gives the Default member.
void DeviceStateToSettings(const DeviceState& state, TCustomComPort& port);

} // namespace zephra::serial::detail

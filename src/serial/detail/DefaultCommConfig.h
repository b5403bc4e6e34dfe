#pragma once

#include "serial/detail/DeviceState.h"

#include <string>

namespace zephra::serial::detail {

/// Where the per-device default configurations live: the folder
/// "port-defaults" beside the port map ($XDG_CONFIG_HOME/zephra/port-defaults).
std::string DefaultConfigFolder();

/// Reads the default configuration of the port named `portName` (a device
/// path or a COMn name of the port map) from `configFolder` into `state`.
/// The device must exist (else ENOENT) and be a character device (else
/// ENOTTY). A port with no stored configuration gets 9600 bit/s, 8 data bits,
/// no parity, one stop bit and no flow control, with DTR and RTS control 0,
/// which the port reads back as "leave the lines as they are"; unreadable
/// entries of a stored one keep those values. Returns 0 or an errno.
int ReadDefaultCommConfig(const std::string& portName, const std::string& configFolder,
                          const std::string& portMapFolder, DeviceState& state);

/// Stores `state` as the default configuration of `portName`, replacing the
/// file in one step. Returns 0 or an errno.
int WriteDefaultCommConfig(const std::string& portName, const std::string& configFolder,
                           const DeviceState& state);

} // namespace zephra::serial::detail

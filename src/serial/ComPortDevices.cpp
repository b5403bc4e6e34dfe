// The port's view of the machine's devices and of what the open device supports.

#include "serial/ComPort.h"

#include "serial/detail/ComDevice.h"
#include "serial/detail/CommProperties.h"
#include "serial/detail/DeviceEnumeration.h"
#include "serial/detail/DeviceState.h"
#include "serial/detail/PortMap.h"

namespace zephra::serial {

std::string ResolvedDevicePath(const std::string& DeviceName) {
    return detail::ResolveDeviceName(DeviceName, detail::PortMapFolder());
}

void TCustomComPort::EnumDevices(TStrings& List) {
    detail::DeviceEnumeration().EnumDevices(List);
}

void TCustomComPort::EnumComDevices(TStrings& List) {
    detail::DeviceEnumeration().EnumComDevices(List);
}

void TCustomComPort::EnumComDevicesFromRegistry(TStrings& List) {
    detail::DeviceEnumeration().EnumComDevicesFromRegistry(List);
}

void TCustomComPort::EnumComFriendlyNames(TStrings& List) {
    detail::DeviceEnumeration().EnumComFriendlyNames(List);
}

TDeviceInfos TCustomComPort::DeviceInfos() {
    return detail::DeviceEnumeration().DeviceInfos();
}

bool TCustomComPort::DeviceInfo(const std::string& DeviceName, TDeviceInfo& DeviceInfo) {
    return detail::DeviceEnumeration().DeviceInfo(DeviceName, DeviceInfo);
}

detail::CommProperties TCustomComPort::Properties() {
    RequireOpen();
    // The answer describes the interface; reading the device state still
    // reports a device that has gone or is no tty.
    detail::DeviceState state;
    CheckSystemResult(FDevice->GetState(state));
    return detail::LinuxCommProperties();
}

TCapabilities TCustomComPort::Capabilities() {
    return detail::CapabilitiesOf(Properties());
}

TSettableParameters TCustomComPort::SettableParameters() {
    return detail::SettableParametersOf(Properties());
}

TBaudRates TCustomComPort::SettableBaudRates() {
    return detail::SettableBaudRatesOf(Properties());
}

TBaudRate TCustomComPort::MaxBaudRate() {
    return detail::MaxBaudRateOf(Properties());
}

TSettableDataBits TCustomComPort::SettableDataBits() {
    return detail::SettableDataBitsOf(Properties());
}

TSettableParity TCustomComPort::SettableParity() {
    return detail::SettableParityOf(Properties());
}

TSettableStopBits TCustomComPort::SettableStopBits() {
    return detail::SettableStopBitsOf(Properties());
}

int TBufferSizes::MaxInput() const {
    return static_cast<int>(FComPort->Properties().MaxRxQueue);
}

int TBufferSizes::MaxOutput() const {
    return static_cast<int>(FComPort->Properties().MaxTxQueue);
}

int TBufferSizes::CurrentInput() const {
    return static_cast<int>(FComPort->Properties().CurrentRxQueue);
}

int TBufferSizes::CurrentOutput() const {
    return static_cast<int>(FComPort->Properties().CurrentTxQueue);
}

} // namespace zephra::serial

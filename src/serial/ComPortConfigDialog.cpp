// The port's configuration dialogs.

#include "serial/ComPort.h"

#include "serial/PortConfigDialog.h"
#include "serial/detail/DefaultCommConfig.h"
#include "serial/detail/DeviceState.h"
#include "serial/detail/DeviceStateMapping.h"
#include "serial/detail/DialogValuesMapping.h"
#include "serial/detail/PortMap.h"

namespace zephra::serial {

bool TCustomComPort::ConfigDialog() {
    detail::DeviceState state;
    CheckSystemResult(detail::ReadDefaultCommConfig(FDeviceName, detail::DefaultConfigFolder(),
                                                    detail::PortMapFolder(), state));
    detail::SettingsToDeviceState(*this, state);
    TPortConfigDialog* dialog = PortConfigDialog();
    TPortDialogValues values = detail::DialogValuesOf(state);
    if (dialog == nullptr || !dialog->Execute(FDeviceName, values)) {
        return false;
    }
    detail::ApplyDialogValues(values, state);
    detail::DeviceStateToSettings(state, *this);
    ApplyDeviceState();
    return true;
}

bool TCustomComPort::DefaultConfigDialog() {
    detail::DeviceState state;
    const std::string folder = detail::DefaultConfigFolder();
    CheckSystemResult(
        detail::ReadDefaultCommConfig(FDeviceName, folder, detail::PortMapFolder(), state));
    TPortConfigDialog* dialog = PortConfigDialog();
    TPortDialogValues values = detail::DialogValuesOf(state);
    if (dialog == nullptr || !dialog->Execute(FDeviceName, values)) {
        return false;
    }
    detail::ApplyDialogValues(values, state);
    CheckSystemResult(detail::WriteDefaultCommConfig(FDeviceName, folder, state));
    return true;
}

} // namespace zephra::serial

#include "serial/detail/DialogValuesMapping.h"

namespace zephra::serial::detail {

namespace {
constexpr std::uint8_t kRtsEnable = 1;
constexpr std::uint8_t kRtsHandshake = 2;
} // namespace

TPortDialogValues DialogValuesOf(const DeviceState& state) {
    TPortDialogValues values;
    values.BaudRate = state.BaudRate;
    values.DataBits = state.ByteSize;
    values.Parity = state.Parity;
    values.StopBits = state.StopBits;
    if (state.RtsControl == kRtsHandshake || state.OutxCtsFlow) {
        values.FlowControl = TDialogFlowControl::Hardware;
    } else if (state.InX || state.OutX) {
        values.FlowControl = TDialogFlowControl::XOnXOff;
    } else {
        values.FlowControl = TDialogFlowControl::None;
    }
    return values;
}

void ApplyDialogValues(const TPortDialogValues& values, DeviceState& state) {
    state.BaudRate = values.BaudRate;
    state.ByteSize = values.DataBits;
    state.Parity = values.Parity;
    state.StopBits = values.StopBits;
    const bool hardware = values.FlowControl == TDialogFlowControl::Hardware;
    const bool software = values.FlowControl == TDialogFlowControl::XOnXOff;
    state.OutxCtsFlow = hardware;
    if (hardware) {
        state.RtsControl = kRtsHandshake;
    } else if (state.RtsControl == kRtsHandshake) {
        state.RtsControl = kRtsEnable;
    }
    state.InX = software;
    state.OutX = software;
}

} // namespace zephra::serial::detail

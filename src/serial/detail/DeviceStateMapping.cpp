#include "serial/detail/DeviceStateMapping.h"

#include <array>

namespace zephra::serial::detail {

namespace {

constexpr std::array<int, 27> kRates = {
    0,    50,   75,    110,   134,   150,   300,   600,   1200,  1800,  2000,   2400,   3600,  4800,
    7200, 9600, 10400, 14400, 15625, 19200, 28800, 38400, 56000, 57600, 115200, 128000, 256000};

// Device values of the members after the Default member, in member order.
constexpr std::array<std::uint8_t, 8> kByteSizes = {4, 5, 6, 7, 8, 9, 16, 16};
constexpr std::array<std::uint8_t, 5> kParities = {0, 1, 2, 3, 4};
constexpr std::array<std::uint8_t, 3> kStopBits = {0, 1, 2};
constexpr std::array<std::uint8_t, 3> kDtrControls = {0, 1, 2};
constexpr std::array<std::uint8_t, 4> kRtsControls = {0, 1, 2, 3};

template <typename E, std::size_t N>
std::uint8_t DeviceValue(E member, const std::array<std::uint8_t, N>& values) {
    return values[static_cast<std::size_t>(member) - 1];
}

/// The first member, Default (value 0) included, whose device value is `value`;
/// the Default member when none has it.
template <typename E, std::size_t N>
E FirstMember(std::uint8_t value, const std::array<std::uint8_t, N>& values) {
    if (value == 0) {
        return E{};
    }
    for (std::size_t i = 0; i < N; ++i) {
        if (values[i] == value) {
            return static_cast<E>(i + 1);
        }
    }
    return E{};
}

struct OptionFlag {
    TOption option;
    bool DeviceState::*flag;
};

constexpr OptionFlag kOptionFlags[] = {
    {TOption::opCheckParity, &DeviceState::CheckParity},
    {TOption::opOutputCTSFlow, &DeviceState::OutxCtsFlow},
    {TOption::opOutputDSRFlow, &DeviceState::OutxDsrFlow},
    {TOption::opDSRSensitivity, &DeviceState::DsrSensitivity},
    {TOption::opTXContinueOnXOff, &DeviceState::TXContinueOnXoff},
    {TOption::opUseErrorChar, &DeviceState::UseErrorChar},
    {TOption::opDiscardNullBytes, &DeviceState::DiscardNull},
    {TOption::opAbortOnError, &DeviceState::AbortOnError},
};

} // namespace

int BaudRateValue(TBaudRate rate) {
    const auto index = static_cast<std::size_t>(rate);
    return index < kRates.size() ? kRates[index] : 0;
}

void SettingsToDeviceState(TCustomComPort& port, DeviceState& state) {
    if (port.BaudRate() != TBaudRate::brDefault) {
        state.BaudRate = static_cast<std::uint32_t>(port.CustomBaudRate());
    }
    if (port.DataBits() != TDataBits::dbDefault) {
        state.ByteSize = DeviceValue(port.DataBits(), kByteSizes);
    }
    if (port.Parity() != TParity::paDefault) {
        state.Parity = DeviceValue(port.Parity(), kParities);
    }
    if (port.StopBits() != TStopBits::sbDefault) {
        state.StopBits = DeviceValue(port.StopBits(), kStopBits);
    }

    const TCharacters& characters = port.Characters();
    state.XonChar = static_cast<char>(characters.XOn() & 0xFF);
    state.XoffChar = static_cast<char>(characters.XOff() & 0xFF);
    state.ErrorChar = static_cast<char>(characters.Error() & 0xFF);
    state.EofChar = static_cast<char>(characters.Eof() & 0xFF);
    state.EvtChar = static_cast<char>(characters.Event() & 0xFF);

    const TFlowControl& flow = port.FlowControl();
    if (flow.DTR() != TDTRControl::dcDefault) {
        state.DtrControl = DeviceValue(flow.DTR(), kDtrControls);
    }
    if (flow.RTS() != TRTSControl::rcDefault) {
        state.RtsControl = DeviceValue(flow.RTS(), kRtsControls);
    }
    if (flow.XOnXOff() != TXOnXOffControl::xcDefault) {
        state.InX = flow.XOnXOff() == TXOnXOffControl::xcInput ||
                    flow.XOnXOff() == TXOnXOffControl::xcInputOutput;
        state.OutX = flow.XOnXOff() == TXOnXOffControl::xcOutput ||
                     flow.XOnXOff() == TXOnXOffControl::xcInputOutput;
    }
    state.XonLim = flow.XOnLimit();
    state.XoffLim = flow.XOffLimit();

    for (const OptionFlag& entry : kOptionFlags) {
        state.*entry.flag = port.Options().Contains(entry.option);
    }
    state.Binary = true;
}

void DeviceStateToSettings(const DeviceState& state, TCustomComPort& port) {
    if (static_cast<int>(state.BaudRate) != port.FCustomBaudRate) {
        port.FCustomBaudRate = static_cast<int>(state.BaudRate);
        port.FBaudRate = TBaudRate::brCustom;
    }
    port.FDataBits = FirstMember<TDataBits>(state.ByteSize, kByteSizes);
    port.FParity = FirstMember<TParity>(state.Parity, kParities);
    port.FStopBits = FirstMember<TStopBits>(state.StopBits, kStopBits);

    TFlowControl& flow = port.FFlowControl;
    flow.FDTR = FirstMember<TDTRControl>(state.DtrControl, kDtrControls);
    flow.FRTS = FirstMember<TRTSControl>(state.RtsControl, kRtsControls);
    if (state.InX && state.OutX) {
        flow.FXOnXOff = TXOnXOffControl::xcInputOutput;
    } else if (state.InX) {
        flow.FXOnXOff = TXOnXOffControl::xcInput;
    } else if (state.OutX) {
        flow.FXOnXOff = TXOnXOffControl::xcOutput;
    } else {
        flow.FXOnXOff = TXOnXOffControl::xcDefault;
    }
    flow.FXOnLimit = state.XonLim;
    flow.FXOffLimit = state.XoffLim;

    TCharacters& characters = port.FCharacters;
    characters.FXOn = static_cast<unsigned char>(state.XonChar);
    characters.FXOff = static_cast<unsigned char>(state.XoffChar);
    characters.FError = static_cast<unsigned char>(state.ErrorChar);
    characters.FEof = static_cast<unsigned char>(state.EofChar);
    characters.FEvent = static_cast<unsigned char>(state.EvtChar);

    TOptions options;
    for (const OptionFlag& entry : kOptionFlags) {
        if (state.*entry.flag) {
            options.Include(entry.option);
        }
    }
    port.FOptions = options;
}

} // namespace zephra::serial::detail

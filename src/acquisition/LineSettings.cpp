#include "acquisition/LineSettings.h"

#include <charconv>

namespace zephra {

using serial::TBaudRate;

std::string FramingText(const LineSettings& line) {
    return std::to_string(line.DataBits) + line.Parity + std::to_string(line.StopBits);
}

bool ParseFraming(std::string_view text, LineSettings& line) {
    if (text.size() != 3 || text[0] < '5' || text[0] > '8' || (text[2] != '1' && text[2] != '2'))
        return false;
    const char parity = static_cast<char>(text[1] >= 'a' ? text[1] - 32 : text[1]);
    if (std::string_view("NEOMS").find(parity) == std::string_view::npos)
        return false;
    line.DataBits = text[0] - '0';
    line.Parity = parity;
    line.StopBits = text[2] - '0';
    return true;
}

std::string HandshakeKey(Handshake flow) {
    switch (flow) {
    case Handshake::RtsCts:
        return "rtscts";
    case Handshake::XonXoff:
        return "xonxoff";
    case Handshake::None:
        break;
    }
    return "none";
}

std::optional<Handshake> HandshakeFromKey(std::string_view key) {
    for (Handshake flow : {Handshake::None, Handshake::RtsCts, Handshake::XonXoff}) {
        if (key == HandshakeKey(flow))
            return flow;
    }
    return std::nullopt;
}

std::optional<int> ParseBaudRate(std::string_view text) {
    int rate = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), rate);
    if (error != std::errc() || end != text.data() + text.size() || rate < 50 || rate > 4000000)
        return std::nullopt;
    return rate;
}

std::string LineText(const LineSettings& line) {
    std::string text = std::to_string(line.BaudRate) + " " + FramingText(line);
    if (line.Flow != Handshake::None)
        text.append(" ").append(HandshakeKey(line.Flow));
    return text;
}

namespace {

void SetRate(serial::TComPort& port, int rate) {
    struct Named {
        int rate;
        TBaudRate value;
    };
    static constexpr Named named[] = {
        {300, TBaudRate::br300},     {600, TBaudRate::br600},       {1200, TBaudRate::br1200},
        {2400, TBaudRate::br2400},   {4800, TBaudRate::br4800},     {9600, TBaudRate::br9600},
        {14400, TBaudRate::br14400}, {19200, TBaudRate::br19200},   {38400, TBaudRate::br38400},
        {57600, TBaudRate::br57600}, {115200, TBaudRate::br115200},
    };
    for (const Named& n : named) {
        if (n.rate == rate) {
            port.SetBaudRate(n.value);
            return;
        }
    }
    port.SetCustomBaudRate(rate);
}

} // namespace

void ApplyLineSettings(serial::TComPort& port, const LineSettings& line) {
    using serial::TDataBits;
    using serial::TParity;
    SetRate(port, line.BaudRate);
    static constexpr TDataBits dataBits[] = {TDataBits::db5, TDataBits::db6, TDataBits::db7,
                                             TDataBits::db8};
    port.SetDataBits(dataBits[line.DataBits - 5]);
    switch (line.Parity) {
    case 'E':
        port.SetParity(TParity::paEven);
        break;
    case 'O':
        port.SetParity(TParity::paOdd);
        break;
    case 'M':
        port.SetParity(TParity::paMark);
        break;
    case 'S':
        port.SetParity(TParity::paSpace);
        break;
    default:
        port.SetParity(TParity::paNone);
        break;
    }
    port.SetStopBits(line.StopBits == 2 ? serial::TStopBits::sb2 : serial::TStopBits::sb1);
    serial::TOptions options = port.Options();
    options.Exclude(serial::TOption::opOutputCTSFlow);
    port.SetOptions(options);
    port.FlowControl().SetRTS(line.Flow == Handshake::RtsCts ? serial::TRTSControl::rcHandshake
                                                             : serial::TRTSControl::rcDisable);
    port.FlowControl().SetXOnXOff(line.Flow == Handshake::XonXoff
                                      ? serial::TXOnXOffControl::xcInputOutput
                                      : serial::TXOnXOffControl::xcDisable);
}

} // namespace zephra

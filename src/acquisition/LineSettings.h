#pragma once

#include "serial/ComPort.h"

#include <optional>
#include <string>
#include <string_view>

namespace zephra {

// How the two ends of a serial line agree to talk.
enum class Handshake { None, RtsCts, XonXoff };

// The line settings of a balance: rate, framing (data bits, parity, stop
// bits) and handshake.
struct LineSettings {
    int BaudRate = 9600;
    int DataBits = 8;  // 5 to 8
    char Parity = 'N'; // N (none), E (even), O (odd), M (mark), S (space)
    int StopBits = 1;  // 1 or 2
    Handshake Flow = Handshake::None;

    bool operator==(const LineSettings&) const = default;
};

// The framing as labs write it: data bits, parity letter, stop bits ("8N1",
// "7E1").
std::string FramingText(const LineSettings& line);
// Reads a framing text ("8N1", "7e2") into `line`; false, leaving `line`
// as it was, for anything else.
bool ParseFraming(std::string_view text, LineSettings& line);

// "none", "rtscts", "xonxoff".
std::string HandshakeKey(Handshake flow);
std::optional<Handshake> HandshakeFromKey(std::string_view key);

// A line rate from its decimal text: 50 to 4000000 bit/s; nothing otherwise.
std::optional<int> ParseBaudRate(std::string_view text);

// "9600 8N1", with the handshake added when there is one ("9600 8N1 rtscts").
std::string LineText(const LineSettings& line);

// Sets the rate, framing and handshake of the closed `port` (standard rates
// by name, any other as a custom rate). Without the RTS/CTS handshake RTS is
// switched off: setting it on would fail on a device without modem lines,
// and a balance without that handshake does not look at it.
void ApplyLineSettings(serial::TComPort& port, const LineSettings& line);

} // namespace zephra

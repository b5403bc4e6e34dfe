#include "SimProtocol.h"

#include "ReplyLine.h"

#include <cmath>
#include <cstdio>

namespace zephra::balancesim {

namespace {

struct ProtocolInfo {
    SimProtocol protocol;
    const char* key;
    int baud;
};

constexpr ProtocolInfo Protocols[] = {
    {SimProtocol::EscP, "esc-p", 1200},    {SimProtocol::MtSics, "mt-sics", 9600},
    {SimProtocol::AandD, "a-and-d", 2400}, {SimProtocol::Ohaus, "ohaus", 9600},
    {SimProtocol::Sma, "sma", 9600},       {SimProtocol::Continuous, "continuous", 9600},
};

// The value in the balance's unit; grams for a unit it does not know.
double InUnit(double grams, const std::string& unit) {
    struct Unit {
        const char* name;
        double grams;
    };
    static constexpr Unit units[] = {{"kg", 1000.0},       {"mg", 0.001},       {"lb", 453.59237},
                                     {"oz", 28.349523125}, {"ozt", 31.1034768}, {"ct", 0.2}};
    for (const Unit& u : units) {
        if (unit == u.name)
            return grams / u.grams;
    }
    return grams;
}

// Decimals that keep the balance's resolution of 0.01 g in `unit`.
int Decimals(const std::string& unit) {
    if (unit == "kg" || unit == "lb")
        return 5;
    if (unit == "oz" || unit == "ozt")
        return 4;
    if (unit == "mg")
        return 0;
    return 2;
}

std::string Format(const char* format, double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, format, decimals, value);
    return text;
}

std::string Padded(const std::string& text, std::size_t width, bool right) {
    if (text.size() >= width)
        return text;
    const std::string pad(width - text.size(), ' ');
    return right ? pad + text : text + pad;
}

std::string MtSics(const SimReading& r, const std::string& unit) {
    if (r.overload)
        return "S +\r\n";
    const double value = InUnit(r.grams, unit);
    return std::string("S ") + (r.stable ? "S " : "D ") + Format("%10.*f", value, Decimals(unit)) +
           " " + unit + "\r\n";
}

std::string AandD(const SimReading& r, const std::string& unit) {
    if (r.overload)
        return "OL,+9999999 " + Padded(unit, 3, true) + "\r\n";
    const double value = InUnit(r.grams, unit);
    return std::string(r.stable ? "ST," : "US,") + Format("%+09.*f", value, Decimals(unit)) +
           Padded(unit, 3, true) + "\r\n";
}

std::string Ohaus(const SimReading& r, const std::string& unit) {
    const std::string value = r.overload ? Padded("OL", 11, true)
                                         : Format("%11.*f", InUnit(r.grams, unit), Decimals(unit));
    return value + " " + Padded(unit, 5, false) + " " + (r.stable ? " " : "?") + "  \r\n";
}

std::string Sma(const SimReading& r, const std::string& unit) {
    const double value = InUnit(r.grams, unit);
    char status = ' ';
    if (r.overload)
        status = 'O';
    else if (std::fabs(r.grams) < 0.005)
        status = 'Z';
    std::string line = "\n";
    line += status;
    line += "1G";
    line += r.stable ? ' ' : 'M';
    line += ' ';
    line += Format("%10.*f", value, Decimals(unit)) + Padded(unit, 3, false) + "\r";
    return line;
}

} // namespace

std::optional<SimProtocol> ProtocolFromKey(std::string_view key) {
    for (const ProtocolInfo& info : Protocols) {
        if (key == info.key)
            return info.protocol;
    }
    return std::nullopt;
}

int DefaultBaud(SimProtocol protocol) {
    for (const ProtocolInfo& info : Protocols) {
        if (info.protocol == protocol)
            return info.baud;
    }
    return 1200;
}

bool StandardRate(int rate) {
    for (int standard : {300, 600, 1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200}) {
        if (rate == standard)
            return true;
    }
    return false;
}

std::optional<std::string> CommandSplitter::Feed(char c) {
    switch (protocol_) {
    case SimProtocol::Continuous:
        return std::nullopt;
    case SimProtocol::EscP:
        if (c == '\x1b') {
            command_.clear();
            inCommand_ = true;
        } else if (inCommand_ && c == '\r') {
            inCommand_ = false;
            if (command_.size() == 1)
                return command_;
        } else if (inCommand_) {
            command_ += c;
        }
        return std::nullopt;
    case SimProtocol::Sma:
        if (c == '\n') {
            command_.clear();
            inCommand_ = true;
        } else if (inCommand_ && c == '\r') {
            inCommand_ = false;
            return command_;
        } else if (inCommand_) {
            command_ += c;
        }
        return std::nullopt;
    case SimProtocol::MtSics:
    case SimProtocol::AandD:
    case SimProtocol::Ohaus:
        break;
    }
    if (c == '\r' || c == '\n') {
        std::optional<std::string> command;
        if (!command_.empty())
            command = command_;
        command_.clear();
        return command;
    }
    command_ += c;
    return std::nullopt;
}

CommandKind KindOf(SimProtocol protocol, const std::string& command) {
    struct Known {
        SimProtocol protocol;
        const char* command;
        CommandKind kind;
    };
    static const Known known[] = {
        {SimProtocol::EscP, "P", CommandKind::Weight},
        {SimProtocol::EscP, "T", CommandKind::Tare},
        {SimProtocol::MtSics, "SI", CommandKind::Weight},
        {SimProtocol::MtSics, "T", CommandKind::Tare},
        {SimProtocol::MtSics, "TI", CommandKind::Tare},
        {SimProtocol::MtSics, "I4", CommandKind::Identify},
        {SimProtocol::AandD, "Q", CommandKind::Weight},
        {SimProtocol::AandD, "T", CommandKind::Tare},
        {SimProtocol::AandD, "?ID", CommandKind::Identify},
        {SimProtocol::Ohaus, "IP", CommandKind::Weight},
        {SimProtocol::Ohaus, "T", CommandKind::Tare},
        {SimProtocol::Sma, "W", CommandKind::Weight},
        {SimProtocol::Sma, "T", CommandKind::Tare},
        {SimProtocol::Sma, "A", CommandKind::Identify},
    };
    for (const Known& k : known) {
        if (k.protocol == protocol && command == k.command)
            return k.kind;
    }
    return CommandKind::Unknown;
}

std::optional<std::string> ReplyTo(SimProtocol protocol, const std::string& command,
                                   const SimReading& reading, const std::string& unit,
                                   bool longForm) {
    const CommandKind kind = KindOf(protocol, command);
    switch (protocol) {
    case SimProtocol::EscP:
        if (kind != CommandKind::Weight)
            return std::nullopt;
        if (reading.overload)
            return std::string(longForm ? "N     " : "") + "+  Overload     \r\n";
        return ReplyLine(InUnit(reading.grams, unit), reading.stable, longForm, unit,
                         Decimals(unit));
    case SimProtocol::MtSics:
        if (kind == CommandKind::Weight)
            return MtSics(reading, unit);
        if (kind == CommandKind::Tare && command == "T" && !reading.stable)
            return std::string("T I\r\n");
        if (kind == CommandKind::Tare)
            return command + (reading.stable ? " S " : " D ") +
                   Format("%10.*f", 0.0, Decimals(unit)) + " " + unit + "\r\n";
        if (kind == CommandKind::Identify)
            return std::string("I4 A \"0123456789\"\r\n");
        return std::string("ES\r\n");
    case SimProtocol::AandD:
        if (kind == CommandKind::Weight)
            return AandD(reading, unit);
        if (kind == CommandKind::Identify)
            return std::string("ID,LAB-0123\r\n");
        if (kind == CommandKind::Unknown)
            return std::string("EC,E01\r\n");
        return std::nullopt;
    case SimProtocol::Ohaus:
        if (kind == CommandKind::Weight)
            return Ohaus(reading, unit);
        if (kind == CommandKind::Unknown)
            return std::string("ES\r\n");
        return std::nullopt;
    case SimProtocol::Sma:
        if (kind == CommandKind::Weight || kind == CommandKind::Tare)
            return Sma(reading, unit);
        if (kind == CommandKind::Identify)
            return std::string("\nSMA:2/1.0\r");
        return std::string("\n?\r");
    case SimProtocol::Continuous:
        break;
    }
    return std::nullopt;
}

std::string StreamLine(const SimReading& reading, const std::string& unit) {
    if (reading.overload)
        return "        OL " + unit + "\r\n";
    return Format("%+10.*f", InUnit(reading.grams, unit), Decimals(unit)) + " " + unit +
           (reading.stable ? "" : " ?") + "\r\n";
}

} // namespace zephra::balancesim

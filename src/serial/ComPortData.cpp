#include "serial/ComPort.h"

#include "serial/detail/Transfer.h"

#include <algorithm>
#include <cstdint>

namespace zephra::serial {

namespace {

constexpr std::uint8_t kCR = 13;

std::vector<std::uint8_t> Utf16Bytes(const std::u16string& text) {
    std::vector<std::uint8_t> bytes;
    bytes.reserve(text.size() * 2);
    for (char16_t unit : text) {
        bytes.push_back(static_cast<std::uint8_t>(unit & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>(unit >> 8));
    }
    return bytes;
}

std::u16string Utf16Text(const std::vector<std::uint8_t>& bytes) {
    std::u16string text;
    text.reserve(bytes.size() / 2);
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        text.push_back(static_cast<char16_t>(bytes[i] | (bytes[i + 1] << 8)));
    }
    return text;
}

bool InRange(const std::vector<std::uint8_t>& value, int from, int count) {
    return from >= 0 && count >= 0 &&
           static_cast<std::int64_t>(value.size()) >= std::int64_t{from} + count;
}

} // namespace

// ---- Fixed-size values, little-endian ----------------------------------------

char TCustomComPort::ReadAnsiChar() {
    return static_cast<char>(ReadByte());
}

std::uint8_t TCustomComPort::ReadByte() {
    std::uint8_t value = 0;
    Read(&value, 1, true);
    return value;
}

char16_t TCustomComPort::ReadChar() {
    return static_cast<char16_t>(ReadWord());
}

std::uint16_t TCustomComPort::ReadWord() {
    std::uint8_t bytes[2] = {};
    Read(bytes, 2, true);
    return static_cast<std::uint16_t>(bytes[0] | (bytes[1] << 8));
}

std::uint32_t TCustomComPort::ReadDWord() {
    std::uint8_t bytes[4] = {};
    Read(bytes, 4, true);
    return std::uint32_t{bytes[0]} | (std::uint32_t{bytes[1]} << 8) |
           (std::uint32_t{bytes[2]} << 16) | (std::uint32_t{bytes[3]} << 24);
}

void TCustomComPort::WriteAnsiChar(char Value) {
    Write(&Value, 1, false);
}

void TCustomComPort::WriteByte(std::uint8_t Value) {
    Write(&Value, 1, false);
}

void TCustomComPort::WriteChar(char16_t Value) {
    WriteWord(static_cast<std::uint16_t>(Value));
}

void TCustomComPort::WriteWord(std::uint16_t Value) {
    const std::uint8_t bytes[2] = {static_cast<std::uint8_t>(Value & 0xFF),
                                   static_cast<std::uint8_t>(Value >> 8)};
    Write(bytes, 2, false);
}

void TCustomComPort::WriteDWord(std::uint32_t Value) {
    const std::uint8_t bytes[4] = {
        static_cast<std::uint8_t>(Value & 0xFF), static_cast<std::uint8_t>((Value >> 8) & 0xFF),
        static_cast<std::uint8_t>((Value >> 16) & 0xFF), static_cast<std::uint8_t>(Value >> 24)};
    Write(bytes, 4, false);
}

// ---- Strings and byte arrays ---------------------------------------------------

std::string TCustomComPort::ReadAnsiString() {
    WaitForReadCompletion();
    std::string value(InputCount(), '\0');
    Read(value.data(), static_cast<int>(value.size()), true);
    return value;
}

std::u16string TCustomComPort::ReadString() {
    WaitForReadCompletion();
    std::vector<std::uint8_t> bytes((InputCount() / 2) * 2);
    Read(bytes.data(), static_cast<int>(bytes.size()), true);
    return Utf16Text(bytes);
}

void TCustomComPort::WriteAnsiString(const std::string& Value) {
    Write(Value.data(), static_cast<int>(Value.size()), false);
}

void TCustomComPort::WriteString(const std::u16string& Value) {
    WriteBytes(Utf16Bytes(Value));
}

std::vector<std::uint8_t> TCustomComPort::ReadBytes() {
    WaitForReadCompletion();
    std::vector<std::uint8_t> value(InputCount());
    Read(value.data(), static_cast<int>(value.size()), true);
    return value;
}

void TCustomComPort::ReadBytes(std::vector<std::uint8_t>& Value, int From, int Count) {
    if (!InRange(Value, From, Count)) {
        RaiseComError(0, "Incorrect parameter");
    }
    Read(Value.data() + From, Count, true);
}

void TCustomComPort::WriteBytes(const std::vector<std::uint8_t>& Value) {
    Write(Value.data(), static_cast<int>(Value.size()), false);
}

void TCustomComPort::WriteBytes(const std::vector<std::uint8_t>& Value, int From, int Count) {
    if (!InRange(Value, From, Count)) {
        RaiseComError(0, "Incorrect parameter");
    }
    Write(Value.data() + From, Count, false);
}

std::u16string TCustomComPort::Read(const TEncoding& Encoding) {
    return Encoding.GetString(ReadBytes());
}

std::u16string TCustomComPort::ReadUtf8() {
    return Read(TEncoding::UTF8());
}

void TCustomComPort::Write(const std::u16string& Value, const TEncoding& Encoding) {
    WriteBytes(Encoding.GetBytes(Value));
}

void TCustomComPort::WriteUtf8(const std::u16string& Value) {
    Write(Value, TEncoding::UTF8());
}

// ---- Terminated reads ----------------------------------------------------------

std::vector<std::uint8_t>
TCustomComPort::ReadUnitsUntil(const std::vector<std::uint8_t>& Terminator, int UnitSize) {
    std::vector<std::uint8_t> result;
    if (Terminator.empty()) {
        return result;
    }
    for (;;) {
        std::uint8_t unit[2] = {};
        Read(unit, UnitSize, true);
        const std::uint32_t bytesRead = FReadTransfer->Done;
        result.insert(result.end(), unit, unit + bytesRead);
        if (bytesRead < static_cast<std::uint32_t>(UnitSize)) {
            // Timeouts that return at once with what is queued: the input ends here.
            return result;
        }
        if (result.size() >= Terminator.size() &&
            std::equal(Terminator.begin(), Terminator.end(), result.end() - Terminator.size())) {
            return result;
        }
    }
}

std::string TCustomComPort::ReadAnsiUntil(char Terminator) {
    return ReadAnsiUntil(std::string(1, Terminator));
}

std::string TCustomComPort::ReadAnsiUntil(const std::string& Terminator) {
    const std::vector<std::uint8_t> bytes =
        ReadUnitsUntil(std::vector<std::uint8_t>(Terminator.begin(), Terminator.end()), 1);
    return std::string(bytes.begin(), bytes.end());
}

std::u16string TCustomComPort::ReadUntil(char16_t Terminator) {
    return ReadUntil(std::u16string(1, Terminator));
}

std::u16string TCustomComPort::ReadUntil(const std::u16string& Terminator) {
    return Utf16Text(ReadUnitsUntil(Utf16Bytes(Terminator), 2));
}

std::vector<std::uint8_t> TCustomComPort::ReadUntilBytes(std::uint8_t Terminator) {
    return ReadUnitsUntil({Terminator}, 1);
}

std::vector<std::uint8_t>
TCustomComPort::ReadUntilBytes(const std::vector<std::uint8_t>& Terminator) {
    return ReadUnitsUntil(Terminator, 1);
}

std::u16string TCustomComPort::ReadUntil(std::uint8_t Terminator, const TEncoding& Encoding) {
    return Encoding.GetString(ReadUntilBytes(Terminator));
}

std::u16string TCustomComPort::ReadUntilUtf8(std::uint8_t Terminator) {
    return ReadUntil(Terminator, TEncoding::UTF8());
}

// ---- Lines ----------------------------------------------------------------------

std::string TCustomComPort::ReadAnsiLine() {
    return ReadAnsiUntil(static_cast<char>(kCR));
}

void TCustomComPort::WriteAnsiLine(const std::string& Value) {
    WriteAnsiString(Value);
    WriteAnsiChar(static_cast<char>(kCR));
}

std::u16string TCustomComPort::ReadLine() {
    return ReadUntil(static_cast<char16_t>(kCR));
}

void TCustomComPort::WriteLine(const std::u16string& Value) {
    WriteString(Value);
    WriteChar(static_cast<char16_t>(kCR));
}

std::vector<std::uint8_t> TCustomComPort::ReadLineBytes() {
    return ReadUntilBytes(kCR);
}

std::u16string TCustomComPort::ReadLine(const TEncoding& Encoding) {
    return Encoding.GetString(ReadLineBytes());
}

std::u16string TCustomComPort::ReadLineUtf8() {
    return ReadLine(TEncoding::UTF8());
}

void TCustomComPort::WriteLine(const std::u16string& Value, const TEncoding& Encoding) {
    Write(Value, Encoding);
    WriteAnsiChar(static_cast<char>(kCR));
}

void TCustomComPort::WriteLineUtf8(const std::u16string& Value) {
    WriteLine(Value, TEncoding::UTF8());
}

void TCustomComPort::WriteLineBytes(const std::vector<std::uint8_t>& Value) {
    WriteBytes(Value);
    WriteAnsiChar(static_cast<char>(kCR));
}

} // namespace zephra::serial

#include "serial/ComPort.h"

namespace zephra::serial {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

class Utf8Encoding final : public TEncoding {
public:
    std::u16string GetString(const std::vector<std::uint8_t>& Bytes) const override {
        std::u16string text;
        std::size_t i = 0;
        while (i < Bytes.size()) {
            const std::size_t used = DecodeOne(Bytes, i, text);
            i += used;
        }
        return text;
    }

    std::vector<std::uint8_t> GetBytes(const std::u16string& Text) const override {
        std::vector<std::uint8_t> bytes;
        for (std::size_t i = 0; i < Text.size(); ++i) {
            char32_t code = Text[i];
            if (code >= 0xD800 && code <= 0xDBFF && i + 1 < Text.size() && Text[i + 1] >= 0xDC00 &&
                Text[i + 1] <= 0xDFFF) {
                code = 0x10000 + ((code - 0xD800) << 10) + (Text[i + 1] - 0xDC00);
                ++i;
            } else if (code >= 0xD800 && code <= 0xDFFF) {
                code = kReplacement;
            }
            Encode(code, bytes);
        }
        return bytes;
    }

private:
    static void Append(char32_t code, std::u16string& text) {
        if (code >= 0x10000) {
            code -= 0x10000;
            text.push_back(static_cast<char16_t>(0xD800 + (code >> 10)));
            text.push_back(static_cast<char16_t>(0xDC00 + (code & 0x3FF)));
        } else {
            text.push_back(static_cast<char16_t>(code));
        }
    }

    /// Decodes the sequence at `start`, appends it and returns the bytes used;
    /// a malformed sequence gives U+FFFD for its first byte.
    static std::size_t DecodeOne(const std::vector<std::uint8_t>& bytes, std::size_t start,
                                 std::u16string& text) {
        const std::uint8_t lead = bytes[start];
        std::size_t length = 0;
        char32_t code = 0;
        char32_t minimum = 0;
        if (lead < 0x80) {
            text.push_back(lead);
            return 1;
        } else if ((lead & 0xE0) == 0xC0) {
            length = 2, code = lead & 0x1F, minimum = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3, code = lead & 0x0F, minimum = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            length = 4, code = lead & 0x07, minimum = 0x10000;
        } else {
            text.push_back(static_cast<char16_t>(kReplacement));
            return 1;
        }
        if (start + length > bytes.size()) {
            text.push_back(static_cast<char16_t>(kReplacement));
            return 1;
        }
        for (std::size_t k = 1; k < length; ++k) {
            const std::uint8_t next = bytes[start + k];
            if ((next & 0xC0) != 0x80) {
                text.push_back(static_cast<char16_t>(kReplacement));
                return 1;
            }
            code = (code << 6) | (next & 0x3F);
        }
        if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
            text.push_back(static_cast<char16_t>(kReplacement));
            return 1;
        }
        Append(code, text);
        return length;
    }

    static void Encode(char32_t code, std::vector<std::uint8_t>& bytes) {
        if (code < 0x80) {
            bytes.push_back(static_cast<std::uint8_t>(code));
        } else if (code < 0x800) {
            bytes.push_back(static_cast<std::uint8_t>(0xC0 | (code >> 6)));
            bytes.push_back(static_cast<std::uint8_t>(0x80 | (code & 0x3F)));
        } else if (code < 0x10000) {
            bytes.push_back(static_cast<std::uint8_t>(0xE0 | (code >> 12)));
            bytes.push_back(static_cast<std::uint8_t>(0x80 | ((code >> 6) & 0x3F)));
            bytes.push_back(static_cast<std::uint8_t>(0x80 | (code & 0x3F)));
        } else {
            bytes.push_back(static_cast<std::uint8_t>(0xF0 | (code >> 18)));
            bytes.push_back(static_cast<std::uint8_t>(0x80 | ((code >> 12) & 0x3F)));
            bytes.push_back(static_cast<std::uint8_t>(0x80 | ((code >> 6) & 0x3F)));
            bytes.push_back(static_cast<std::uint8_t>(0x80 | (code & 0x3F)));
        }
    }
};

} // namespace

const TEncoding& TEncoding::UTF8() {
    static const Utf8Encoding encoding;
    return encoding;
}

} // namespace zephra::serial

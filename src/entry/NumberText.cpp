#include "entry/NumberText.h"

#include <charconv>
#include <cstdio>
#include <limits>
#include <string>
#include <system_error>

namespace zephra {

namespace {

// The parts of a number found by the scanner; `end` is one past its last
// character. Digit runs are views into the scanned text.
struct ScannedNumber {
    bool negative = false;
    std::string_view integerDigits;
    std::string_view fractionDigits;
    bool exponentNegative = false;
    std::string_view exponentDigits;
    std::size_t end = 0;
};

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view DigitRun(std::string_view text, std::size_t& pos) {
    const std::size_t start = pos;
    while (pos < text.size() && IsDigit(text[pos])) {
        ++pos;
    }
    return text.substr(start, pos - start);
}

// Scans the longest prefix of `text` that is a number of the entry grammar.
// Returns nothing when no prefix is (blanks only, a lone sign, or a first
// character that cannot start a number).
std::optional<ScannedNumber> Scan(std::string_view text) {
    ScannedNumber n;
    std::size_t pos = 0;
    while (pos < text.size() && text[pos] == ' ') {
        ++pos;
    }
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        n.negative = text[pos] == '-';
        ++pos;
    }
    const std::size_t bodyStart = pos;
    n.integerDigits = DigitRun(text, pos);
    if (pos < text.size() && text[pos] == '.') {
        ++pos;
        n.fractionDigits = DigitRun(text, pos);
    }
    if (pos < text.size() && (text[pos] == 'E' || text[pos] == 'e')) {
        std::size_t exponentPos = pos + 1;
        bool exponentNegative = false;
        if (exponentPos < text.size() && (text[exponentPos] == '+' || text[exponentPos] == '-')) {
            exponentNegative = text[exponentPos] == '-';
            ++exponentPos;
        }
        const std::string_view digits = DigitRun(text, exponentPos);
        if (!digits.empty()) {
            n.exponentNegative = exponentNegative;
            n.exponentDigits = digits;
            pos = exponentPos;
        }
    }
    if (pos == bodyStart) {
        return std::nullopt;
    }
    n.end = pos;
    return n;
}

std::string_view WithoutLeadingZeros(std::string_view digits) {
    const std::size_t first = digits.find_first_not_of('0');
    return first == std::string_view::npos ? std::string_view() : digits.substr(first);
}

// The decimal value of the scanned number, correctly rounded to double.
double ValueOf(const ScannedNumber& n) {
    const std::string_view exponent = WithoutLeadingZeros(n.exponentDigits);
    std::string normal;
    normal.reserve(n.integerDigits.size() + n.fractionDigits.size() + exponent.size() + 6);
    if (n.negative) {
        normal += '-';
    }
    normal += n.integerDigits.empty() ? std::string_view("0") : n.integerDigits;
    if (!n.fractionDigits.empty()) {
        normal += '.';
        normal += n.fractionDigits;
    }
    if (!exponent.empty()) {
        normal += n.exponentNegative ? "e-" : "e";
        normal += exponent;
    }
    double value = 0.0;
    const auto result = std::from_chars(normal.data(), normal.data() + normal.size(), value,
                                        std::chars_format::general);
    if (result.ec != std::errc::result_out_of_range) {
        return value;
    }
    // Out of range: the value rounds to infinity or to zero. Which one is
    // decided by the position of the first significant digit.
    const std::string_view integer = WithoutLeadingZeros(n.integerDigits);
    long long magnitude = static_cast<long long>(integer.size());
    if (integer.empty()) {
        const std::size_t first = n.fractionDigits.find_first_not_of('0');
        magnitude = -static_cast<long long>(first);
    }
    // A number without an exponent (or with a zero one) scales by 10^0.
    long long scale = 0;
    const bool hugeExponent = exponent.size() > 15;
    if (!hugeExponent) {
        std::from_chars(exponent.data(), exponent.data() + exponent.size(), scale);
    }
    const bool overflow =
        hugeExponent ? !n.exponentNegative : magnitude + (n.exponentNegative ? -scale : scale) > 0;
    const double magnitudeValue = overflow ? std::numeric_limits<double>::infinity() : 0.0;
    return n.negative ? -magnitudeValue : magnitudeValue;
}

} // namespace

std::optional<double> ParseEntryNumber(std::string_view text) {
    const std::optional<ScannedNumber> n = Scan(text);
    if (!n || n->end != text.size()) {
        return std::nullopt;
    }
    return ValueOf(*n);
}

double ReadStoredNumber(std::string_view text) {
    const std::optional<ScannedNumber> n = Scan(text);
    return n ? ValueOf(*n) : 0.0;
}

std::string MessageNumberText(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.10g", value);
    return text;
}

} // namespace zephra

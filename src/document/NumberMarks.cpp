#include "document/NumberMarks.h"

#include <cctype>

namespace zephra {

namespace {

std::optional<NumberMarks> marksInUse;

bool IsDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

std::size_t DigitsFrom(std::string_view text, std::size_t at) {
    while (at < text.size() && IsDigit(text[at])) {
        ++at;
    }
    return at;
}

} // namespace

NumberMarks LocaleNumberMarks(std::string_view decimal, std::string_view group) {
    NumberMarks marks{std::string(decimal), {}};
    if (!group.empty()) {
        marks.Group =
            decimal == "." && group == "," ? std::string(group) : std::string(NarrowNoBreakSpace);
    }
    return marks;
}

void UseNumberMarks(std::optional<NumberMarks> marks) {
    marksInUse = std::move(marks);
}

const std::optional<NumberMarks>& NumberMarksInUse() {
    return marksInUse;
}

std::string InMarks(std::string_view number, const NumberMarks& marks) {
    const std::size_t start = number.find_first_not_of(' ');
    if (start == std::string_view::npos) {
        return std::string(number);
    }
    const std::size_t end = number.find_last_not_of(' ') + 1;
    const std::size_t wholeStart = number[start] == '-' ? start + 1 : start;
    const std::size_t wholeEnd = DigitsFrom(number, wholeStart);
    std::size_t at = wholeEnd;
    if (at < end && number[at] == '.') {
        at = DigitsFrom(number, at + 1);
    }
    if (at < end && (number[at] == 'e' || number[at] == 'E')) {
        const std::size_t sign = at + 1 < end && (number[at + 1] == '-' || number[at + 1] == '+');
        const std::size_t digits = DigitsFrom(number, at + 1 + sign);
        at = digits > at + 1 + sign ? digits : std::string_view::npos;
    }
    if (wholeEnd == wholeStart || at != end) {
        return std::string(number);
    }
    std::string text(number.substr(0, wholeStart));
    const std::size_t wholeDigits = wholeEnd - wholeStart;
    for (std::size_t i = 0; i < wholeDigits; ++i) {
        if (i > 0 && wholeDigits > 3 && (wholeDigits - i) % 3 == 0) {
            text += marks.Group;
        }
        text += number[wholeStart + i];
    }
    for (std::size_t i = wholeEnd; i < number.size(); ++i) {
        if (number[i] == '.' && i < end) {
            text += marks.Decimal;
        } else {
            text += number[i];
        }
    }
    return text;
}

std::string WithoutMarks(std::string_view shown, const NumberMarks& marks) {
    std::string number;
    for (std::size_t at = 0; at < shown.size();) {
        const std::string_view rest = shown.substr(at);
        if (!marks.Group.empty() && rest.starts_with(marks.Group)) {
            at += marks.Group.size();
        } else if (!marks.Decimal.empty() && rest.starts_with(marks.Decimal)) {
            number += '.';
            at += marks.Decimal.size();
        } else {
            number += shown[at++];
        }
    }
    return InMarks(number, marks) == shown ? number : std::string(shown);
}

std::string ShownNumber(std::string_view number) {
    return marksInUse ? InMarks(number, *marksInUse) : std::string(number);
}

std::string MachineNumber(std::string_view shown) {
    return marksInUse ? WithoutMarks(shown, *marksInUse) : std::string(shown);
}

std::string ShownEntryNumber(std::string_view number) {
    return marksInUse ? InMarks(number, {marksInUse->Decimal, {}}) : std::string(number);
}

} // namespace zephra

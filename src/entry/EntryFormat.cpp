#include "entry/EntryFormat.h"

#include "entry/FixedText.h"
#include "entry/NumberText.h"

#include <optional>

namespace zephra {

namespace {

// Steps shared by all variants: parse, range check and fixed-point text.
// On success returns the text, not yet fitted to its width.
std::optional<std::string> ParseAndPrint(const std::string& S, bool& Error, double& temp, double Hi,
                                         double Lo, int StrLength, int Decimal) {
    Error = false;
    const std::optional<double> value = ParseEntryNumber(S);
    if (!value) {
        Error = true;
        return std::nullopt;
    }
    temp = *value;
    if (temp < Lo || temp > Hi) {
        Error = true;
        return std::nullopt;
    }
    return FixedText(temp, StrLength, Decimal);
}

// Cuts the decimals that do not fit (no second rounding) and turns a then
// trailing point into a leading blank, so the text keeps its width.
void FitToWidth(std::string& text, int StrLength) {
    if (StrLength >= 0 && text.size() > static_cast<std::size_t>(StrLength)) {
        text.resize(static_cast<std::size_t>(StrLength));
    }
    if (!text.empty() && text.back() == '.') {
        text.pop_back();
        text.insert(0, 1, ' ');
    }
}

bool IsBlanks(const std::string& S, std::size_t minCount, std::size_t maxCount) {
    return S.size() >= minCount && S.size() <= maxCount &&
           S.find_first_not_of(' ') == std::string::npos;
}

} // namespace

void Format(std::string& S, bool& Error, double& temp, double Hi, double Lo, int StrLength,
            int Decimal) {
    std::optional<std::string> text = ParseAndPrint(S, Error, temp, Hi, Lo, StrLength, Decimal);
    if (!text) {
        return;
    }
    FitToWidth(*text, StrLength);
    S = std::move(*text);
}

void FormatBlankTolerant(std::string& S, bool& Error, double& temp, double Hi, double Lo,
                         int StrLength, int Decimal) {
    if (IsBlanks(S, 1, 6)) {
        S.clear();
    }
    if (S.empty()) {
        Error = false;
        return;
    }
    Format(S, Error, temp, Hi, Lo, StrLength, Decimal);
}

void FormatSec(std::string& S, bool& Error, double& temp, double Hi, double Lo, int StrLength,
               int Decimal) {
    if (IsBlanks(S, 1, 2)) {
        S.clear();
    }
    if (S.empty()) {
        Error = false;
        return;
    }
    std::optional<std::string> text = ParseAndPrint(S, Error, temp, Hi, Lo, StrLength, Decimal);
    if (!text) {
        return;
    }
    if (text->size() == 2 && (*text)[0] == ' ') {
        (*text)[0] = '0';
    }
    S = std::move(*text);
}

} // namespace zephra

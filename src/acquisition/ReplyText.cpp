#include "acquisition/ReplyText.h"

#include "entry/NumberText.h"

#include <cctype>
#include <cmath>

namespace zephra {

namespace {

bool Blank(char c) {
    return c == ' ' || c == '\t';
}

} // namespace

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && Blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && Blank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string_view TrimLine(std::string_view line) {
    auto lineEnd = [](char c) { return c == '\r' || c == '\n'; };
    while (!line.empty() && lineEnd(line.front()))
        line.remove_prefix(1);
    while (!line.empty() && (lineEnd(line.back()) || Blank(line.back())))
        line.remove_suffix(1);
    return line;
}

std::vector<std::string_view> Words(std::string_view text) {
    std::vector<std::string_view> words;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && Blank(text[i]))
            ++i;
        const std::size_t start = i;
        while (i < text.size() && !Blank(text[i]))
            ++i;
        if (i > start)
            words.push_back(text.substr(start, i - start));
    }
    return words;
}

std::pair<std::string_view, std::string_view> SplitAfterNumber(std::string_view text) {
    auto digit = [&](std::size_t i) {
        return i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]));
    };
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    while (digit(i) || (i < text.size() && text[i] == '.'))
        ++i;
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            ++j;
        if (digit(j)) {
            while (digit(j))
                ++j;
            i = j;
        }
    }
    return {text.substr(0, i), text.substr(i)};
}

std::optional<double> ReadWeightNumber(std::string_view text) {
    text = TrimBlanks(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text = TrimBlanks(text.substr(1));
        // one sign only
        if (!text.empty() && (text.front() == '-' || text.front() == '+'))
            return std::nullopt;
    }
    if (text.empty() ||
        !(std::isdigit(static_cast<unsigned char>(text.front())) || text.front() == '.'))
        return std::nullopt;
    const std::optional<double> value = ParseEntryNumber(text);
    if (!value || !std::isfinite(*value))
        return std::nullopt;
    return negative ? -*value : *value;
}

} // namespace zephra

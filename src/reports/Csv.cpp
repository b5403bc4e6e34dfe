#include "reports/Csv.h"

#include "entry/ControlCharacters.h"

namespace zephra {

namespace {

bool NeedsQuotes(std::string_view field) {
    return field.find_first_of(",\"") != std::string_view::npos || HoldsControlCharacter(field);
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// A decimal number as a spreadsheet reads it: an optional sign, digits with
// an optional point (at least one digit), an optional exponent.
bool IsNumber(std::string_view field) {
    std::size_t i = 0;
    const auto digits = [&] {
        const std::size_t start = i;
        while (i < field.size() && IsDigit(field[i])) {
            ++i;
        }
        return i - start;
    };
    if (i < field.size() && (field[i] == '+' || field[i] == '-')) {
        ++i;
    }
    std::size_t mantissa = digits();
    if (i < field.size() && field[i] == '.') {
        ++i;
        mantissa += digits();
    }
    if (mantissa == 0) {
        return false;
    }
    if (i < field.size() && (field[i] == 'e' || field[i] == 'E')) {
        ++i;
        if (i < field.size() && (field[i] == '+' || field[i] == '-')) {
            ++i;
        }
        if (digits() == 0) {
            return false;
        }
    }
    return i == field.size();
}

// A text a spreadsheet would take for a formula (or, after a tab or CR,
// trim into one) gets a leading single quote, which makes it text there.
std::string Neutralised(const std::string& field) {
    constexpr std::string_view FormulaStarts = "=+-@\t\r";
    if (field.empty() || FormulaStarts.find(field.front()) == std::string_view::npos ||
        IsNumber(field)) {
        return field;
    }
    return "'" + field;
}

} // namespace

std::string CsvRecord(const std::vector<std::string>& fields) {
    std::string out;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) {
            out += ',';
        }
        const std::string field = Neutralised(fields[i]);
        if (!NeedsQuotes(field)) {
            out += field;
            continue;
        }
        out += '"';
        for (const char c : field) {
            out += c;
            if (c == '"') {
                out += '"';
            }
        }
        out += '"';
    }
    out += "\r\n";
    return out;
}

CsvReadResult ReadCsv(std::string_view text) {
    CsvReadResult result;
    int line = 1;
    std::size_t i = 0;
    while (i < text.size()) {
        CsvRow row{line, {}};
        std::string field;
        for (;;) {
            if (i < text.size() && text[i] == '"') {
                const int opened = line;
                ++i;
                for (;;) {
                    if (i >= text.size()) {
                        result.Error = "a quoted field is not closed";
                        result.ErrorLine = opened;
                        return result;
                    }
                    if (text[i] == '"') {
                        if (i + 1 < text.size() && text[i + 1] == '"') {
                            field += '"';
                            i += 2;
                            continue;
                        }
                        ++i;
                        break;
                    }
                    line += text[i] == '\n' ? 1 : 0;
                    field += text[i++];
                }
                if (i < text.size() && text[i] != ',' && text[i] != '\r' && text[i] != '\n') {
                    result.Error = "text after a closing quote";
                    result.ErrorLine = line;
                    return result;
                }
            } else {
                while (i < text.size() && text[i] != ',' && text[i] != '\r' && text[i] != '\n') {
                    field += text[i++];
                }
            }
            row.Fields.push_back(std::move(field));
            field.clear();
            if (i < text.size() && text[i] == ',') {
                ++i;
                continue;
            }
            break;
        }
        if (i < text.size() && text[i] == '\r') {
            ++i;
        }
        if (i < text.size() && text[i] == '\n') {
            ++i;
        }
        ++line;
        result.Rows.push_back(std::move(row));
    }
    return result;
}

} // namespace zephra

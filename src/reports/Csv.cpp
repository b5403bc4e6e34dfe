#include "reports/Csv.h"

namespace zephra {

namespace {

bool NeedsQuotes(std::string_view field) {
    return field.find_first_of(",\"\r\n") != std::string_view::npos;
}

} // namespace

std::string CsvRecord(const std::vector<std::string>& fields) {
    std::string out;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) {
            out += ',';
        }
        const std::string& field = fields[i];
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

#include "entry/DataCsv.h"

#include <vector>

namespace zephra {

namespace {

std::string Trimmed(const std::string& text) {
    const char* blanks = " \t\r";
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

std::vector<std::string> Fields(const std::string& content) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (std::size_t comma; (comma = content.find(',', start)) != std::string::npos;
         start = comma + 1) {
        fields.push_back(Trimmed(content.substr(start, comma - start)));
    }
    fields.push_back(Trimmed(content.substr(start)));
    return fields;
}

} // namespace

std::optional<DataCsvError> ReadDataCsv(std::istream& in, DataForm& form) {
    form.Volume.fill({});
    form.Minutes.fill({});
    form.Seconds.fill({});
    int row = 0;
    int lineNumber = 0;
    for (std::string line; std::getline(in, line);) {
        ++lineNumber;
        const std::string content = Trimmed(line);
        if (content.empty() || content[0] == '#') {
            continue;
        }
        const std::vector<std::string> fields = Fields(content);
        if (fields.size() != 3) {
            return DataCsvError{lineNumber, "expected VOLUME,MINUTES,SECONDS"};
        }
        if (row == DataPointCount) {
            return DataCsvError{lineNumber,
                                "more than " + std::to_string(DataPointCount) + " points"};
        }
        form.Volume[row] = fields[0];
        form.Minutes[row] = fields[1];
        form.Seconds[row] = fields[2];
        ++row;
    }
    return std::nullopt;
}

} // namespace zephra

#include "document/ProgramConf.h"

#include "document/TextCatalog.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace zephra {

namespace {

std::string UnreadableLineText(const std::string& path, const IniBadLine& line) {
    if (line.section.empty()) {
        return FilledIn(CoreText("ProgramConf", "%1, line %2, is not a section, a \"key = value\" "
                                                "line or a comment; it is ignored."),
                        {path, std::to_string(line.number)});
    }
    return FilledIn(CoreText("ProgramConf", "%1, line %2, is not a \"key = value\" line or a "
                                            "comment; every setting of [%3] is taken at its "
                                            "default."),
                    {path, std::to_string(line.number), line.section});
}

} // namespace

std::string ProgramSettingsFolder() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    std::string folder;
    if (config != nullptr && config[0] != '\0') {
        folder = config;
    } else {
        const char* home = std::getenv("HOME");
        folder = std::string(home != nullptr ? home : "") + "/.config";
    }
    return folder + "/zephra/";
}

std::string ProgramConfPath() {
    return ProgramSettingsFolder() + "zephra.conf";
}

ProgramConf ProgramConf::Read(const std::string& path) {
    ProgramConf conf;
    conf.path_ = path;
    conf.read_ = ReadIniFile(path);
    return conf;
}

int ProgramConf::Error() const {
    return read_.error == ENOENT ? 0 : read_.error;
}

std::optional<std::string> ProgramConf::Value(const std::string& section,
                                              const std::string& key) const {
    if (SectionUnreadable(section)) {
        return std::nullopt;
    }
    return read_.file.Value(section, key);
}

bool ProgramConf::SectionUnreadable(const std::string& section) const {
    return !read_.BadLinesIn(section).empty();
}

std::vector<std::string> ProgramConf::Problems() const {
    std::vector<std::string> texts;
    if (const int error = Error()) {
        texts.push_back(FilledIn(CoreText("ProgramConf", "%1 could not be read (%2); every "
                                                         "setting in it is taken at its default."),
                                 {path_, std::strerror(error)}));
    }
    for (const IniBadLine& line : read_.badLines) {
        texts.push_back(UnreadableLineText(path_, line));
    }
    return texts;
}

std::vector<std::string> ProgramConf::ProblemsIn(const std::string& section) const {
    std::vector<std::string> texts;
    for (const IniBadLine& line : read_.BadLinesIn(section)) {
        texts.push_back(UnreadableLineText(path_, line));
    }
    return texts;
}

ProgramConfWrite WriteProgramConf(const std::string& path, const std::string& section,
                                  const std::vector<std::pair<std::string, std::string>>& entries) {
    IniReadResult read = ReadIniFile(path);
    // Only a file that is there is kept from being written over; where no
    // file can be (a file in place of a folder), the write says why.
    if (read.error != 0 && read.error != ENOENT && read.error != ENOTDIR) {
        return {read.error, true};
    }
    for (const auto& [key, value] : entries) {
        read.file.Set(section, key, value);
    }
    return {WriteIniFile(path, read.file), false};
}

std::optional<double> SettingNumber(const std::string& text) {
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [last, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || last != end || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::string OneMessage(const std::vector<std::string>& texts) {
    std::string message;
    for (const std::string& text : texts) {
        message += (message.empty() ? "" : "\n") + text;
    }
    return message;
}

} // namespace zephra

#include "document/IniFile.h"

#include "document/AtomicFile.h"
#include "document/RegularFile.h"

#include <ini.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <filesystem>
#include <iterator>
#include <string_view>
#include <system_error>
#include <unistd.h>

namespace zephra {

namespace {

bool SameName(const std::string& a, const std::string& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
        return lower(x) == lower(y);
    });
}

// Longest file read: a settings file is a few hundred bytes.
constexpr std::size_t MaxIniFileBytes = 1 << 20;

int ReadWholeFile(const std::string& path, std::string& text) {
    int error = 0;
    const FileDescriptor file = OpenRegularFile(path, error);
    if (error != 0)
        return error;
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(file.get(), buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return errno;
        if (n == 0)
            return 0;
        text.append(buffer, static_cast<std::size_t>(n));
        if (text.size() > MaxIniFileBytes)
            return EFBIG;
    }
}

bool HasBlankEnds(const std::string& text) {
    return !text.empty() && (std::isspace(static_cast<unsigned char>(text.front())) ||
                             std::isspace(static_cast<unsigned char>(text.back())));
}

bool OneLine(const std::string& text) {
    return text.find_first_of("\r\n") == std::string::npos && text.find('\0') == std::string::npos;
}

bool WritableSection(const std::string& name) {
    return !name.empty() && OneLine(name) && !HasBlankEnds(name) &&
           name.find(']') == std::string::npos;
}

bool WritableKey(const std::string& key) {
    return !key.empty() && OneLine(key) && !HasBlankEnds(key) &&
           key.find_first_of("=:;#[") == std::string::npos;
}

bool WritableValue(const std::string& value) {
    return OneLine(value) && !HasBlankEnds(value) && value.find(" ;") == std::string::npos &&
           value.find("\t;") == std::string::npos;
}

bool Blank(char c) {
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

// `line` without blanks at either end, and on the first line without the
// byte order mark the library skips there.
std::string_view Trimmed(std::string_view line, bool first) {
    if (first && line.starts_with("\xEF\xBB\xBF"))
        line.remove_prefix(3);
    while (!line.empty() && Blank(line.front()))
        line.remove_prefix(1);
    while (!line.empty() && Blank(line.back()))
        line.remove_suffix(1);
    return line;
}

// The name a "[name]" line gives its section, as the library reads it: up to
// the first "]", which no inline comment may come before.
std::optional<std::string> HeaderName(std::string_view line) {
    if (!line.starts_with('['))
        return std::nullopt;
    for (std::size_t i = 1; i < line.size(); ++i) {
        if (line[i] == ']')
            return std::string(line.substr(1, i - 1));
        if (line[i] == ';' && i > 1 && Blank(line[i - 1]))
            return std::nullopt;
    }
    return std::nullopt;
}

// The inline comment of a "key = value" line (from the blank before its ";"
// on) and its carriage return, which a new value keeps.
std::string LineEnd(const std::string& line) {
    const std::size_t equals = line.find_first_of("=:");
    std::string end = !line.empty() && line.back() == '\r' ? "\r" : "";
    const std::string_view body(line.data(), line.size() - end.size());
    for (std::size_t i = equals == std::string::npos ? 0 : equals + 1; i + 1 < body.size(); ++i) {
        if (Blank(body[i]) && body[i + 1] == ';') {
            std::size_t from = i;
            while (from > equals + 1 && Blank(body[from - 1]))
                --from;
            return std::string(body.substr(from)) + end;
        }
    }
    return end;
}

} // namespace

// Hands the INI library one line at a time, so that each key it reads is
// known by its line, and sorts the lines it reads no key from.
struct IniParser {
    std::vector<std::string_view> lines;
    std::size_t next = 0;
    std::vector<bool> tooLong;
    IniReadResult* result = nullptr;

    static char* Reader(char* buffer, int size, void* user) {
        auto* self = static_cast<IniParser*>(user);
        if (self->next == self->lines.size())
            return nullptr;
        std::string_view line = self->lines[self->next];
        // Without its indent: the library would take an indented line for
        // the continuation of the value above it.
        while (!line.empty() && (line.front() == ' ' || line.front() == '\t'))
            line.remove_prefix(1);
        // A line longer than the library reads at once is not cut in two.
        if (line.size() >= static_cast<std::size_t>(size)) {
            self->tooLong[self->next] = true;
            line = {};
        }
        line.copy(buffer, line.size());
        buffer[line.size()] = '\0';
        ++self->next;
        return buffer;
    }

    static int Handler(void* user, const char* section, const char* name, const char* value) {
        auto* self = static_cast<IniParser*>(user);
        IniFile& file = self->result->file;
        file.Remember(section, name, value);
        IniFile::Line& line = file.lines_[self->next - 1];
        line.key = name;
        line.section = section;
        line.entry = true;
        return 1;
    }

    void Parse(const std::string& text) {
        // The library reads up to a NUL; bytes after one are not INI text.
        const std::string_view read(text.c_str());
        IniFile& file = result->file;
        for (std::size_t from = 0; from < read.size();) {
            const std::size_t end = std::min(read.find('\n', from), read.size());
            lines.push_back(read.substr(from, end - from));
            file.lines_.push_back({std::string(lines.back()), {}, {}});
            from = end + 1;
        }
        file.lastLineUnterminated_ = !read.empty() && read.back() != '\n';
        tooLong.assign(lines.size(), false);
        if (ini_parse_stream(&Reader, this, &Handler, this) < 0) {
            result->error = ENOMEM;
            return;
        }
        std::string section;
        for (std::size_t i = 0; i < file.lines_.size(); ++i) {
            IniFile::Line& line = file.lines_[i];
            if (line.entry) {
                section = line.section;
                continue;
            }
            const std::string_view body = Trimmed(line.text, i == 0);
            if (tooLong[i]) {
                result->badLines.push_back({static_cast<int>(i) + 1, section});
            } else if (const std::optional<std::string> name = HeaderName(body)) {
                section = *name;
                line.section = section;
                line.header = true;
            } else if (!body.empty() && body.front() != ';' && body.front() != '#') {
                result->badLines.push_back({static_cast<int>(i) + 1, section});
            }
            line.section = section;
        }
    }
};

std::optional<std::string> IniFile::Value(const std::string& section,
                                          const std::string& key) const {
    for (const Section& s : sections_) {
        if (!SameName(s.name, section))
            continue;
        for (const auto& [name, value] : s.entries) {
            if (SameName(name, key))
                return value;
        }
    }
    return std::nullopt;
}

void IniFile::Remember(const std::string& section, const std::string& key,
                       const std::string& value) {
    auto s = std::find_if(sections_.begin(), sections_.end(), [&](const Section& candidate) {
        return SameName(candidate.name, section);
    });
    if (s == sections_.end()) {
        sections_.push_back({section, {}});
        s = std::prev(sections_.end());
    }
    for (auto& [name, stored] : s->entries) {
        if (SameName(name, key)) {
            stored = value;
            return;
        }
    }
    s->entries.emplace_back(key, value);
}

void IniFile::Set(const std::string& section, const std::string& key, const std::string& value) {
    if (!WritableSection(section) || !WritableKey(key) || !WritableValue(value))
        unwritable_ = true;
    const bool unchanged = Value(section, key) == value;
    Remember(section, key, value);
    const auto inSection = [&](const Line& line) { return SameName(line.section, section); };
    // The last line of the key is the one that counts.
    const auto keyLine = std::find_if(lines_.rbegin(), lines_.rend(), [&](const Line& line) {
        return line.entry && inSection(line) && SameName(line.key, key);
    });
    if (keyLine != lines_.rend()) {
        if (!unchanged)
            keyLine->text = keyLine->key + " = " + value + LineEnd(keyLine->text);
        return;
    }
    Line added{key + " = " + value, section, key, true, false};
    const auto last = std::find_if(lines_.rbegin(), lines_.rend(), [&](const Line& line) {
        return (line.entry || line.header) && inSection(line);
    });
    if (last != lines_.rend()) {
        if (last == lines_.rbegin())
            lastLineUnterminated_ = false;
        lines_.insert(last.base(), std::move(added));
        return;
    }
    if (!lines_.empty() && !Trimmed(lines_.back().text, lines_.size() == 1).empty())
        lines_.push_back({"", lines_.back().section, {}});
    lines_.push_back({"[" + section + "]", section, {}, false, true});
    lines_.push_back(std::move(added));
    lastLineUnterminated_ = false;
}

std::vector<IniBadLine> IniReadResult::BadLinesIn(const std::string& section) const {
    std::vector<IniBadLine> lines;
    std::copy_if(badLines.begin(), badLines.end(), std::back_inserter(lines),
                 [&](const IniBadLine& line) { return SameName(line.section, section); });
    return lines;
}

IniReadResult ParseIniText(const std::string& text) {
    IniReadResult result;
    IniParser parser;
    parser.result = &result;
    parser.Parse(text);
    return result;
}

IniReadResult ReadIniFile(const std::string& path) {
    std::string text;
    if (const int error = ReadWholeFile(path, text)) {
        IniReadResult failed;
        failed.error = error;
        return failed;
    }
    return ParseIniText(text);
}

std::optional<std::string> IniText(const IniFile& file) {
    if (file.unwritable_)
        return std::nullopt;
    std::string text;
    for (const IniFile::Line& line : file.lines_)
        text += line.text + '\n';
    if (file.lastLineUnterminated_)
        text.pop_back();
    return text;
}

int WriteIniFile(const std::string& path, const IniFile& file) {
    const std::optional<std::string> text = IniText(file);
    if (!text)
        return EINVAL;
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    std::error_code folderError;
    if (!folder.empty())
        std::filesystem::create_directories(folder, folderError);
    if (folderError)
        return folderError.value();
    return WriteFileAtomically(path, text->data(), text->size());
}

} // namespace zephra

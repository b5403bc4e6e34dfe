#include "document/IniFile.h"

#include "document/AtomicFile.h"

#include <ini.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
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
    // Non-blocking, so that a named pipe at the path cannot hold the caller.
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (file.get() < 0)
        return errno;
    struct stat st {};
    if (::fstat(file.get(), &st) != 0)
        return errno;
    if (!S_ISREG(st.st_mode))
        return S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
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

// `text` without the blanks at the start of its lines: the library would
// take an indented line for the continuation of the value above it.
std::string WithoutIndents(const std::string& text) {
    std::string flush;
    flush.reserve(text.size());
    bool lineStart = true;
    for (char c : text) {
        if (lineStart && (c == ' ' || c == '\t'))
            continue;
        lineStart = c == '\n';
        flush += c;
    }
    return flush;
}

} // namespace

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

void IniFile::Set(const std::string& section, const std::string& key, const std::string& value) {
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

IniReadResult ParseIniText(const std::string& text) {
    IniReadResult result;
    // The parser reads up to a NUL; bytes after one are not INI text.
    const int status = ini_parse_string(
        WithoutIndents(text).c_str(),
        [](void* user, const char* section, const char* name, const char* value) -> int {
            static_cast<IniFile*>(user)->Set(section, name, value);
            return 1;
        },
        &result.file);
    if (status < 0)
        result.error = ENOMEM;
    else
        result.badLine = status;
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
    std::string text;
    for (const IniFile::Section& section : file.Sections()) {
        if (!WritableSection(section.name))
            return std::nullopt;
        if (!text.empty())
            text += '\n';
        text += "[" + section.name + "]\n";
        for (const auto& [key, value] : section.entries) {
            if (!WritableKey(key) || !WritableValue(value))
                return std::nullopt;
            text += key + " = " + value + "\n";
        }
    }
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

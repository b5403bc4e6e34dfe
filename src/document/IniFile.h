#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace zephra {

// A small INI file: named sections of "key = value" lines, in the order they
// were read or set. Section and key names compare without regard to ASCII
// case. Comments (lines starting with ";" or "#", and from " ;" on in a
// value) are not kept; blanks at the start of a line are ignored, so there
// are no continuation lines.
class IniFile {
public:
    struct Section {
        std::string name;
        std::vector<std::pair<std::string, std::string>> entries;
    };

    // The value of `key` in `section`; nothing when either is missing.
    std::optional<std::string> Value(const std::string& section, const std::string& key) const;
    // Sets `key` in `section`, adding the section or the key at the end
    // when missing.
    void Set(const std::string& section, const std::string& key, const std::string& value);
    const std::vector<Section>& Sections() const { return sections_; }

private:
    std::vector<Section> sections_;
};

// What reading an INI file gave: `error` is 0 or the errno of a failed open
// or read (ENOENT for a missing file; only a regular file is read: a folder
// gives EISDIR, anything else EINVAL); `badLine` is the number of the first
// line that is neither a section, a "key = value" line, a comment nor blank
// (0 when every line is). The lines around a bad one are still read.
struct IniReadResult {
    IniFile file;
    int error = 0;
    int badLine = 0;
};

// Reads the INI file at `path`; a later duplicate of a key wins.
IniReadResult ReadIniFile(const std::string& path);

// Parses INI text as ReadIniFile parses a file's bytes.
IniReadResult ParseIniText(const std::string& text);

// The file's text: each section as "[name]" followed by its "key = value"
// lines, sections separated by a blank line. Nothing when a name or value
// would not read back the same (a line break anywhere, a section name with
// "]", a key that is empty or holds "=", ":" or a comment character, a name
// or value with blanks at either end, a value holding " ;").
std::optional<std::string> IniText(const IniFile& file);

// Writes `file` to `path` atomically (see WriteFileAtomically), creating the
// folder when missing. Returns 0 or the errno of the failure; EINVAL when
// the file has no text (see IniText).
int WriteIniFile(const std::string& path, const IniFile& file);

} // namespace zephra

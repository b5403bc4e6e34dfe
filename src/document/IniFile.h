#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace zephra {

// A small INI file: named sections of "key = value" lines, in the order they
// were read or set. Section and key names compare without regard to ASCII
// case. Comments (lines starting with ";" or "#", and from " ;" on in a
// value) are not values; blanks at the start of a line are ignored, so there
// are no continuation lines.
//
// A file read from text keeps every line as it was: Set rewrites only the
// line of the key it sets, or adds a line at the end of the key's section
// (a new section at the end of the file), so comments, unknown keys and
// sections and lines that cannot be read are written back byte for byte.
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
    friend struct IniParser;
    friend std::optional<std::string> IniText(const IniFile& file);

    // A line of the file, without its line break.
    struct Line {
        std::string text;
        // The section the line is in; for a "[name]" line, that section.
        std::string section;
        // The key a "key = value" line sets.
        std::string key;
        bool entry = false;
        bool header = false;
    };

    void Remember(const std::string& section, const std::string& key, const std::string& value);

    std::vector<Section> sections_;
    std::vector<Line> lines_;
    bool lastLineUnterminated_ = false;
    // A name or value was set that would not read back the same.
    bool unwritable_ = false;
};

// A line of an INI file that is neither a section, a "key = value" line, a
// comment nor blank: its number (from 1) and the section it stands in
// (empty before the first section).
struct IniBadLine {
    int number = 0;
    std::string section;
};

// What reading an INI file gave: `error` is 0 or the errno of a failed open
// or read (ENOENT for a missing file; only a regular file is read: a folder
// gives EISDIR, anything else EINVAL); `badLines` are the lines that could
// not be read, in order. The lines around a bad one are still read.
struct IniReadResult {
    IniFile file;
    int error = 0;
    std::vector<IniBadLine> badLines;

    // The lines of `section` (compared without regard to case) that could
    // not be read.
    std::vector<IniBadLine> BadLinesIn(const std::string& section) const;
};

// Reads the INI file at `path`; a later duplicate of a key wins.
IniReadResult ReadIniFile(const std::string& path);

// Parses INI text as ReadIniFile parses a file's bytes.
IniReadResult ParseIniText(const std::string& text);

// The file's text: the lines read, with the keys set since. A file built
// without reading has each section as "[name]" followed by its "key = value"
// lines, sections separated by a blank line. Nothing when a name or value
// set would not read back the same (a line break anywhere, a section name
// with "]", a key that is empty or holds "=", ":" or a comment character, a
// name or value with blanks at either end, a value holding " ;").
std::optional<std::string> IniText(const IniFile& file);

// Writes `file` to `path` atomically (see WriteFileAtomically), creating the
// folder when missing. Returns 0 or the errno of the failure; EINVAL when
// the file has no text (see IniText).
int WriteIniFile(const std::string& path, const IniFile& file);

} // namespace zephra

#pragma once

// The program's own settings file, zephra.conf, in the folder of the settings
// file (zephra.dat). Each part of the program keeps a section of its own:
//
//   [language]  code                                document/LanguageSetting.h
//   [Units]     System, MetricFlow                  app/ProgramSettings.h
//   [bands]     very_good, good, poor               analysis/IndexBands.h
//   [lab]       terminal_flux_share, safety_factor  analysis/LabSettings.h
//
// This is the only code that reads or writes it, through IniFile; each part
// asks it for its section. A section with a line that cannot be read is
// taken at its defaults as a whole, and the line is reported. A write keeps
// every other byte of the file (comments, unknown keys and sections, lines
// that cannot be read), and a file that is there but cannot be read is never
// written over.

#include "document/IniFile.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace zephra {

// The folder of the program's settings files, with a final "/":
// $XDG_CONFIG_HOME/zephra/, or ~/.config/zephra/ when XDG_CONFIG_HOME is
// unset or empty.
std::string ProgramSettingsFolder();

// Where zephra.conf lives: ProgramSettingsFolder() + "zephra.conf".
std::string ProgramConfPath();

class ProgramConf {
public:
    // No file: every section at its defaults.
    ProgramConf() = default;

    // The file at `path` as it is now.
    static ProgramConf Read(const std::string& path);

    const std::string& Path() const { return path_; }

    // 0 when the file was read or is not there, else the errno of the
    // failed read.
    int Error() const;

    // The value of `key` in `section`; nothing when the key is missing, a
    // line of the section cannot be read or the file could not be read.
    std::optional<std::string> Value(const std::string& section, const std::string& key) const;

    // Whether `section` is taken at its defaults because one of its lines
    // cannot be read.
    bool SectionUnreadable(const std::string& section) const;

    // What the user is told about the file, one text each, in the language
    // of the core's catalog: why it could not be read, and each line that
    // cannot be read with what follows from it. Empty when all is well.
    std::vector<std::string> Problems() const;

    // The texts of Problems() about the lines of `section`.
    std::vector<std::string> ProblemsIn(const std::string& section) const;

private:
    std::string path_;
    IniReadResult read_;
};

// What became of a write: `Error` is 0 or the errno of the failure;
// `NotRead` says the file is there but could not be read (the errno of that
// read), so it was left as it is.
struct ProgramConfWrite {
    int Error = 0;
    bool NotRead = false;
};

// Sets `entries` (key, value) in `section` of the file at `path` as it is
// now, keeping every other byte, and writes it atomically (the folder is made
// when missing).
ProgramConfWrite WriteProgramConf(const std::string& path, const std::string& section,
                                  const std::vector<std::pair<std::string, std::string>>& entries);

// A setting's whole text as a finite number; nothing for anything else.
std::optional<double> SettingNumber(const std::string& text);

// All `texts` on one line each, for one message.
std::string OneMessage(const std::vector<std::string>& texts);

} // namespace zephra

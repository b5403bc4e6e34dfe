#include "document/LanguageSetting.h"

#include "document/IniFile.h"
#include "document/Language.h"

namespace zephra {

namespace {

const std::string Section = "language";
const std::string Key = "code";

} // namespace

std::string ReadLanguageSetting(const std::string& path) {
    const IniReadResult ini = ReadIniFile(path);
    const std::string code = ini.file.Value(Section, Key).value_or(std::string());
    return SpokenLanguage(code) == code ? code : std::string();
}

int WriteLanguageSetting(const std::string& path, const std::string& code) {
    IniReadResult ini = ReadIniFile(path);
    ini.file.Set(Section, Key, code);
    return WriteIniFile(path, ini.file);
}

} // namespace zephra

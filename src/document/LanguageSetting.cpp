#include "document/LanguageSetting.h"

#include "document/Language.h"

namespace zephra {

namespace {

const std::string Section = "language";
const std::string Key = "code";

} // namespace

std::string LanguageSettingIn(const ProgramConf& conf) {
    const std::string code = conf.Value(Section, Key).value_or(std::string());
    return SpokenLanguage(code) == code ? code : std::string();
}

ProgramConfWrite WriteLanguageSetting(const std::string& path, const std::string& code) {
    return WriteProgramConf(path, Section, {{Key, code}});
}

} // namespace zephra

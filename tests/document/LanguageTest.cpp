// The program's languages: which one the system asks for, and the choice of
// View → Language kept in zephra.conf.

#include "document/Language.h"
#include "document/IniFile.h"
#include "document/LanguageSetting.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <fstream>
#include <map>

using namespace zephra;

namespace {

struct SystemCase {
    std::map<std::string, std::string> variables;
    std::string expected;
};

TEST(LanguageTest, SystemLanguageReadsTheVariablesAsGettextDoes) {
    const SystemCase cases[] = {
        {{}, "en"},
        {{{"LANG", "fr_FR.UTF-8"}}, "fr"},
        {{{"LANG", "it_IT.UTF-8"}}, "it"},
        {{{"LANG", "pt_BR.UTF-8"}}, "pt"},
        {{{"LANG", "de_AT@euro"}}, "de"},
        {{{"LANG", "es"}}, "es"},
        {{{"LANG", "ja_JP.UTF-8"}}, "en"},
        {{{"LANG", "C.UTF-8"}}, "en"},
        // LC_ALL wins over LC_MESSAGES, which wins over LANG.
        {{{"LANG", "fr_FR.UTF-8"}, {"LC_MESSAGES", "de_DE.UTF-8"}}, "de"},
        {{{"LANG", "fr_FR.UTF-8"}, {"LC_MESSAGES", "de_DE.UTF-8"}, {"LC_ALL", "es_ES.UTF-8"}},
         "es"},
        // An empty variable does not count.
        {{{"LANG", "it_IT.UTF-8"}, {"LC_ALL", ""}}, "it"},
        // LANGUAGE comes first: its first language the program speaks wins.
        {{{"LANG", "fr_FR.UTF-8"}, {"LANGUAGE", "sv:pt_PT:de"}}, "pt"},
        {{{"LANG", "fr_FR.UTF-8"}, {"LANGUAGE", "sv"}}, "fr"},
        {{{"LANG", "fr_FR.UTF-8"}, {"LANGUAGE", ""}}, "fr"},
        // ... but not in the C locale, where messages stay untranslated.
        {{{"LANG", "C"}, {"LANGUAGE", "fr"}}, "en"},
        {{{"LC_ALL", "POSIX"}, {"LANGUAGE", "fr"}}, "en"},
        {{{"LANGUAGE", "fr"}}, "en"},
    };
    for (const SystemCase& c : cases) {
        const auto variable = [&c](const char* name) -> const char* {
            const auto found = c.variables.find(name);
            return found == c.variables.end() ? nullptr : found->second.c_str();
        };
        std::string shown;
        for (const auto& [name, value] : c.variables)
            shown += name + "=" + value + " ";
        EXPECT_EQ(SystemLanguage(variable), c.expected) << shown;
    }
}

TEST(LanguageTest, SpeaksEnglishFirstThenTheFiveOthers) {
    std::string codes;
    for (const Language& language : Languages())
        codes += language.Code + " ";
    EXPECT_EQ(codes, "en fr it es de pt ");
}

TEST(LanguageSettingTest, KeepsTheChoiceBesideTheOtherSections) {
    const test::TempFolder folder;
    const std::string path = folder.file("zephra.conf");
    std::ofstream(path) << "[Units]\nSystem = metric\n";

    EXPECT_EQ(WriteLanguageSetting(path, "it"), 0);
    EXPECT_EQ(ReadLanguageSetting(path), "it");
    EXPECT_EQ(ReadIniFile(path).file.Value("Units", "System"), "metric");

    EXPECT_EQ(WriteLanguageSetting(path, ""), 0);
    EXPECT_EQ(ReadLanguageSetting(path), "");
    EXPECT_EQ(ReadIniFile(path).file.Value("Units", "System"), "metric");
}

TEST(LanguageSettingTest, FollowsTheSystemWithoutAUsableChoice) {
    const test::TempFolder folder;
    EXPECT_EQ(ReadLanguageSetting(folder.file("missing.conf")), "");
    const std::pair<const char*, const char*> files[] = {
        {"unknown.conf", "[language]\ncode = sv\n"},
        {"locale.conf", "[language]\ncode = fr_FR\n"},
        {"bad.conf", "[language\ncode = fr\n"},
    };
    for (const auto& [name, text] : files) {
        std::ofstream(folder.file(name)) << text;
        EXPECT_EQ(ReadLanguageSetting(folder.file(name)), "") << name;
    }
}

TEST(LanguageSettingTest, ReportsAFailedWrite) {
    const test::TempFolder folder;
    std::ofstream(folder.file("plain")) << "not a folder";
    EXPECT_EQ(WriteLanguageSetting(folder.file("plain/zephra.conf"), "fr"), ENOTDIR);
}

} // namespace

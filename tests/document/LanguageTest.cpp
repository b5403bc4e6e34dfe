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

std::string ReadText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

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

    EXPECT_EQ(WriteLanguageSetting(path, "it").Error, 0);
    EXPECT_EQ(LanguageSettingIn(ProgramConf::Read(path)), "it");
    EXPECT_EQ(ReadIniFile(path).file.Value("Units", "System"), "metric");

    EXPECT_EQ(WriteLanguageSetting(path, "").Error, 0);
    EXPECT_EQ(LanguageSettingIn(ProgramConf::Read(path)), "");
    EXPECT_EQ(ReadIniFile(path).file.Value("Units", "System"), "metric");
}

TEST(LanguageSettingTest, FollowsTheSystemWithoutAUsableChoice) {
    const test::TempFolder folder;
    EXPECT_EQ(LanguageSettingIn(ProgramConf::Read(folder.file("missing.conf"))), "");
    const std::pair<const char*, const char*> files[] = {
        {"unknown.conf", "[language]\ncode = sv\n"},
        {"locale.conf", "[language]\ncode = fr_FR\n"},
        {"bad.conf", "[language\ncode = fr\n"},
        {"mistyped.conf", "[language]\ncode = fr\ncode it\n"}, // the section falls back
    };
    for (const auto& [name, text] : files) {
        std::ofstream(folder.file(name)) << text;
        EXPECT_EQ(LanguageSettingIn(ProgramConf::Read(folder.file(name))), "") << name;
    }
}

// Choosing a language keeps every other byte of the file: comments, lines
// that cannot be read and other sections.
TEST(LanguageSettingTest, KeepsCommentsAndUnreadableLines) {
    const test::TempFolder folder;
    const std::string path = folder.file("zephra.conf");
    const std::string text = "; the lab's limits\n"
                             "[bands]\n"
                             "good = 40 ; since the new membranes\n"
                             "poor 90\n"
                             "\n"
                             "[Units]\n"
                             "System = metric\n";
    std::ofstream(path) << text;
    EXPECT_EQ(WriteLanguageSetting(path, "it").Error, 0);
    EXPECT_EQ(ReadText(path), text + "\n[language]\ncode = it\n");
}

// A file that is there but cannot be read is never written over: a file
// too long to be settings (the reader refuses it whoever runs the test,
// where a file of mode 0200 is still readable by root).
TEST(LanguageSettingTest, NeverWritesOverAFileItCouldNotRead) {
    const test::TempFolder folder;
    const std::string path = folder.file("zephra.conf");
    const std::string text = "[bands]\ngood = 40\n; " + std::string(1 << 20, 'x') + "\n";
    std::ofstream(path) << text;
    const ProgramConfWrite write = WriteLanguageSetting(path, "it");
    EXPECT_EQ(write.Error, EFBIG);
    EXPECT_TRUE(write.NotRead);
    EXPECT_TRUE(ReadText(path) == text);
}

TEST(LanguageSettingTest, ReportsAFailedWrite) {
    const test::TempFolder folder;
    std::ofstream(folder.file("plain")) << "not a folder";
    const ProgramConfWrite write = WriteLanguageSetting(folder.file("plain/zephra.conf"), "fr");
    EXPECT_EQ(write.Error, ENOTDIR);
    EXPECT_FALSE(write.NotRead);
}

} // namespace

#include "app/ini_file.h"

#include <gtest/gtest.h>

#include <string>

namespace glyphora {
namespace {

using namespace std::string_literals;
using Entries = std::vector<std::pair<std::string, std::string>>;

TEST(IniFile, SerializeGivesBackEveryByteThatWasParsed) {
    const std::string texts[] = {
        "",
        "\n",
        "[a]\r\nk=v\nx\r\n",         // mixed line ends
        "[a]\nk=v",                  // no final line end
        "k=v\r",                     // a lone CR at the very end
        "a\rb=c\n",                  // a lone CR inside a line
        "[a]\0\nk=\0v\n"s,           // NUL bytes
        "[\xFF\xFE]\nk=\xC3\x28\n",  // invalid UTF-8
        "\n\n\r\n;c\n#c\n [ s ] tail\n  k  =  v  \n",
    };
    for (const std::string& text : texts) EXPECT_EQ(IniFile::Parse(text).Serialize(), text);
}

TEST(IniFile, GetMatchesNamesWithoutCaseAndBlanksInTheFirstSectionOfAName) {
    const IniFile ini = IniFile::Parse(
        "top=before any section\n[FWMAIN]\nLVFONT = DejaVu Sans \n  obFormat\t=3\nkey=a=b=c\n"
        ";lvRange=9\nnoequals\n[ Other ]\nlvFont=Other\n[broken\nb=1\n[fwmain]\nlate=1\n");
    const struct {
        const char *section, *key;
        std::optional<std::string> value;
    } cases[] = {
        {"fwMain", "lvFont", "DejaVu Sans"},
        {"fwmain", "OBFORMAT", "3"},
        {"fwMain", "key", "a=b=c"},  // the first "=" separates
        {"other", "lvFont", "Other"},
        {"other", "b", "1"},  // a bracket without its close opens no section
        {"fwMain", "lvRange", std::nullopt},
        {"fwMain", ";lvRange", std::nullopt},
        {"fwMain", "noequals", std::nullopt},
        {"fwMain", "late", std::nullopt},  // only the first section of a name counts
        {"missing", "lvFont", std::nullopt},
        {"", "top", std::nullopt},  // lines before any section belong to none
    };
    for (const auto& c : cases) EXPECT_EQ(ini.Get(c.section, c.key), c.value) << c.key;
    EXPECT_FALSE(ini.HasSection("broken"));
}

TEST(IniFile, SetChangesOnlyTheValueOrAddsAfterTheSectionsLastKey) {
    IniFile ini = IniFile::Parse(
        "; settings\r\n[fwMain]\r\nLVFONT = Old Font\r\njunk "
        "line\r\n\r\n[Other]\r\nlvFont=keep\r\n");
    ASSERT_TRUE(ini.Set("fwmain", "lvFont", "New"));
    EXPECT_EQ(
        ini.Serialize(),
        "; settings\r\n[fwMain]\r\nLVFONT =New\r\njunk line\r\n\r\n[Other]\r\nlvFont=keep\r\n");

    ini = IniFile::Parse("[a]\nx=1\n; note\n\n[b]\ny=2\n");
    ASSERT_TRUE(ini.Set("A", "z", "3"));
    EXPECT_EQ(ini.Serialize(), "[a]\nx=1\nz=3\n; note\n\n[b]\ny=2\n");
    ini = IniFile::Parse("[a]\n[b]\n");
    ASSERT_TRUE(ini.Set("a", "k", "v"));
    EXPECT_EQ(ini.Serialize(), "[a]\nk=v\n[b]\n");
}

TEST(IniFile, SetAppendsAMissingSectionWithTheFilesLineEnd) {
    struct Case {
        const char *before, *after;
    } cases[] = {
        {"", "[new]\nk=v\n"},  // a new file takes LF
        {"[a]\r\nx=1\r\n", "[a]\r\nx=1\r\n[new]\r\nk=v\r\n"},
        {"[a]\r\nx=1", "[a]\r\nx=1\r\n[new]\r\nk=v\r\n"},            // the last line gets its end
        {"[a]\nx=1\r\ny=2\r\n", "[a]\nx=1\r\ny=2\r\n[new]\nk=v\n"},  // the first line decides
        {"[a]", "[a]\n[new]\nk=v\n"},
    };
    for (const auto& c : cases) {
        IniFile ini = IniFile::Parse(c.before);
        ASSERT_TRUE(ini.Set("new", "k", "v"));
        EXPECT_EQ(ini.Serialize(), c.after) << c.before;
    }
    IniFile last_header = IniFile::Parse("[a]");
    ASSERT_TRUE(last_header.Set("a", "k", "v"));
    EXPECT_EQ(last_header.Serialize(), "[a]\nk=v\n");
}

TEST(IniFile, SetRefusesWhatTheLayoutCannotHold) {
    const char* const text = "[s]\nk=v\n";
    struct Case {
        std::string section, key, value;
    } cases[] = {
        {"s", "k", "two\nlines"}, {"s", "k", "cr\rhere"}, {"s", "k", "nul\0x"s}, {"s", "a=b", "v"},
        {"s", ";k", "v"},         {"s", "#k", "v"},       {"s", "[k]", "v"},     {"s", "", "v"},
        {"s", "  ", "v"},         {"s]", "k", "v"},       {"", "k", "v"},        {"a\nb", "k", "v"},
    };
    for (const auto& c : cases) {
        IniFile ini = IniFile::Parse(text);
        EXPECT_FALSE(ini.Set(c.section, c.key, c.value)) << c.section << "/" << c.key;
        EXPECT_EQ(ini.Serialize(), text);
    }
}

TEST(IniFile, EntriesListsKeyLinesInFileOrder) {
    const IniFile ini =
        IniFile::Parse("[h]\nzz=abc\n; comment\n\n  7 = def \nno equals\n=empty key\n[x]\nq=1\n");
    EXPECT_EQ(ini.Entries("H"), (Entries{{"zz", "abc"}, {"7", "def"}, {"", "empty key"}}));
    EXPECT_TRUE(ini.Entries("missing").empty());
}

TEST(IniFile, ReplaceSectionPutsTheEntriesWhereTheOldOnesStood) {
    IniFile ini = IniFile::Parse(
        "[first]\r\na=1\r\n[list]\r\n; "
        "history\r\nold=x\r\njunk\r\nolder=y\r\n\r\n[last]\r\nb=2\r\n");
    ASSERT_TRUE(ini.ReplaceSection("LIST", {{"0", "abc"}, {"1", "def"}}));
    EXPECT_EQ(ini.Serialize(),
              "[first]\r\na=1\r\n[list]\r\n; history\r\n0=abc\r\n1=def\r\n\r\n[last]\r\nb=2\r\n");
    ASSERT_TRUE(ini.ReplaceSection("list", {}));
    EXPECT_EQ(ini.Serialize(), "[first]\r\na=1\r\n[list]\r\n; history\r\n\r\n[last]\r\nb=2\r\n");
    EXPECT_FALSE(ini.ReplaceSection("list", {{"0", "fine"}, {"1", "bad\nentry=1"}}));
    EXPECT_EQ(ini.Serialize(), "[first]\r\na=1\r\n[list]\r\n; history\r\n\r\n[last]\r\nb=2\r\n");

    ini = IniFile::Parse("[a]\nx=1");
    ASSERT_TRUE(ini.ReplaceSection("list", {}));  // nothing to add: no section either
    EXPECT_EQ(ini.Serialize(), "[a]\nx=1");
    ASSERT_TRUE(ini.ReplaceSection("list", {{"0", "v"}}));
    EXPECT_EQ(ini.Serialize(), "[a]\nx=1\n[list]\n0=v\n");
    ini = IniFile::Parse("[list]\n0=a\n1=b");
    ASSERT_TRUE(ini.ReplaceSection("list", {{"0", "c"}}));
    EXPECT_EQ(ini.Serialize(), "[list]\n0=c\n");
}

}  // namespace
}  // namespace glyphora

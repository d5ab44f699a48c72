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
        "[a]\nk=v\n",
        "[a]\r\nk=v\r\n",
        "[a]\r\nk=v\nx\r\n",         // mixed line ends
        "[a]\nk=v",                  // no final line end
        "k=v\r",                     // a lone CR at the very end
        "a\rb=c\n",                  // a lone CR inside a line
        "[a]\0\nk=\0v\n"s,           // NUL bytes
        "[\xFF\xFE]\nk=\xC3\x28\n",  // invalid UTF-8
        "\n\n\r\n;c\n#c\n [ s ] tail\n  k  =  v  \n",
    };
    for (const std::string& text : texts) {
        EXPECT_EQ(IniFile::Parse(text).Serialize(), text) << text;
    }
}

TEST(IniFile, GetMatchesNamesWithoutCaseAndBlanks) {
    const IniFile ini = IniFile::Parse(
        "top=before any section\n"
        "[FWMAIN]\n"
        "LVFONT = DejaVu Sans \n"
        "  obFormat\t=3\n"
        "key=a=b=c\n"
        ";lvRange=9\n"
        "noequals\n"
        "[ Other ]\n"
        "lvFont=Other\n");
    EXPECT_EQ(ini.Get("fwMain", "lvFont"), "DejaVu Sans");
    EXPECT_EQ(ini.Get("fwmain", "OBFORMAT"), "3");
    EXPECT_EQ(ini.Get("fwMain", "key"), "a=b=c");  // the first "=" separates
    EXPECT_EQ(ini.Get("other", "lvFont"), "Other");
    EXPECT_EQ(ini.Get("fwMain", "lvRange"), std::nullopt);  // only in a comment
    EXPECT_EQ(ini.Get("fwMain", ";lvRange"), std::nullopt);
    EXPECT_EQ(ini.Get("fwMain", "noequals"), std::nullopt);
    EXPECT_EQ(ini.Get("fwMain", "missing"), std::nullopt);
    EXPECT_EQ(ini.Get("missing", "lvFont"), std::nullopt);
    EXPECT_EQ(ini.Get("", "top"), std::nullopt);  // lines before any section belong to none
}

TEST(IniFile, OnlyTheFirstSectionOfANameCounts) {
    const IniFile ini = IniFile::Parse("[s]\na=1\n[t]\n[S]\na=2\nb=3\n");
    EXPECT_EQ(ini.Get("s", "a"), "1");
    EXPECT_EQ(ini.Get("s", "b"), std::nullopt);
}

TEST(IniFile, ABracketWithoutItsCloseOpensNoSection) {
    const IniFile ini = IniFile::Parse("[s]\n[broken\na=1\n");
    EXPECT_EQ(ini.Get("s", "a"), "1");
    EXPECT_FALSE(ini.HasSection("broken"));
}

TEST(IniFile, SetChangesOnlyTheValueOfTheKeysLine) {
    IniFile ini = IniFile::Parse(
        "; settings\r\n"
        "[fwMain]\r\n"
        "LVFONT = Old Font\r\n"
        "junk line\r\n"
        "\r\n"
        "[Other]\r\n"
        "lvFont=keep\r\n");
    ASSERT_TRUE(ini.Set("fwmain", "lvFont", "New"));
    EXPECT_EQ(ini.Serialize(),
              "; settings\r\n"
              "[fwMain]\r\n"
              "LVFONT =New\r\n"
              "junk line\r\n"
              "\r\n"
              "[Other]\r\n"
              "lvFont=keep\r\n");
}

TEST(IniFile, SetAddsANewKeyAfterTheSectionsLastKey) {
    IniFile ini = IniFile::Parse("[a]\nx=1\n; note\n\n[b]\ny=2\n");
    ASSERT_TRUE(ini.Set("A", "z", "3"));
    EXPECT_EQ(ini.Serialize(), "[a]\nx=1\nz=3\n; note\n\n[b]\ny=2\n");

    IniFile empty_section = IniFile::Parse("[a]\n[b]\n");
    ASSERT_TRUE(empty_section.Set("a", "k", "v"));
    EXPECT_EQ(empty_section.Serialize(), "[a]\nk=v\n[b]\n");
}

TEST(IniFile, SetAppendsAMissingSectionWithTheFilesLineEnd) {
    struct Case {
        const char* before;
        const char* after;
    } cases[] = {
        {"", "[new]\nk=v\n"},  // a new file takes LF
        {"[a]\nx=1\n", "[a]\nx=1\n[new]\nk=v\n"},
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
    const Entries expected = {{"zz", "abc"}, {"7", "def"}, {"", "empty key"}};
    EXPECT_EQ(ini.Entries("H"), expected);
    EXPECT_TRUE(ini.Entries("missing").empty());
}

TEST(IniFile, ReplaceSectionPutsTheEntriesWhereTheOldOnesStood) {
    IniFile ini = IniFile::Parse(
        "[first]\r\na=1\r\n"
        "[list]\r\n; history\r\nold=x\r\njunk\r\nolder=y\r\n\r\n"
        "[last]\r\nb=2\r\n");
    ASSERT_TRUE(ini.ReplaceSection("LIST", {{"0", "abc"}, {"1", "def"}}));
    EXPECT_EQ(ini.Serialize(),
              "[first]\r\na=1\r\n"
              "[list]\r\n; history\r\n0=abc\r\n1=def\r\n\r\n"
              "[last]\r\nb=2\r\n");
    ASSERT_TRUE(ini.ReplaceSection("list", {}));
    EXPECT_EQ(ini.Serialize(),
              "[first]\r\na=1\r\n"
              "[list]\r\n; history\r\n\r\n"
              "[last]\r\nb=2\r\n");
}

TEST(IniFile, ReplaceSectionAddsOrLeavesAMissingSection) {
    IniFile ini = IniFile::Parse("[a]\nx=1");
    ASSERT_TRUE(ini.ReplaceSection("list", {}));
    EXPECT_EQ(ini.Serialize(), "[a]\nx=1");
    ASSERT_TRUE(ini.ReplaceSection("list", {{"0", "v"}}));
    EXPECT_EQ(ini.Serialize(), "[a]\nx=1\n[list]\n0=v\n");

    IniFile at_end = IniFile::Parse("[list]\n0=a\n1=b");
    ASSERT_TRUE(at_end.ReplaceSection("list", {{"0", "c"}}));
    EXPECT_EQ(at_end.Serialize(), "[list]\n0=c\n");
}

TEST(IniFile, ReplaceSectionRefusesAnEntryWithALineBreak) {
    IniFile ini = IniFile::Parse("[list]\n0=a\n");
    EXPECT_FALSE(ini.ReplaceSection("list", {{"0", "fine"}, {"1", "bad\nentry=1"}}));
    EXPECT_EQ(ini.Serialize(), "[list]\n0=a\n");
}

}  // namespace
}  // namespace glyphora

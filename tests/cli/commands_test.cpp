// glyphora-cli's listing, encoding and search commands, run as a program. What the core computes
// is tested in tests/core; here: the options reach it and the output and exit status are right.
#include <stdlib.h>

#include <filesystem>
#include <fstream>

#include "cli_runner.h"

namespace glyphora::testing {
namespace {

TEST(NamesCli, PrintsNamesEntitiesAndEntityCodes) {
    ExpectRuns({
        {"name U+0041 0x4E00 80", 0,
         "U+0041\tLatin Capital Letter A\nU+4E00\tCJK Unified Ideograph\nU+0080\tPadding "
         "Character\n"},
        {"entities 00A0 2A 41", 0,
         "U+00A0\tnbsp,NonBreakingSpace\tie\nU+002A\tast,midast\t\n"
         "U+0041\t\t\n"},
        {"entity NonBreakingSpace", 0, "U+00A0\n"},
        {"entity NBSP", 1, ""},
        {"name 10000", 2, ""},
        {"name", 2, ""},
        {"entity a b", 2, ""},
        {"name 41 --data-dir /nonexistent/folder", 2, ""},
    });
}

TEST(NamesCli, DataDirReplacesTheDataFiles) {
    std::string pattern = (std::filesystem::temp_directory_path() / "glyphora_cli_XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    const std::filesystem::path dir = pattern;
    std::ofstream(dir / "glyphora.csv", std::ios::binary) << "0378,Name From Dir\r\n";
    const std::string data_dir = " --data-dir '" + dir.string() + "'";
    // Without an entity file there, the built-in one stands in, as the program would write it.
    ExpectRuns({{"name 378" + data_dir, 0, "U+0378\tName From Dir\n"},
                {"entity eacute" + data_dir, 0, "U+00E9\n"}});
    std::ofstream(dir / "glyphora.ent", std::ios::binary) << "00E9,ie,myeacute\r\n";
    ExpectRuns({{"entities E9" + data_dir, 0, "U+00E9\tmyeacute\tie\n"},
                {"entity eacute" + data_dir, 1, ""}});
    std::filesystem::remove_all(dir);
}

TEST(TypeAndSubrangesCli, PrintTheTypeTextsAndTheListedRows) {
    std::string cyrillic(128, '0');
    cyrillic[9] = '1';
    ExpectRuns({
        {"type U+0041 0x05D0", 0,
         "U+0041\tUppercase, Hex. digit; Left to right\nU+05D0\tRight to left\n"},
        {"type", 2, ""},
        {"type U+0041 U+10000", 2, ""},
        {"subranges --coverage " + cyrillic, 0,
         "D.1024\t0400\t04FF\t9\t1\tCyrillic\nD.1280\t0500\t052F\t9\t1\tCyrillic Supplement\n"},
        {"subranges --coverage ''", 0, ""},
        {"subranges --coverage " + std::string(129, '1'), 2, ""},
        {"subranges --font 'No Such Family'", 2, ""},
        {"subranges --font 'DejaVu Sans' --coverage 1", 2, ""},
    });
    const auto all = Split(RunCli("subranges --all --coverage 1").out);
    ASSERT_EQ(all.size(), 162u);
    EXPECT_EQ(all[0], "D.0\t0000\t007F\t0\t1\tBasic Latin");
    EXPECT_EQ(all[1], "D.128\t0080\t00FF\t1\t0\tLatin-1 Supplement");
    EXPECT_EQ(all[103], "D.12256\t2FE0\t2FEF\t-1\t0\t<undefined>");
    // What a font covers: DejaVu Sans has Cyrillic but no Hangul.
    const std::string sans = RunCli("subranges --font 'DejaVu Sans'").out;
    EXPECT_TRUE(sans.starts_with("D.0\t0000\t007F\t0\t1\tBasic Latin\n"));
    EXPECT_NE(sans.find("\tCyrillic\n"), std::string::npos);
    EXPECT_EQ(sans.find("Hangul Syllables"), std::string::npos);
}

// inspect and decode take any plane; a control would break the line: its character is left out.
TEST(InspectDecodeCli, InspectNamesEachCharacterAndDecodeTurnsNotationsBackIntoText) {
    ExpectRuns({
        {"inspect 'A\xF0\x9F\x98\x80\t'", 0,
         "U+0041\tA\tLatin Capital Letter A\tUppercase, Hex. digit; Left to right\n"
         "U+1F600\t\xF0\x9F\x98\x80\tGrinning Face\tPunctuation; Symbol\n"
         "U+0009\t\t<Control>\tSpace char., Control char., Blank char.; Segment separator\n"},
        {"decode 'caf\\u00e9 &#x2192; &euro; %E2%82%AC U+1F600 &#8364 %zz'", 0,
         "caf\xC3\xA9 \xE2\x86\x92 \xE2\x82\xAC \xE2\x82\xAC \xF0\x9F\x98\x80 &#8364 %zz\n"},
        {"inspect", 2, ""},
        {"decode", 2, ""},
    });
    for (const char* command : {"inspect ", "decode "})
        ExpectRuns({{"'a\xFF'", 2, ""}, {"'\xED\xA0\x80'", 2, ""}, {"'\xE2\x82'", 2, ""}}, command);
}

TEST(TypeAndSubrangesCli, CountsAddTheFontsGlyphsAndTheAssignedCharacters) {
    const CliRun run = RunCli("subranges --font 'DejaVu Sans' --counts");
    ASSERT_EQ(run.status, 0);
    const auto lines = Split(run.out);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front(), "D.0\t0000\t007F\t0\t1\tBasic Latin\t95\t128");
    for (const auto& line : lines) {
        const auto fields = Split(line, '\t');
        ASSERT_EQ(fields.size(), 8u) << line;
        EXPECT_LE(std::stol(fields[6]), std::stol(fields[7])) << line;
    }
    EXPECT_EQ(RunCli("subranges --counts").status, 2);
}

TEST(FontsCli, ListsFamiliesWithKeyPathAndCoverageAndTheirGlyphRanges) {
    bool sans = false;
    for (const std::string& line : Split(RunCli("fonts").out)) {
        const auto fields = Split(line, '\t');
        ASSERT_EQ(fields.size(), 4u) << line;
        EXPECT_TRUE(fields[0].starts_with("D.") && fields[3].size() == 128u) << line;
        if (fields[1] != "DejaVu Sans") continue;
        sans = true;
        EXPECT_EQ(fields[2], "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf");
        EXPECT_EQ(fields[3][9], '1');
    }
    EXPECT_TRUE(sans);
    EXPECT_NE(RunCli("fonts --covering U+0416").out.find("\tDejaVu Sans\t"), std::string::npos);
    // Private use: no DejaVu glyph.
    EXPECT_EQ(RunCli("fonts --covering 0xE000").out.find("\tDejaVu Sans\t"), std::string::npos);

    const auto lines = Split(RunCli("glyphs 'DejaVu Sans'").out);
    ASSERT_GT(lines.size(), 1u);
    EXPECT_EQ(lines.size(), std::stoul(lines[0]) + 1);
    EXPECT_EQ(lines[1], "0020\t007E");
    ExpectRuns({{"fonts --covering xyz", 2, ""},
                {"fonts extra", 2, ""},
                {"glyphs 'No Such Family'", 2, ""},
                {"glyphs", 2, ""}});
}

TEST(EncodeCli, WritesExactlyWhatTheCopyButtonPutsOnTheClipboard) {
    ExpectRuns(
        {
            {"--format 2 'A\u00E9\u20AC'", 0, "%41%e9%E2%82%AC"},
            {"--format 8 '\u0439'", 0, "\xE9"},  // default row 7, code page 1251
            {"--format 8 --code-page 8 '\u20AC'", 0, "\x80"},
            {"--format 9 AB", 0, "Latin Capital Letter A\r\nLatin Capital Letter B\r\n"},
            {"--format 9 --current AB", 0, "Latin Capital Letter A"},
            {"--format 11 '\u00A0x'", 0, "&nbsp;"},
            {"--format 11 x", 1, ""},  // no entity name
            {"--format 1 --font 'Some Font' A", 0,
             "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil\\fcharset0 Some Font;}}"
             "{\\colortbl;\\red0\\green0\\blue0;}\\cf1\r\n\\uc1\\pard\\f0\\fs72 A}"},
            {"--format 0 A", 2, ""},
            {"--format 8 --code-page 16 A", 2, ""},
            {"--format 3", 2, ""},
            {"--format 9 --current ''", 2, ""},
            {"--format 3 '\xFF'", 2, ""},
        },
        "encode ");
    // Without a font the RTF names an installed family.
    const std::string rtf = RunCli("encode --format 1 A").out;
    EXPECT_NE(rtf.find("{\\fonttbl{\\f0\\fnil\\fcharset0 "), std::string::npos);
    EXPECT_EQ(rtf.find("\\fcharset0 ;"), std::string::npos);
}

TEST(FindCli, PrintsTheMatchOrTheMessageOfEachRun) {
    ExpectRuns(
        {
            {"CURL D", 0, "U+0221\tLatin Small Letter D With Curl\n"},  // operands join with spaces
            {"--next 2 'd curl'", 0,
             "U+0221\tLatin Small Letter D With Curl\nU+02A5\tLatin Small Letter Dz Digraph With "
             "Curl\nU+02A8\tLatin Small Letter Tc Digraph With Curl\n"},
            {"--next 3 '&Eacute;'", 0, "U+00C9\tLatin Capital Letter E With Acute\n"},  // no F3
            {"'&a b;'", 1, "Illegal entity syntax.\n"},
            {"'&;'", 1, "No character found.\n"},
            {"--next 2 'fullwidth right white parenthesis'", 0,
             "U+FF60\tFullwidth Right White Parenthesis\nNo more occurences.\nNo more "
             "occurences.\n"},
            {"'!?'", 2, ""},  // nothing the search box keeps
        },
        "find --font 'DejaVu Sans' --show-all on ");
    ExpectRuns(
        {{"find", 2, ""},
         {"find --font 'No Such Family' a", 2, ""},
         {"find --show-all maybe a", 2, ""},
         // DejaVu Sans lists no Hangul, but the search range spans the gap.
         {"find --font 'DejaVu Sans' 'hangul syllable gag'", 0, "U+AC01\tHangul Syllable Gag\n"}});
}

}  // namespace
}  // namespace glyphora::testing

// inspect, decode, and the glyph counts of subranges --counts.
#include <gtest/gtest.h>

#include "cli_runner.h"

namespace glyphora::testing {
namespace {

TEST(CliInspect, OneLinePerCharacterOfAnyPlaneWithNameAndType) {
    const CliRun run = RunCliWords({"inspect", "A\xF0\x9F\x98\x80\t"});
    ASSERT_EQ(run.status, 0);
    EXPECT_EQ(run.out,
              "U+0041\tA\tLatin Capital Letter A\tUppercase, Hex. digit; Left to right\n"
              "U+1F600\t\xF0\x9F\x98\x80\tGrinning Face\tPunctuation; Symbol\n"
              // A control would break the line: its character is left out.
              "U+0009\t\t<Control>\tSpace char., Control char., Blank char.; Segment separator\n");
}

TEST(CliDecode, TurnsEveryNotationAndEntityBackIntoText) {
    const CliRun run =
        RunCliWords({"decode", "caf\\u00e9 &#x2192; &euro; %E2%82%AC U+1F600 &#8364 %zz"});
    ASSERT_EQ(run.status, 0);
    EXPECT_EQ(run.out,
              "caf\xC3\xA9 \xE2\x86\x92 \xE2\x82\xAC \xE2\x82\xAC \xF0\x9F\x98\x80 "
              "&#8364 %zz\n");
}

TEST(CliInspectDecode, InvalidUtf8OrAMissingTextFailsWithStatusTwo) {
    for (const char* command : {"inspect", "decode"}) {
        for (const char* text : {"a\xFF", "\xED\xA0\x80", "\xE2\x82"}) {
            const CliRun run = RunCliWords({command, text});
            EXPECT_EQ(run.status, 2) << command;
            EXPECT_TRUE(run.out.empty());
        }
        EXPECT_EQ(RunCliWords({command}).status, 2);
    }
}

TEST(CliSubranges, CountsAddTheFontsGlyphsAndTheAssignedCharacters) {
    const CliRun run = RunCli("subranges --font 'DejaVu Sans' --counts");
    ASSERT_EQ(run.status, 0);
    const auto lines = Lines(run.out);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front(), "D.0\t0000\t007F\t0\t1\tBasic Latin\t95\t128");
    for (const auto& line : lines) {
        const auto fields = Split(line, '\t');
        ASSERT_EQ(fields.size(), 8u) << line;
        EXPECT_LE(std::stol(fields[6]), std::stol(fields[7])) << line;
    }
    EXPECT_EQ(RunCli("subranges --counts").status, 2);
}

}  // namespace
}  // namespace glyphora::testing

#include "base/text.h"

#include <gtest/gtest.h>

#include "base/list_model.h"
#include "base/valid_utf8.h"

namespace glyphora {
namespace {

TEST(HexField, AcceptsOnlyHexDigits) {
    struct Case {
        const char* text;
        std::optional<long> value;
    } cases[] = {
        {"", 0},
        {"0041", 0x41},
        {"ffff", 0xFFFF},
        {"FfFf", 0xFFFF},
        {"10000", 0x10000},
        {"12G4", std::nullopt},
        {" 41", std::nullopt},
        {"-1", std::nullopt},
        {"FFFFFFFFFFFFFFFFFFFF", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseHexField(c.text), c.value) << c.text;
}

TEST(Utf, RoundTripsEveryBmpCodeUnitIncludingLoneSurrogates) {
    std::u16string all;
    for (char32_t c = 0; c <= 0xFFFF; ++c) all.push_back(static_cast<char16_t>(c));
    // A high surrogate directly before a low one would join; keep them apart for this test.
    std::u16string spaced;
    for (char16_t c : all) {
        spaced.push_back(c);
        spaced.push_back(u' ');
    }
    EXPECT_EQ(Utf8ToUtf16(Utf16ToUtf8(spaced)), spaced);
    EXPECT_EQ(Utf16ToUtf8(u"\U0001F600"), "\xF0\x9F\x98\x80");
}

TEST(Utf, InvalidUtf8BecomesReplacementCharacters) {
    EXPECT_EQ(Utf8ToUtf16("a\xC3"), u"a\uFFFD");
    EXPECT_EQ(Utf8ToUtf16("\xC0\x80"), u"\uFFFD\uFFFD");  // overlong NUL
    EXPECT_EQ(Utf8ToUtf16("\xFF"
                          "b"),
              u"\uFFFDb");
}

TEST(KeyNumber, ReadsTheNumberAfterThePrefix) {
    EXPECT_EQ(KeyNumber("D.880"), 880);
    EXPECT_EQ(KeyNumber("d.0"), 0);
    EXPECT_EQ(KeyNumber("D."), std::nullopt);
    EXPECT_EQ(KeyNumber("880"), std::nullopt);
    EXPECT_EQ(MakeKey(65520), "D.65520");
}

TEST(AppendValidUtf8, KeepsWellFormedTextAndReplacesEachBadByte) {
    struct Case {
        std::string_view in, out;
    } cases[] = {
        {"\xC3\xA9t\xF0\x9F\x98\x80", "\xC3\xA9t\xF0\x9F\x98\x80"},
        {"a\xC3", "a\xEF\xBF\xBD"},                                // cut short
        {"\x80x", "\xEF\xBF\xBDx"},                                // stray continuation
        {"\xC0\x80", "\xEF\xBF\xBD\xEF\xBF\xBD"},                  // overlong NUL
        {"\xED\xA0\x80", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},  // surrogate
        {"\xF4\x90\x80\x80", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},  // > U+10FFFF
        {std::string_view("a\0b", 3), std::string_view("a\0b", 3)},
    };
    for (const auto& c : cases) {
        std::string out = "<";
        AppendValidUtf8(out, c.in);
        std::string expected = "<";  // piecewise: GCC 12 warns falsely about overlapping copies
        expected += c.out;
        EXPECT_EQ(out, expected);
        EXPECT_EQ(IsValidUtf8(c.in), c.in == c.out);
    }
}

}  // namespace
}  // namespace glyphora

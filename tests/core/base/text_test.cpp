#include "base/text.h"

#include <gtest/gtest.h>

#include "base/list_model.h"
#include "base/valid_utf8.h"

namespace glyphora {
namespace {

TEST(Utf, RoundTripsEveryBmpCodeUnitAndReplacesInvalidUtf8) {
    // A high surrogate directly before a low one would join; keep them apart for this test.
    std::u16string spaced;
    for (char32_t c = 0; c <= 0xFFFF; ++c) spaced += {static_cast<char16_t>(c), u' '};
    EXPECT_EQ(Utf8ToUtf16(Utf16ToUtf8(spaced)), spaced);
    EXPECT_EQ(Utf16ToUtf8(u"\U0001F600"), "\xF0\x9F\x98\x80");
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
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"\xC3\xA9t\xF0\x9F\x98\x80", "\xC3\xA9t\xF0\x9F\x98\x80"},
        {"a\xC3", "a\xEF\xBF\xBD"},                                // cut short
        {"\x80x", "\xEF\xBF\xBDx"},                                // stray continuation
        {"\xC0\x80", "\xEF\xBF\xBD\xEF\xBF\xBD"},                  // overlong NUL
        {"\xED\xA0\x80", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},  // surrogate
        {"\xF4\x90\x80\x80", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},  // > U+10FFFF
        {std::string_view("a\0b", 3), std::string_view("a\0b", 3)},
    };
    for (const auto& [in, out] : cases) {
        std::string appended = "<";
        AppendValidUtf8(appended, in);
        std::string expected = "<";  // piecewise: GCC 12 warns falsely about overlapping copies
        expected += out;
        EXPECT_EQ(appended, expected);
        EXPECT_EQ(IsValidUtf8(in), in == out);
    }
}

}  // namespace
}  // namespace glyphora

#include "base/text.h"

#include <gtest/gtest.h>

#include "base/list_model.h"
#include "base/valid_utf8.h"

namespace glyphora {
namespace {

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

TEST(Utf, ReplacesInvalidUtf8AndPairsSupplementaryCharacters) {
    EXPECT_EQ(Utf8ToUtf16("\xF0\x9F\x98\x80"), u"\U0001F600");
    EXPECT_EQ(Utf16ToUtf8(u"\U0001F600"), "\xF0\x9F\x98\x80");
    EXPECT_EQ(Utf8ToUtf16("a\xC3"), u"a\uFFFD");
    EXPECT_EQ(Utf8ToUtf16("\xC0\x80"), u"\uFFFD\uFFFD");  // overlong NUL
    EXPECT_EQ(Utf8ToUtf16(Utf16ToUtf8(u"\xD800 \xDFFF")), u"\xD800 \xDFFF");
    EXPECT_EQ(ParseHexField("fF0a"), 0xFF0A);
    EXPECT_EQ(ParseHexField("110000"), std::nullopt);
}

}  // namespace
}  // namespace glyphora

#include "base/valid_utf8.h"

#include <gtest/gtest.h>

namespace glyphora {
namespace {

TEST(AppendValidUtf8, KeepsWellFormedTextAndReplacesEachBadByte) {
    struct Case {
        std::string_view in;
        std::string_view out;
    } cases[] = {
        {"plain", "plain"},
        {"\xC3\xA9t\xC3\xA9", "\xC3\xA9t\xC3\xA9"},
        {"\xF0\x9F\x98\x80", "\xF0\x9F\x98\x80"},
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
        std::string expected = "<";
        expected.append(c.out);
        EXPECT_EQ(out, expected);
        EXPECT_TRUE(IsValidUtf8(out));
        EXPECT_EQ(IsValidUtf8(c.in), c.in == c.out);
    }
}

}  // namespace
}  // namespace glyphora

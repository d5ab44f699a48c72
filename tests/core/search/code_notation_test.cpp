#include "search/code_notation.h"

#include <gtest/gtest.h>

#include <vector>

#include "../panels/search_fixture.h"
#include "base/text.h"

namespace glyphora {
namespace {

TEST(ParseCodeNotation, ReadsOneWholeCodeOrNothing) {
    const std::pair<char32_t, std::vector<std::u16string>> codes[] = {
        {0x20AC,
         {u"U+20AC", u"u+20ac", u"\\u20ac", u"\\u20AC", u"&#x20AC;", u"&#X20ac;", u"&#8364;",
          u"%E2%82%AC", u"%e2%82%ac"}},
        {0x1F600, {u"  U+1F600 ", u"\\ud83d\\ude00", u"\\U0001F600", u"%F0%9F%98%80"}},
        {0x10FFFF, {u"U+10FFFF"}},
        {0xD83D, {u"\\ud83d"}},
        {0, {u"&#0;"}},
        {0x41, {u"%41"}},
        {0xE9, {u"%e9"}},  // what the "% Escape" format copies for U+00E9
    };
    for (const auto& [code, texts] : codes)
        for (const auto& text : texts)
            EXPECT_EQ(ParseCodeNotation(text), code) << Utf16ToUtf8(text);
    // Malformed or more than one code: a name search as before.
    for (const char16_t* text :
         {u"U+20A", u"U+1234567", u"U+110000", u"U+20AG", u"\\u20a", u"\\U20AC", u"&#x20AC",
          u"&#x;", u"&#xZ;", u"&#1114112;", u"&euro;", u"%E2%82", u"%E2%82%AC%41", u"%4",
          u"U+20AC U+20AC", u"latin", u"", u"U+20AC\u00e9"})
        EXPECT_EQ(ParseCodeNotation(text), std::nullopt) << Utf16ToUtf8(text);
}

TEST(DecodeCodeNotations, ReplacesEveryNotationAndKnownEntityInRunningText) {
    const EntityLookup entities = [](std::string_view name) -> std::optional<long> {
        if (name == "eacute") return 0xE9;
        return std::nullopt;
    };
    const struct {
        std::string in, out;
    } cases[] = {
        {"caf\\u00e9 &#x2192; &#8364;5 %E2%82%AC U+1F600!",
         "caf\u00e9 \u2192 \u20ac5 \u20ac \U0001F600!"},
        {"&eacute;&nosuch;&amp &#xD800; \\ud800", "\u00e9&nosuch;&amp &#xD800; \\ud800"},
        {"100% U+12 \\u12 & ;", "100% U+12 \\u12 & ;"},
        {"%e9t%C3%A9", "\u00e9t\u00e9"},
        {"\\ud83d\\ude00", "\U0001F600"},
    };
    for (const auto& c : cases) EXPECT_EQ(DecodeCodeNotations(c.in, entities), c.out) << c.in;
}

// The search box: one code goes there through the go-to; anything else (ParseCodeNotation gives
// nothing) searches names or entities as before.
using CodeSearch = testing::SearchTest;

TEST_F(CodeSearch, CodesOutsideTheFontOrThePlaneSaySo) {
    ChooseFont(u"Latin Only");
    EXPECT_EQ(SearchFor(u"u+0416"), 0x416);
    EXPECT_EQ(M().Status().MessagePanel(), u"Character 0416 not supported by selected font.");
    const long before = Current();
    EXPECT_EQ(SearchFor(u"U+1F600"), std::nullopt);
    EXPECT_EQ(M().Status().MessagePanel(),
              u"Character 1F600 is outside the Basic Multilingual Plane.");
    EXPECT_EQ(Current(), before);
}

}  // namespace
}  // namespace glyphora

#include "search/code_notation.h"

#include <gtest/gtest.h>

#include "base/text.h"
#include "search_fixture.h"

namespace glyphora {
namespace {

struct NotationCase {
    std::u16string text;
    std::optional<char32_t> code;  // nullopt: not one code, a name search
};

class ParseCodeNotationTest : public ::testing::TestWithParam<NotationCase> {};

TEST_P(ParseCodeNotationTest, ReadsOneWholeCodeOrNothing) {
    EXPECT_EQ(ParseCodeNotation(GetParam().text), GetParam().code);
}

INSTANTIATE_TEST_SUITE_P(
    Notations, ParseCodeNotationTest,
    ::testing::Values(
        NotationCase{u"U+20AC", 0x20AC}, NotationCase{u"u+20ac", 0x20AC},
        NotationCase{u"  U+1F600 ", 0x1F600}, NotationCase{u"U+10FFFF", 0x10FFFF},
        NotationCase{u"\\u20ac", 0x20AC}, NotationCase{u"\\u20AC", 0x20AC},
        NotationCase{u"\\ud83d\\ude00", 0x1F600}, NotationCase{u"\\ud83d", 0xD83D},
        NotationCase{u"\\U0001F600", 0x1F600}, NotationCase{u"&#x20AC;", 0x20AC},
        NotationCase{u"&#X20ac;", 0x20AC}, NotationCase{u"&#8364;", 0x20AC},
        NotationCase{u"&#0;", 0}, NotationCase{u"%E2%82%AC", 0x20AC},
        NotationCase{u"%e2%82%ac", 0x20AC}, NotationCase{u"%41", 0x41},
        NotationCase{u"%e9", 0xE9},  // what the "% Escape" format copies for U+00E9
        NotationCase{u"%F0%9F%98%80", 0x1F600},
        // Malformed or more than one code: a name search as before.
        NotationCase{u"U+20A", std::nullopt}, NotationCase{u"U+1234567", std::nullopt},
        NotationCase{u"U+110000", std::nullopt}, NotationCase{u"U+20AG", std::nullopt},
        NotationCase{u"\\u20a", std::nullopt}, NotationCase{u"\\U20AC", std::nullopt},
        NotationCase{u"&#x20AC", std::nullopt}, NotationCase{u"&#x;", std::nullopt},
        NotationCase{u"&#xZ;", std::nullopt}, NotationCase{u"&#1114112;", std::nullopt},
        NotationCase{u"&euro;", std::nullopt}, NotationCase{u"%E2%82", std::nullopt},
        NotationCase{u"%E2%82%AC%41", std::nullopt}, NotationCase{u"%4", std::nullopt},
        NotationCase{u"U+20AC U+20AC", std::nullopt}, NotationCase{u"latin", std::nullopt},
        NotationCase{u"", std::nullopt}, NotationCase{u"U+20AC\u00e9", std::nullopt}));

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

// The search box: one code goes there through the go-to; anything else searches names as before.
using CodeSearch = testing::SearchTest;

TEST_F(CodeSearch, OneCodeInAnyNotationGoesToItsCharacter) {
    ShowAll(true);
    for (const std::u16string text :
         {u"U+20AC", u"\\u20ac", u"&#x20AC;", u"&#8364;", u"%E2%82%AC", u"&euro;"}) {
        M().SelectCell(0);
        EXPECT_EQ(SearchFor(text), 0x20AC) << Utf16ToUtf8(text);
        EXPECT_EQ(SearchText(), text);  // the filter keeps every notation's characters
        EXPECT_EQ(Current(), 0x20AC);
        EXPECT_EQ(M().MessagePanel(), u"");
        EXPECT_FALSE(S().ButtonEnabled());
    }
    EXPECT_EQ(S().History().front(), u"&euro;");
    EXPECT_EQ(S().History().size(), 6u);
}

TEST_F(CodeSearch, CodesOutsideTheFontOrThePlaneSaySo) {
    ChooseFont(u"Latin Only");
    EXPECT_EQ(SearchFor(u"u+0416"), 0x416);
    EXPECT_EQ(M().MessagePanel(), u"Character 0416 not supported by selected font.");
    const long before = Current();
    EXPECT_EQ(SearchFor(u"U+1F600"), std::nullopt);
    EXPECT_EQ(M().MessagePanel(), u"Character 1F600 is outside the Basic Multilingual Plane.");
    EXPECT_EQ(Current(), before);
}

TEST_F(CodeSearch, MalformedCodesAreNameOrEntitySearches) {
    EXPECT_EQ(SearchFor(u"U+20A"), std::nullopt);
    EXPECT_EQ(M().MessagePanel(), u"No character found.");
    EXPECT_EQ(SearchFor(u"&#x20AC"), std::nullopt);
    EXPECT_EQ(M().MessagePanel(), u"Illegal entity syntax.");
}

}  // namespace
}  // namespace glyphora

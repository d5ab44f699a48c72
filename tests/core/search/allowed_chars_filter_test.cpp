#include "search/allowed_chars_filter.h"

#include <gtest/gtest.h>

namespace glyphora {
namespace {

struct FilterCase {
    std::u16string text;
    std::size_t caret;
    std::u16string_view allowed;
    std::u16string kept;
    std::size_t caret_after;
};

TEST(AllowedCharsFilter, RemovesOtherCharactersAndMovesTheCaretBack) {
    const FilterCase cases[] = {
        {u"1a2b3", 5, u"0123456789", u"123", 3},
        {u"20ag", 4, u"0123456789ABCDEF", u"20a", 3},  // lower-case letters pass an upper set
        {u"x12", 1, u"0123456789", u"12", 0},
        {u"xy1", 1, u"0123456789", u"1", 0},  // not below 0
        {u"curl-d!", 7, u"ABCDEFGHIJKLMNOPQRSTUVWXYZ ", u"curld", 5},
        {u"\u0131\u212Ak", 3, u"IK", u"k", 1},  // dotless i and Kelvin sign are not ASCII
        {u"\u00E9t\u00E9", 1, u"ET", u"t", 0},
        {u"20Ac", 2, u"0123456789ABCDEF", u"20Ac", 2},  // clean: no rewrite, no change raised
    };
    AllowedCharsFilter filter;
    for (const FilterCase& c : cases) {
        EditBox box{c.text, c.caret};
        int changes = 0;
        const bool clean = c.text == c.kept;
        EXPECT_EQ(filter.FilterAllowedChars(box, c.allowed, [&] { ++changes; }), !clean);
        EXPECT_EQ(box.text, c.kept);
        EXPECT_EQ(box.caret, c.caret_after);
        EXPECT_EQ(changes, clean ? 0 : 1);
    }
}

TEST(AllowedCharsFilter, DoesNothingInsideTheChangeItsRewriteRaised) {
    AllowedCharsFilter filter;
    EditBox box{u"1x", 2};
    int nested_runs = 0;
    std::function<void()> change = [&] {
        ++nested_runs;
        EXPECT_EQ(filter.Nesting(), 1);
        // The handler runs again in full, so it would filter again: that call must be a no-op.
        box.text += u"y";
        EXPECT_FALSE(filter.FilterAllowedChars(box, u"0123456789", change));
    };
    EXPECT_TRUE(filter.FilterAllowedChars(box, u"0123456789", change));
    EXPECT_EQ(nested_runs, 1);
    EXPECT_EQ(box.text, u"1y");  // what the nested handler left
    EXPECT_EQ(filter.Nesting(), 0);
    // The counter is back at 0: the next event filters again.
    EXPECT_TRUE(filter.FilterAllowedChars(box, u"0123456789", nullptr));
    EXPECT_EQ(box.text, u"1");
}

}  // namespace
}  // namespace glyphora

#include "table/fonts_with_char.h"

#include "model_fixture.h"

namespace glyphora::testing {
namespace {

class FontsWithCharTest : public ModelTest {
protected:
    void SetUp() override {
        ModelTest::SetUp();
        fonts_.fonts.push_back(
            {u"Greek Glyphs Only", CoverageWith({7}), RangesOf({{0x391, 0x3A9}})});
        M().LoadFonts();
        M().SelectFont(0);
        list_.emplace(M(), fonts_);
    }
    std::vector<std::u16string> Listed() {
        std::vector<std::u16string> names;
        for (std::size_t item : list_->Families())
            names.push_back(M().Fonts().Items().items[item].text);
        return names;
    }
    std::optional<FontsWithChar> list_;
};

TEST_F(FontsWithCharTest, ChoosingAFamilyKeepsTheCharacterTurningShowAllOnOnlyWhenNeeded) {
    M().GoToCodePoint(0x416);  // Cyrillic, listed for "Every"
    list_->Refresh();
    ASSERT_EQ(Listed(), (std::vector<std::u16string>{u"Every", u"Nothing", u"Cyrillic Only"}));

    list_->Choose(2);
    EXPECT_EQ(M().Fonts().Family(), u"Cyrillic Only");
    EXPECT_EQ(Current(), 0x416);
    EXPECT_FALSE(M().Subranges().ShowAll());
    EXPECT_EQ(list_->ChosenRow(), 2u);

    // "Nothing" lists no subrange: only "Show All" brings the character back.
    list_->Choose(1);
    EXPECT_EQ(M().Fonts().Family(), u"Nothing");
    EXPECT_TRUE(M().Subranges().ShowAll());
    EXPECT_EQ(Current(), 0x416);
    EXPECT_EQ(M().Status().MessagePanel(), u"");
}

TEST_F(FontsWithCharTest, AnEmptyPageListsNothing) {
    EXPECT_TRUE(list_->Refresh());
    EXPECT_EQ(list_->CodePoint(), 0);  // U+0000 is a character like any other
    ChooseFont(u"Nothing");            // no subrange listed, no character shown
    EXPECT_TRUE(list_->Refresh());
    EXPECT_EQ(list_->CodePoint(), std::nullopt);
    EXPECT_EQ(list_->Title(), u"0 of 5 fonts");
    list_->Choose(0);  // nothing to choose: ignored
    EXPECT_EQ(M().Fonts().Family(), u"Nothing");
}

}  // namespace
}  // namespace glyphora::testing

// The Picture frame: size box with its filter, label and undo, the styles, the colours, and what
// the view, the bitmap copy and the rich-text copy take from them.
#include "panels/picture_panel.h"

#include <gtest/gtest.h>

#include "../table/model_fixture.h"
#include "base/allowed_chars_filter.h"
#include "base/text.h"
#include "panels/copy_panel.h"

namespace glyphora::testing {
namespace {

constexpr BoxKey kUndoKey{EditCommand::Undo};

class PicturePanelTest : public ::testing::Test {
protected:
    // The user types a whole new text, the caret ending after it.
    void Type(std::u16string text) {
        panel_.SizeKeyDown({});
        const std::size_t caret = text.size();
        panel_.SizeTextChanged(std::move(text), caret);
    }

    int busy_ = 0;
    int max_size_ = 96;
    AllowedCharsFilter filter_;
    CopyPanel copy_{CopyPanel::Services{}, busy_};
    PicturePanel panel_{filter_, copy_, busy_, max_size_};
};

// One character's picture at more than 2000 points would overflow the font engine's metrics.
TEST_F(PicturePanelTest, TheBoxHoldsNoSizeAboveTheLargestPicture) {
    for (const std::u16string text : {u"2001", u"99999999", u"00099999999999999999"}) {
        Type(text);
        EXPECT_EQ(panel_.SizeBox().text, u"2000");
        EXPECT_EQ(panel_.SizeBox().caret, 4u);
        EXPECT_EQ(panel_.CopyFont().point_size, kMaxPictureSize);
    }
    Type(u"2000");
    EXPECT_EQ(panel_.SizeBox().text, u"2000");
    // A stored size arrives while the update-busy count is raised; it is brought down when the
    // settings are applied.
    ++busy_;
    panel_.SizeTextChanged(u"99999999", 8);
    --busy_;
    panel_.StyleClicked(kPictureBold, true);
    EXPECT_EQ(panel_.SizeBox().text, u"2000");
}

TEST_F(PicturePanelTest, LettersAreRemovedAndListEntriesChosen) {
    panel_.SizeTextChanged(u"1x2y", 3);  // the caret after the 2
    EXPECT_EQ(panel_.SizeBox().text, u"12");
    EXPECT_EQ(panel_.SizeBox().caret, 1u);
    EXPECT_EQ(panel_.ViewFont().point_size, 12);
    panel_.SizeListChosen(13);
    EXPECT_EQ(panel_.SizeBox().text, u"36");
    EXPECT_EQ(panel_.ViewFont().point_size, 36);
    panel_.SizeListChosen(kPictureSizes.size());  // beyond the list
    EXPECT_EQ(panel_.SizeBox().text, u"36");
}

TEST_F(PicturePanelTest, UndoSwapsWithTheTextBeforeTheLastKeyAndTakesItsKeysFromTheBox) {
    Type(u"12");
    Type(u"14");
    EXPECT_EQ(panel_.UndoText(), u"12");
    panel_.SizeUndo();
    EXPECT_EQ(panel_.SizeBox().text, u"12");
    EXPECT_EQ(panel_.ViewFont().point_size, 12);
    EXPECT_TRUE(panel_.SizeKeyDown(kUndoKey));
    EXPECT_EQ(panel_.SizeBox().text, u"14");
    EXPECT_TRUE(panel_.SizeKeyDown(kUndoKey));
    EXPECT_EQ(panel_.SizeBox().text, u"12");
    EXPECT_FALSE(panel_.SizeKeyDown({EditCommand::Cut}));
}

TEST(PicturePanel, ThePatternIsTheInkHeightTakenAsPoints) {
    const std::tuple<int, int, int> cases[] = {
        {12, 96, 16}, {7, 96, 9}, {3, 12, 1},          {72, 72, 72}, {27, 96, 36},
        {0, 96, 0},   {5, 0, 0},  {30000, 96, 0x7FFF},  // half rounds up; the pattern is capped
    };
    for (auto [ink, dpi, side] : cases) EXPECT_EQ(PicturePanel::PatternSide(ink, dpi), side);
}

// Through the window's model: choosing a font sets the picture maximum size and applies it.
class PictureThroughModelTest : public ModelTest {};

// The largest view size leaves the font's widest glyph whole, however wide the font's glyphs
// and however tall its line with the leading.
TEST_F(PictureThroughModelTest, TheWidestGlyphFitsTheViewAtTheMaximumSize) {
    const ViewTextMetrics fonts[] = {{1240, 240, 2220}, {1160, 160, 1870}, {1000, 125, 1400}};
    for (const ViewTextMetrics& font : fonts) {
        metrics_.per_mille_em = font;
        ChooseFont(u"Latin Only");
        const int max = M().Fonts().PictureMaxSize();
        EXPECT_LE(metrics_.Metrics(max).max_char_width, 100) << font.max_char_width;
        EXPECT_GT(metrics_.Metrics(max + 1).max_char_width, 100) << font.max_char_width;
        ChooseFont(u"Every");
    }
}

}  // namespace
}  // namespace glyphora::testing

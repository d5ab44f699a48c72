// The Picture frame: size box with its filter, label and undo, the styles, the colours, and what
// the view, the bitmap copy and the rich-text copy take from them.
#include "copy/picture_panel.h"

#include <gtest/gtest.h>

#include "../table/model_fixture.h"
#include "base/text.h"
#include "copy/copy_panel.h"
#include "search/allowed_chars_filter.h"

namespace glyphora::testing {
namespace {

constexpr int kCtrl = 2, kAlt = 4, kKeyZ = 90, kBackspace = 8;

class PicturePanelTest : public ::testing::Test {
protected:
    // The user types a whole new text, the caret ending after it.
    void Type(std::u16string text) {
        panel_.SizeKeyDown('0', 0);
        const std::size_t caret = text.size();
        panel_.SizeTextChanged(std::move(text), caret);
    }

    int busy_ = 0;
    int max_size_ = 96;
    AllowedCharsFilter filter_;
    CopyPanel copy_{CopyPanel::Services{}, busy_};
    PicturePanel panel_{filter_, copy_, busy_, max_size_};
};

// The view takes a size from 2 to its maximum, else the maximum with "(N)" beside the box; the
// bitmap copy takes the typed size whatever it is, the rich text the view's.
TEST_F(PicturePanelTest, ASizeWithinTheMaximumSizesTheViewWithoutALabel) {
    const struct {
        std::u16string text;
        int view, copy;
        std::u16string label;
    } cases[] = {
        {u"1", 96, 1, u"(96)"}, {u"12", 12, 12, u""},       {u"2", 2, 2, u""},
        {u"96", 96, 96, u""},   {u"200", 96, 200, u"(96)"}, {u"", 96, 0, u"(96)"},
        {u"0", 96, 0, u"(96)"}, {u"97", 96, 97, u"(96)"},
    };
    for (const auto& c : cases) {
        Type(c.text);
        EXPECT_EQ(panel_.ViewFont().point_size, c.view) << Utf16ToUtf8(c.text);
        EXPECT_EQ(panel_.CopyFont().point_size, c.copy);
        EXPECT_EQ(copy_.RtfFormat().point_size, c.view);
        EXPECT_EQ(panel_.SizeLabel(), c.label);
    }
    EXPECT_EQ(PicturePanel::SizeOfText(u"99999999999999999999"), 99999);
    EXPECT_EQ(PicturePanel::SizeOfText(u"007"), 7);
    EXPECT_EQ(PicturePanel::SizeOfText(u"1x2"), 12);
    max_size_ = 0;  // without a maximum the view and the label stay as they were
    Type(u"1");
    EXPECT_EQ(panel_.ViewFont().point_size, 96);
    EXPECT_EQ(panel_.SizeLabel(), u"(96)");
    EXPECT_EQ(panel_.CopyFont().point_size, 1);
}

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
    EXPECT_TRUE(panel_.SizeKeyDown(kKeyZ, kCtrl));
    EXPECT_EQ(panel_.SizeBox().text, u"14");
    EXPECT_TRUE(panel_.SizeKeyDown(kBackspace, kAlt));
    EXPECT_EQ(panel_.SizeBox().text, u"12");
    EXPECT_FALSE(panel_.SizeKeyDown(kBackspace, 0));
}

TEST_F(PicturePanelTest, StylesAndColoursShapeTheViewTheCopyAndTheRichText) {
    Type(u"20");
    panel_.StyleClicked(kPictureBold, true);
    panel_.StyleClicked(kPictureStrikeout, true);
    const PictureFont expected{20, true, false, false, true};
    EXPECT_EQ(panel_.ViewFont(), expected);
    EXPECT_EQ(panel_.CopyFont(), expected);
    EXPECT_TRUE(panel_.Style(kPictureBold));
    EXPECT_FALSE(panel_.Style(7));
    const RtfCharFormat& rtf = copy_.RtfFormat();
    EXPECT_TRUE(rtf.bold && rtf.strikeout && !rtf.italic && !rtf.underline);
    panel_.SetForeColour(0x0000FF);
    panel_.SetBackColour(0x00FF00);
    EXPECT_EQ(panel_.BackColour(), 0x00FF00u);
    EXPECT_EQ(copy_.ForeColour(), 0x0000FFu);
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
        const int max = M().PictureMaxSize();
        EXPECT_LE(metrics_.Metrics(max).max_char_width, 100) << font.max_char_width;
        EXPECT_GT(metrics_.Metrics(max + 1).max_char_width, 100) << font.max_char_width;
        ChooseFont(u"Every");
    }
}

}  // namespace
}  // namespace glyphora::testing

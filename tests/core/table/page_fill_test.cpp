#include <functional>

#include "base/text.h"
#include "model_fixture.h"

namespace glyphora::testing {
namespace {

using Paging = ModelTest;

TEST_F(Paging, FillPageStartsAtTheRowAndMarksSubrangeEnds) {
    ShowAll(true);
    M().FillPage(0x41);
    EXPECT_EQ(Cp(0), 0x40);
    EXPECT_EQ(Cp(255), 0x13F);
    EXPECT_EQ(M().Page().RowLabels()[0], "004");
    EXPECT_EQ(M().Page().RowLabels()[15], "013");
    std::vector<int> separators;
    for (int r = 0; r < 16; ++r)
        if (M().Page().Separators()[r]) separators.push_back(r);
    // Under "007" (end of Basic Latin) and "00F" (end of Latin-1 Supplement).
    EXPECT_EQ(separators, (std::vector<int>{3, 11}));
}

TEST_F(Paging, CellCaptionsFollowNamesAndGlyphs) {
    ChooseFont(u"Latin Only");
    ShowAll(true);
    M().FillPage(0x0370);
    // U+0378 is unassigned: a space over the pattern, whatever the font.
    const Cell& undefined = M().Page().Cells()[8];
    EXPECT_EQ(undefined.code_point, 0x378);
    EXPECT_EQ(undefined.caption, u" ");
    EXPECT_EQ(undefined.pattern, 0);
    // U+0391 has a name but this font has no glyph for it.
    const Cell& alpha = M().Page().Cells()[0x21];
    EXPECT_EQ(alpha.code_point, 0x391);
    EXPECT_EQ(alpha.caption, u" ");
    EXPECT_EQ(alpha.pattern, 0);
    // U+0020 is a character of the font like any other; U+0009 has no glyph.
    M().FillPage(0);
    EXPECT_EQ(M().Page().Cells()[0x20].caption, u" ");
    EXPECT_EQ(M().Page().Cells()[0x20].pattern, -1);
    EXPECT_EQ(M().Page().Cells()[0x09].pattern, 0);
    M().SelectCell(0x09);
    M().TableFocusLost();
    EXPECT_EQ(M().Page().Cells()[0x09].pattern, 1) << "the selected-inactive copy";

    // Without range data every named code point shows its character.
    ChooseFont(u"Every");
    M().FillPage(0x0370);
    EXPECT_EQ(M().Page().Cells()[0x21].caption, u"\u0391");
    EXPECT_EQ(M().Page().Cells()[0x21].pattern, -1);
    EXPECT_EQ(M().Page().Cells()[8].caption, u" ");
}

// When the first listed subrange does not start at 0, the page starts at it: no rows of unlisted
// subranges are shown.
TEST_F(Paging, PageUpNearTheTopStopsAtTheFirstListedCodePoint) {
    ChooseFont(u"Cyrillic Only");
    EXPECT_EQ(Cp(0), 0x400);
    M().RunTableCommand(TableCommand::PageDown);
    M().SelectCell(20);
    M().RunTableCommand(TableCommand::PageUp);
    EXPECT_EQ(Cp(0), 0x400);
    EXPECT_EQ(M().Page().Current(), 4);
}

// The page U+0370..U+046F holds the end of Greek and the start of Cyrillic; with a Cyrillic cell
// selected, both ways back show the 256 listed code points before U+0370.
TEST_F(Paging, PageUpAndATrackClickAboveTheThumbShowThePageBefore) {
    const std::function<void(MainWindowModel&)> ways[] = {
        [](MainWindowModel& m) { m.RunTableCommand(TableCommand::PageUp); },
        [](MainWindowModel& m) {
            m.ScrollBarChange(m.ScrollBar().State().value - ScrollBarState::kLargeChange);
        },
    };
    for (const auto& page_up : ways) {
        ShowAll(true);
        M().GoToCodePoint(0x370);
        M().SelectCell(0xA0);
        ASSERT_EQ(M().Subranges().CurrentStart(), 0x400);
        page_up(M());
        EXPECT_EQ(Cp(0), 0x270);
        EXPECT_EQ(Cp(255), 0x36F);
    }
}

TEST_F(Paging, ThumbDragsLandInsideTheRightSubrangeUpToTheLastPage) {
    ShowAll(true);
    M().ScrollBarScroll();
    EXPECT_EQ(M().ScrollBar().LastValue(), -1);
    M().ScrollBarChange(M().ScrollBar().State().max / 2);
    const long start = M().Subranges().CurrentStart();
    EXPECT_GE(Cp(0), start);
    EXPECT_LE(Cp(0), M().Subranges().Views().list.items[ItemOf(start)].last);
    M().ScrollBarScroll();
    M().ScrollBarChange(
        M().ScrollBar().State().max);  // the page ends at the last listed code point
    EXPECT_EQ(Cp(0), 0xFF00);
    EXPECT_EQ(Cp(255), 0xFFFF);
    EXPECT_EQ(M().Page().RowLabels()[15], "FFF");
    EXPECT_EQ(M().Page().Current(), 240);  // the row of Specials, where the thumb pointed
    EXPECT_EQ(M().Subranges().CurrentStart(), 0xFFF0);
    // The status follows the page the thumb brought.
    EXPECT_EQ(M().Status().HexPanel(), u"U+" + Utf8ToUtf16(Hex4(Current())));
}

TEST_F(Paging, ScrollRowUpCrossesIntoThePreviousSubrange) {
    ShowAll(true);
    M().ChooseSubrange(ItemOf(0x400));
    EXPECT_EQ(Cp(0), 0x400);
    M().SelectCell(0);
    M().RunTableCommand(TableCommand::Up);
    EXPECT_EQ(Cp(0), 0x3F0);
    EXPECT_EQ(M().Subranges().CurrentStart(), 0x370);
    EXPECT_EQ(M().Subranges().Views().list.selected, ItemOf(0x370));
}

TEST_F(Paging, ScrollArrowsKeepTheSelectionAndTrackClicksPage) {
    ShowAll(true);
    M().FillPage(0x100);
    M().SelectCell(40);
    const long before = Current();
    M().ScrollBarChange(M().ScrollBar().State().value + 1);
    EXPECT_EQ(Cp(0), 0x110);
    EXPECT_EQ(Current(), before);
    M().ScrollBarChange(M().ScrollBar().State().value - 1);
    EXPECT_EQ(Cp(0), 0x100);
    EXPECT_EQ(Current(), before);
    M().ScrollBarChange(M().ScrollBar().State().value + ScrollBarState::kLargeChange);
    EXPECT_EQ(Cp(0), 0x200);
    EXPECT_EQ(M().Status().NamePanel(),
              Utf8ToUtf16(std::string(SharedNames().CharName(Current()))));
}

// Found by scripts/monkey (seed 1): the scroll bar's Top right after Ctrl+Home.
TEST_F(Paging, APageUpOnTheFirstPageStillShowsTheCharacter) {
    ShowAll(true);
    M().RunTableCommand(TableCommand::Last);
    M().RunTableCommand(TableCommand::First);
    ASSERT_GE(M().ScrollBar().State().value, 2);
    M().ScrollBarChange(0);
    EXPECT_EQ(Cp(0), 0);
    EXPECT_EQ(M().Status().HexPanel(), u"U+0000");
    EXPECT_FALSE(M().Status().NamePanel().empty());
}

TEST_F(Paging, ScrollBarFollowsTheCodePoint) {
    ShowAll(true);
    M().ChooseSubrange(0);
    EXPECT_EQ(M().ScrollBar().State().value, 0);
    EXPECT_EQ(M().ScrollBar().State().max, 4088);
    // A jump puts the thumb where the character is, not at the start of its subrange.
    M().GoToCodePoint(0x8000);
    EXPECT_NEAR(M().ScrollBar().State().value, 4088 * (0x8000 - 0x70) / 65424, 2);
}

TEST_F(Paging, PaintStatesAndMarks) {
    ShowAll(true);
    M().FillPage(0);
    M().TableFocusGained();
    M().SelectCell(3);
    EXPECT_EQ(M().Page().Cells()[3].state, PaintState::Selected);
    M().ToggleMark(3);
    M().ToggleMark(4);
    M().ToggleMark(256);  // no such cell
    M().ToggleMark(-1);
    EXPECT_TRUE(M().Page().Cells()[3].marked);
    M().TableFocusLost();
    EXPECT_EQ(M().Page().Cells()[3].state, PaintState::SelectedInactive);
    EXPECT_TRUE(M().Page().Cells()[3].marked);
    M().SelectCell(4);
    EXPECT_EQ(M().Page().Cells()[3].state, PaintState::Normal);
    EXPECT_TRUE(M().Page().Cells()[3].marked);
    EXPECT_EQ(M().Page().Cells()[4].state, PaintState::SelectedInactive);  // until the focus comes
    M().ToggleMark(3);
    EXPECT_FALSE(M().Page().Cells()[3].marked);
    // Marks belong to cells, not characters.
    M().FillPage(0x100);
    EXPECT_TRUE(M().Page().Cells()[4].marked);
}

TEST_F(Paging, AShortListLeavesTheRowsBelowItEmpty) {
    fonts_.fonts.push_back({u"Tagalog Only", CoverageWith({84}), GlyphRanges{}});  // eight rows
    M().LoadFonts();
    ChooseFont(u"Tagalog Only");
    EXPECT_EQ(M().Page().RowLabels()[7], "177");
    EXPECT_TRUE(M().Page().RowLabels()[8].empty());
    for (int i = 128; i < 256; ++i)
        EXPECT_TRUE(M().Page().Cells()[i].caption.empty() && M().Page().Cells()[i].pattern == 0)
            << i;
}

TEST_F(Paging, EmptyCoverageLeavesAUsableEmptyTable) {
    ChooseFont(u"Nothing");
    EXPECT_EQ(M().Subranges().Views().list.items.size(), 0u);
    EXPECT_EQ(M().ScrollBar().State().max, -1);
    for (const Cell& cell : M().Page().Cells())
        EXPECT_TRUE(cell.caption.empty() && cell.pattern == 0);
    for (int command = 0; command <= static_cast<int>(TableCommand::CopyCharacter); ++command)
        M().RunTableCommand(static_cast<TableCommand>(command));
    M().ScrollBarScroll();
    M().ScrollBarChange(5);
    EXPECT_FALSE(M().GoToCodePoint(0x41));
    EXPECT_EQ(M().Status().MessagePanel(), u"Character 0041 not supported by selected font.");
    EXPECT_TRUE(M().Copy().ToCopyBox().text.empty());
    // Showing all lists everything again.
    ShowAll(true);
    EXPECT_EQ(M().Subranges().Views().list.items.size(), 162u);
    EXPECT_EQ(Cp(0), 0);
}

}  // namespace
}  // namespace glyphora::testing

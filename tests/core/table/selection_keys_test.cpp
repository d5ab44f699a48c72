#include <algorithm>
#include <functional>
#include <random>

#include "model_fixture.h"

namespace glyphora::testing {
namespace {

using Selection = ModelTest;

TEST_F(Selection, CodePanelSwitchesBetweenHexAndDecimalAndEnterAppendsTheCharacter) {
    ShowAll(true);
    M().GoToCodePoint(0x41);
    M().CodePanelDoubleClick();
    EXPECT_EQ(M().Status().HexPanel(), u"Alt+65");
    M().CodePanelDoubleClick();
    EXPECT_EQ(M().Status().HexPanel(), u"U+0041");
    EXPECT_EQ(M().Status().NamePanel(), u"Latin Capital Letter A");
    EXPECT_EQ(M().Status().TypePanel(), "Uppercase, Hex. digit; Left to right");
    M().CellDoubleClick();
    M().RunTableCommand(TableCommand::Activate);
    EXPECT_EQ(M().Copy().ToCopyBox().text, u"AA");
    EXPECT_TRUE(M().Copy().ResetEnabled());
}

TEST_F(Selection, ViewPatternForMarksAndOverhangs) {
    ShowAll(true);
    metrics_.widths[u'f'] = {-2, 8, -1};
    metrics_.widths[u'j'] = {-1, 6, 1};
    M().ViewPatternClick(true);

    M().GoToCodePoint(0x301);
    EXPECT_TRUE(M().Status().ViewPatternEnabled());
    EXPECT_EQ(M().Status().ViewPatternChoice(), ViewPattern::Combining);
    EXPECT_TRUE(M().Status().ViewPatternVisible());

    M().GoToCodePoint('j');
    EXPECT_EQ(M().Status().ViewPatternChoice(), ViewPattern::Overhang);
    EXPECT_EQ(M().Status().ViewCaption(), u" j");
    M().GoToCodePoint('f');  // both sides overhang: the right-hand rule wins
    EXPECT_EQ(M().Status().ViewCaption(), u"f ");

    M().GoToCodePoint(0x301);
    M().RaiseUpdateBusy();  // a click while the window updates changes the check mark only
    M().ViewPatternClick(false);
    EXPECT_TRUE(M().Status().ViewPatternVisible());
    M().LowerUpdateBusy();
    metrics_.widths[u'g'] = {0, 8, 0};  // touching both edges is no overhang
    M().GoToCodePoint('g');
    EXPECT_FALSE(M().Status().ViewPatternEnabled());
    EXPECT_EQ(M().Status().ViewCaption(), u"g");
    M().GoToCodePoint('a');
    EXPECT_FALSE(M().Status().ViewPatternEnabled());
    EXPECT_FALSE(M().Status().ViewPatternVisible());
    EXPECT_EQ(M().Status().ViewCaption(), u"a");
    EXPECT_TRUE(M().Copy().FormatEnabled(CopyFormat::Picture));
}

TEST_F(Selection, MessageStaysForQuietRefreshesOnly) {
    ShowAll(true);
    M().Status().SetMessage(u"hello");
    M().TableFocusGained();  // the focus the last selection asked for
    M().TableFocusLost();
    M().TableFocusGained();  // the user tabbed in: quiet refresh
    EXPECT_EQ(M().Status().MessagePanel(), u"hello");
    EXPECT_EQ(M().Page().Cells()[M().Page().Current()].state, PaintState::Selected);
    M().TableFocusLost();  // a click from another control
    M().SelectCell(7);
    EXPECT_TRUE(M().Status().MessagePanel().empty());
    EXPECT_EQ(M().TakeFocusRequest(), FocusTarget::Table);
    M().TableFocusGained();  // the cell looks focused once the focus it asked for is there
    EXPECT_EQ(M().Page().Cells()[7].state, PaintState::Selected);
}

// A refresh the program makes (another font, a scroll) paints the selection as the focus is.
TEST_F(Selection, QuietRefreshesPaintTheSelectionAsTheTablesFocusIs) {
    ShowAll(true);
    const std::function<void()> refreshes[] = {
        [&] { ChooseFont(u"Latin Only"); },
        [&] { ChooseFont(u"Every"); },
        [&] { M().ScrollBarChange(M().ScrollBar().State().value + 1); },
    };
    for (const bool focused : {false, true}) {
        focused ? M().TableFocusGained() : M().TableFocusLost();
        for (const auto& refresh : refreshes) {
            refresh();
            EXPECT_EQ(M().Page().Cells()[M().Page().Current()].state,
                      focused ? PaintState::Selected : PaintState::SelectedInactive);
        }
    }
}

TEST_F(Selection, SelectingAnotherSubrangeMakesItCurrentAndRefreshesFontIcons) {
    ShowAll(true);
    M().FillPage(0x3F0);  // last row of Greek, then Cyrillic
    M().SelectCell(0);
    EXPECT_EQ(M().Subranges().CurrentStart(), 0x370);
    M().SelectCell(16);
    EXPECT_EQ(M().Subranges().CurrentStart(), 0x400);
    const auto& fonts = M().Fonts().Items().items;
    EXPECT_TRUE(fonts[*M().Fonts().ItemByName(u"Cyrillic Only")].check);
    EXPECT_FALSE(fonts[*M().Fonts().ItemByName(u"Latin Only")].check);
}

using Keys = ModelTest;

// Left and Right wrap at the page edges, Up and Down scroll under a fixed selection, the row's
// start and end go along the row, First and Last to the ends of the list, where nothing moves
// further.
TEST_F(Keys, MoveTheSelectionAndThePage) {
    const struct {
        long page;
        int cell;
        TableCommand command;
        long first;
        int cell_after;
    } cases[] = {
        {0x40, 0, TableCommand::Left, 0x30, 15},
        {0x40, 5, TableCommand::Left, 0x40, 4},
        {0x40, 254, TableCommand::Right, 0x40, 255},
        {0x100, 255, TableCommand::Right, 0x110, 240},
        {0x100, 3, TableCommand::Up, 0xF0, 3},
        {0x100, 250, TableCommand::Down, 0x110, 250},
        {0x100, 240, TableCommand::Down, 0x110, 240},
        {0x100, 16, TableCommand::Up, 0x100, 0},
        {0x40, 37, TableCommand::PageUp, 0, 5},  // to the first listed code point, same column
        {0x100, 37, TableCommand::RowStart, 0x100, 32},
        {0x100, 37, TableCommand::RowEnd, 0x100, 47},
        {0x100, 37, TableCommand::Last, 0xFF00, 255},
        {0x100, 37, TableCommand::First, 0, 0},
        {0xFF00, 255, TableCommand::Right, 0xFF00, 255},
        {0xFF00, 255, TableCommand::Down, 0xFF00, 255},
        {0xFF00, 255, TableCommand::PageDown, 0xFF00, 255},
        {0, 0, TableCommand::Left, 0, 0},
        {0, 0, TableCommand::Up, 0, 0},
        {0, 0, TableCommand::PageUp, 0, 0},
    };
    ShowAll(true);
    for (const auto& c : cases) {
        M().FillPage(c.page);
        M().SelectCell(c.cell);
        M().RunTableCommand(c.command);
        const int command = static_cast<int>(c.command);
        EXPECT_EQ(Cp(0), c.first) << command << " from " << std::hex << c.page;
        EXPECT_EQ(M().Page().Current(), c.cell_after) << command << " from " << std::hex << c.page;
    }
    EXPECT_EQ(M().ScrollBar().State().value, 0);
    M().RunTableCommand(TableCommand::Last);
    EXPECT_EQ(M().ScrollBar().State().value, M().ScrollBar().State().max);
    EXPECT_EQ(M().UpdateBusy(), 0);
}

using Choice = ModelTest;

TEST_F(Choice, GoToCodePointCoveredUncoveredAndPastTheEnd) {
    ChooseFont(u"Latin Only");  // Show All off: Basic Latin .. Latin Extended-B
    EXPECT_TRUE(M().GoToCodePoint(0x41));
    EXPECT_EQ(Cp(0), 0x40);
    EXPECT_EQ(M().Page().Current(), 1);
    EXPECT_FALSE(M().GoToCodePoint(0x416));
    EXPECT_EQ(Current(), 0x24F);  // last code point before the gap
    EXPECT_EQ(Cp(255), 0x24F);
    EXPECT_EQ(M().Status().MessagePanel(), u"Character 0416 not supported by selected font.");
    EXPECT_EQ(M().RequestedCodePoint(), 0x416);
    EXPECT_FALSE(M().GoToCodePoint(0xFFFF));
    EXPECT_EQ(Current(), 0x24F);
}

// Show All and another font keep the page while it stays listed.
TEST_F(Choice, ShowAllAndAFontChangeKeepThePageWhileItStaysListed) {
    M().GoToCodePoint(0x105);
    const int cell = M().Page().Current();
    ChooseFont(u"Latin Only");
    EXPECT_EQ(metrics_.family, u"Latin Only");
    for (bool show_all : {true, false}) {
        ShowAll(show_all);
        EXPECT_EQ(Cp(0), 0x100);
        EXPECT_EQ(M().Page().Current(), cell);
    }
    ChooseFont(u"Cyrillic Only");  // does not cover Latin Extended-A
    EXPECT_EQ(M().Subranges().CurrentStart(), 0x400);
    EXPECT_EQ(Cp(0), 0x400);
    EXPECT_EQ(M().Page().Current(), 0);
}

TEST_F(Choice, ComboChoiceOfTheSelectedSubrangeDoesNothing) {
    ShowAll(true);
    M().GoToCodePoint(0x105);
    const auto entry = [&](std::u16string_view name) {
        const auto& entries = M().Subranges().Views().combo.entries;
        return static_cast<std::size_t>(
            std::find_if(entries.begin(), entries.end(),
                         [&](const ComboEntry& e) { return e.text == name; }) -
            entries.begin());
    };
    M().SelectCell(9);
    M().ComboSubrangeChosen(entry(u"Latin Extended-A"));
    EXPECT_EQ(M().Page().Current(), 9);
    M().ComboSubrangeChosen(entry(u"Greek and Coptic"));
    EXPECT_EQ(Cp(0), 0x370);
    EXPECT_EQ(M().Page().Current(), 0);
}

// Random walks through every operation; after each step the table must still be a sound page.
TEST_F(Choice, RandomActionsKeepTheTableSound) {
    std::mt19937 rng(12345);
    const std::vector<std::u16string> families = {u"Every", u"Latin Only", u"Nothing",
                                                  u"Cyrillic Only"};
    for (int step = 0; step < 1500; ++step) {
        const int action = static_cast<int>(rng() % 10);
        switch (action) {
            case 0:
                ChooseFont(families[rng() % families.size()]);
                break;
            case 1:
                ShowAll(rng() % 2);
                break;
            case 2:
                M().GoToCodePoint(static_cast<long>(rng() % 0x10000));
                break;
            case 3:
                if (!M().Subranges().Views().list.items.empty())
                    M().ChooseSubrange(rng() % M().Subranges().Views().list.items.size());
                break;
            case 4:
                M().SelectCell(static_cast<int>(rng() % 256));
                break;
            case 5:
                M().ScrollBarChange(M().ScrollBar().State().value + static_cast<int>(rng() % 35) -
                                    17);
                break;
            case 6:
                M().ScrollBarScroll();
                M().ScrollBarChange(static_cast<int>(rng() % (M().ScrollBar().State().max + 2)));
                break;
            default:
                // The moves: every command up to Last.
                M().RunTableCommand(static_cast<TableCommand>(rng() % 10));
        }
        const auto& items = M().Subranges().Views().list.items;
        ASSERT_GE(M().Page().Current(), 0);
        ASSERT_LT(M().Page().Current(), 256);
        ASSERT_GE(M().ScrollBar().State().value, 0);
        ASSERT_LE(M().ScrollBar().State().value, std::max(M().ScrollBar().State().max, 0));
        if (items.empty()) continue;
        ASSERT_TRUE(M().Subranges().Views().list.FindId(M().Subranges().CurrentStart()))
            << "step " << step;
        long previous = -1;
        for (int i = 0; i < 256; ++i) {
            if (M().Page().RowLabels()[i / 16].empty()) continue;
            const long cp = Cp(i);
            ASSERT_GT(cp, previous) << "step " << step << " cell " << i;
            previous = cp;
            bool listed = false;
            for (const auto& item : items)
                if (item.id <= cp && cp <= item.last) listed = true;
            ASSERT_TRUE(listed) << "step " << step << " cell " << i << " cp " << cp;
        }
        ASSERT_FALSE(M().Page().RowLabels()[M().Page().Current() / 16].empty()) << "step " << step;
    }
}

}  // namespace
}  // namespace glyphora::testing

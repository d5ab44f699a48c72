#include "search_fixture.h"

namespace glyphora::testing {
namespace {

using GoTo = SearchTest;

TEST_F(GoTo, DecimalRefusesTheDigitThatPassesFFFFWhereverTheCaretIs) {
    ShowAll(true);
    S().SwitchGoToNotation();
    EXPECT_EQ(GoToText(), u"0");  // an empty box switched to decimal
    ClearGoTo();
    M().GoToCodePoint(0x41);
    TypeGoTo(u"65536");
    EXPECT_EQ(GoToText(), u"6553");
    EXPECT_EQ(S().GoToBox().caret, 4u);
    EXPECT_EQ(Current(), 0x41);
    TypeGoTo(u"5");
    EXPECT_EQ(Current(), 0xFFFF);
    ClearGoTo();
    TypeGoTo(u"8364");
    S().GoToKeyDown(kEnterBoxKey);
    EXPECT_EQ(Current(), 0x20AC);
    S().GoToTextChanged(u"9655", 0);
    S().GoToTextChanged(u"99655", 1);  // typed at the front
    EXPECT_EQ(GoToText(), u"9965");
    S().GoToTextChanged(u"1a2", 3);
    EXPECT_EQ(GoToText(), u"12");
}

TEST_F(GoTo, LeavingTheBoxKeepsItOnlyWhenItShowsTheCurrentCodePoint) {
    ChooseFont(u"Latin Only");
    TypeGoTo(u"00E9");
    S().GoToFocusLost();
    EXPECT_EQ(GoToText(), u"00E9");
    ClearGoTo();
    TypeGoTo(u"41");
    S().SetMenuOpen(SearchOption::GoTo, true);
    S().GoToFocusLost();
    EXPECT_EQ(GoToText(), u"41");
    S().SetMenuOpen(SearchOption::GoTo, false);
    S().GoToFocusLost();
    EXPECT_EQ(GoToText(), u"");
    S().SwitchGoToNotation();
    ClearGoTo();
    TypeGoTo(u"233");
    S().GoToKeyDown(kEnterBoxKey);
    S().GoToFocusLost();  // 233 in decimal is U+00E9
    EXPECT_EQ(GoToText(), u"233");
    // A code the font lacks goes to the nearest, and the box is cleared on leaving.
    S().SwitchGoToNotation();
    ClearGoTo();
    TypeGoTo(u"03B1");
    EXPECT_EQ(M().Status().MessagePanel(), u"Character 03B1 not supported by selected font.");
    S().GoToFocusLost();
    EXPECT_EQ(GoToText(), u"");
    S().GoToTextChanged(u"00fc", 4);  // hexadecimal digits in either case
    EXPECT_EQ(Current(), 0xFC);
}

}  // namespace
}  // namespace glyphora::testing

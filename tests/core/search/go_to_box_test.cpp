#include "search_fixture.h"

namespace glyphora::testing {
namespace {

using GoTo = SearchTest;

TEST_F(GoTo, HexMovesAtTheFourthDigitOrOnEnter) {
    ShowAll(true);
    M().GoToCodePoint(0x41);
    TypeGoTo(u"20a");
    EXPECT_EQ(Current(), 0x41);
    TypeGoTo(u"c5");  // the box is full after the c
    EXPECT_EQ(Current(), 0x20AC);
    EXPECT_EQ(GoToText(), u"20ac");
    ClearGoTo();
    TypeGoTo(u"41");
    EXPECT_FALSE(S().GoToKeyPress('4'));
    EXPECT_TRUE(S().GoToKeyPress(13));
    EXPECT_EQ(Current(), 0x41);
    ClearGoTo();
    EXPECT_TRUE(S().GoToKeyPress(13));  // swallowed even when there is nothing to go to
    EXPECT_EQ(Current(), 0x41);
    S().GoToTextChanged(u"x2y0z", 5);  // only digits of the notation stay
    EXPECT_EQ(GoToText(), u"20");
    EXPECT_EQ(S().GoToBox().caret, 2u);
    S().GoToTextChanged(u"20AC5", 5);  // a pasted code is cut to the box length
    EXPECT_EQ(GoToText(), u"20AC");
    EXPECT_EQ(Current(), 0x20AC);
}

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
    S().GoToKeyPress(13);
    EXPECT_EQ(Current(), 0x20AC);
    S().GoToTextChanged(u"9655", 0);
    S().GoToTextChanged(u"99655", 1);  // typed at the front
    EXPECT_EQ(GoToText(), u"9965");
    S().GoToTextChanged(u"1a2", 3);
    EXPECT_EQ(GoToText(), u"12");
}

TEST_F(GoTo, SwitchingConvertsTheBoxAndStartUpSetsTheNotationBySwitching) {
    ShowAll(true);
    TypeGoTo(u"20AC");
    S().SwitchGoToNotation();
    EXPECT_EQ(GoToText(), u"8364");
    EXPECT_EQ(S().GoToCaption(), u"&Go to (Dec):");
    EXPECT_EQ(S().GoToMaxLength(), 5u);
    S().SwitchGoToNotation();
    EXPECT_EQ(GoToText(), u"20AC");
    EXPECT_EQ(S().GoToCaption(), u"&Go to (Hex):");
    EXPECT_EQ(S().GoToMaxLength(), 4u);
    ClearGoTo();
    S().RestoreGoToNotation(false);
    EXPECT_FALSE(S().GoToHex());
    EXPECT_EQ(GoToText(), u"0");
    S().RestoreGoToNotation(true);
    EXPECT_TRUE(S().GoToHex());
    EXPECT_EQ(GoToText(), u"0");  // a zero value stays as it is
    S().SwitchGoToNotation();
    ClearGoTo();
    S().SwitchGoToNotation();  // an empty decimal box stays empty in hexadecimal
    EXPECT_EQ(GoToText(), u"");
}

TEST_F(GoTo, LeavingTheBoxKeepsItOnlyWhenItShowsTheCurrentCodePoint) {
    ChooseFont(u"Latin Only");
    TypeGoTo(u"00E9");
    S().GoToFocusLost();
    EXPECT_EQ(GoToText(), u"00E9");
    ClearGoTo();
    TypeGoTo(u"41");
    S().SetGoToMenuOpen(true);
    S().GoToFocusLost();
    EXPECT_EQ(GoToText(), u"41");
    S().SetGoToMenuOpen(false);
    S().GoToFocusLost();
    EXPECT_EQ(GoToText(), u"");
    S().SwitchGoToNotation();
    ClearGoTo();
    TypeGoTo(u"233");
    S().GoToKeyPress(13);
    S().GoToFocusLost();  // 233 in decimal is U+00E9
    EXPECT_EQ(GoToText(), u"233");
    // A code the font lacks goes to the nearest, and the box is cleared on leaving.
    S().SwitchGoToNotation();
    ClearGoTo();
    TypeGoTo(u"03B1");
    EXPECT_EQ(M().MessagePanel(), u"Character 03B1 not supported by selected font.");
    S().GoToFocusLost();
    EXPECT_EQ(GoToText(), u"");
}

}  // namespace
}  // namespace glyphora::testing

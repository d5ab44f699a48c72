#include <algorithm>

#include "base/text.h"
#include "search_fixture.h"

namespace glyphora::testing {
namespace {

using Search = SearchTest;

std::string Upper(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; });
    return out;
}

// Every code point from `from` to `to` whose name holds every word.
std::vector<long> Holders(std::vector<std::string> words, long from, long to) {
    std::vector<long> found;
    for (auto& w : words) w = Upper(w);
    for (long cp = from; cp <= to; ++cp) {
        const std::string name = Upper(SharedNames().CharName(cp));
        if (std::all_of(words.begin(), words.end(),
                        [&](const std::string& w) { return name.find(w) != std::string::npos; }))
            found.push_back(cp);
    }
    return found;
}

TEST_F(Search, CurlDFindsTheFirstNameHoldingBothWordsInAnyOrderAndCase) {
    ShowAll(true);
    const std::vector<long> holders = Holders({"curl", "d"}, 0, 0xFFFF);
    ASSERT_FALSE(holders.empty());
    EXPECT_EQ(holders.front(), 0x0221);  // no earlier name holds both
    for (const std::u16string text : {u"curl d", u"d curl", u"CURL D", u"Curl d"}) {
        EXPECT_EQ(SearchFor(text), holders.front());
        EXPECT_EQ(Current(), 0x0221);
        EXPECT_EQ(M().NamePanel(), u"Latin Small Letter D With Curl");
        EXPECT_EQ(M().MessagePanel(), u"");
        EXPECT_EQ(S().ButtonCaption(), u"N&ext (F3)");
        EXPECT_TRUE(S().ButtonEnabled());
        EXPECT_EQ(S().SearchPosition(), 0x0222);
        EXPECT_EQ(SearchText(), text);  // the go-to leaves the search box alone
    }
    // The same words in another case are one history entry; another order is another text.
    EXPECT_EQ(S().History(), (std::vector<std::u16string>{u"d curl", u"curl d"}));
}

TEST_F(Search, TheWordDMatchesAnyNameWithTheLetterD) {
    ShowAll(true);
    EXPECT_EQ(SearchFor(u"d"), Holders({"d"}, 0, 0xFFFF).front());
    EXPECT_EQ(SearchFor(u"  "), 0);  // only empty words: every name holds them
}

TEST_F(Search, NextContinuesAfterTheMatchUntilNoMoreOccurrences) {
    ShowAll(true);
    const std::vector<long> holders = Holders({"with", "curl"}, 0, 0xFFFF);
    ASSERT_GE(holders.size(), 3u);
    EXPECT_EQ(SearchFor(u"with curl"), holders[0]);
    for (std::size_t i = 1; i < holders.size(); ++i) {
        ASSERT_TRUE(S().CanSearchNext());
        EXPECT_EQ(S().Search(), holders[i]);  // F3
        EXPECT_EQ(Current(), holders[i]);
    }
    M().TakeFocusRequest();
    EXPECT_EQ(S().Search(), std::nullopt);
    EXPECT_EQ(M().MessagePanel(), u"No more occurences.");
    EXPECT_EQ(S().ButtonCaption(), u"S&earch");
    EXPECT_FALSE(S().ButtonEnabled());
    EXPECT_EQ(M().TakeFocusRequest(), FocusTarget::Table);
    EXPECT_EQ(Current(), holders.back());  // the table stays on the last match
    // The position is kept: F3 says the same again; Enter does nothing while the button is off.
    EXPECT_EQ(S().SearchPosition(), holders.back() + 1);
    EXPECT_TRUE(S().CanSearchNext());
    PressEnterInSearch();
    EXPECT_EQ(S().History(), std::vector<std::u16string>{u"with curl"});

    // Editing the text starts afresh.
    TypeSearch(u"with curls");
    EXPECT_TRUE(S().ButtonEnabled());
    EXPECT_EQ(S().SearchPosition(), 0);
    EXPECT_FALSE(S().CanSearchNext());
}

TEST_F(Search, AFreshFailingSearchFromU0000SaysNoCharacterFound) {
    ShowAll(true);
    M().GoToCodePoint(0x41);
    EXPECT_EQ(SearchFor(u"zzqx"), std::nullopt);
    EXPECT_EQ(M().MessagePanel(), u"No character found.");
    EXPECT_TRUE(S().ButtonEnabled());
    EXPECT_EQ(S().ButtonCaption(), u"S&earch");
    EXPECT_EQ(S().SearchPosition(), 0);
    EXPECT_TRUE(S().History().empty());
    EXPECT_EQ(Current(), 0x41);
}

TEST_F(Search, AFreshFailingSearchWhoseRangeStartsLaterSaysNoMoreOccurrences) {
    // The range starts at the first listed code point, which becomes the search position, so a
    // miss reads as the end of a search under way.
    ChooseFont(u"Cyrillic Only");
    EXPECT_EQ(SearchFor(u"latin"), std::nullopt);
    EXPECT_EQ(M().MessagePanel(), u"No more occurences.");
    EXPECT_FALSE(S().ButtonEnabled());
}

TEST_F(Search, TheRangeRunsFromTheFirstToTheLastListedSubrangeGapsIncluded) {
    // "Latin Only" lists U+0000..U+024F: Greek lies beyond the range.
    ChooseFont(u"Latin Only");
    EXPECT_EQ(SearchFor(u"greek small letter alpha"), std::nullopt);
    EXPECT_EQ(SearchFor(u"&alpha;"), std::nullopt);
    EXPECT_EQ(M().MessagePanel(), u"No character found.");

    // "Every" lists Cyrillic and General Punctuation but not Armenian between them: a name in
    // that gap is found, and the go-to reports that the font lacks it.
    ChooseFont(u"Every");
    const long armenian = Holders({"armenian"}, 0, 0xFFFF).front();
    EXPECT_EQ(SearchFor(u"armenian"), armenian);
    EXPECT_EQ(M().MessagePanel(),
              Utf8ToUtf16("Character " + Hex4(armenian) + " not supported by selected font."));
}

TEST_F(Search, NothingListedFindsNothing) {
    ChooseFont(u"Nothing");
    ASSERT_EQ(M().ListedCount(), 0);
    EXPECT_EQ(SearchFor(u"a"), std::nullopt);
    EXPECT_EQ(M().MessagePanel(), u"No character found.");
    EXPECT_EQ(SearchFor(u"&amp;"), std::nullopt);
    EXPECT_EQ(M().MessagePanel(), u"No character found.");
}

TEST_F(Search, EntitySearchComparesTheNameExactly) {
    ShowAll(true);
    EXPECT_EQ(SearchFor(u"&eacute;"), 0xE9);
    EXPECT_EQ(Current(), 0xE9);
    EXPECT_EQ(SearchFor(u"&Eacute;"), 0xC9);
    EXPECT_EQ(SearchFor(u" &amp; "), std::nullopt);  // a leading space makes it a name search
    EXPECT_EQ(SearchFor(u"&amp; "), 0x26);           // trailing spaces are trimmed
    // "&Eacute;" is "&eacute;" to the history, which ignores case.
    EXPECT_EQ(S().History(), (std::vector<std::u16string>{u"&amp; ", u"&eacute;"}));
    // The entity search neither reads nor sets the search position, and disables the button.
    EXPECT_EQ(S().SearchPosition(), 0);
    EXPECT_FALSE(S().CanSearchNext());
    EXPECT_FALSE(S().ButtonEnabled());
    EXPECT_EQ(S().ButtonCaption(), u"S&earch");
}

TEST_F(Search, EntitySyntax) {
    ShowAll(true);
    struct Case {
        std::u16string text;
        std::u16string_view message;
    };
    const Case cases[] = {
        {u"&;", u"No character found."},       {u"&nosuchentity;", u"No character found."},
        {u"&amp", u"Illegal entity syntax."},  {u"&a b;", u"Illegal entity syntax."},
        {u"&a&b;", u"Illegal entity syntax."}, {u"&a;b;", u"Illegal entity syntax."},
        {u"&", u"Illegal entity syntax."},     {u"& ", u"Illegal entity syntax."},
    };
    for (const Case& c : cases) {
        M().GoToCodePoint(0x41);
        M().TakeFocusRequest();
        EXPECT_EQ(SearchFor(c.text), std::nullopt) << Utf16ToUtf8(c.text);
        EXPECT_EQ(M().MessagePanel(), c.message) << Utf16ToUtf8(c.text);
        EXPECT_EQ(Current(), 0x41);
        const FocusTarget focus = M().TakeFocusRequest();
        if (c.message == u"Illegal entity syntax.") {
            EXPECT_EQ(focus, FocusTarget::SearchBox);
        }
    }
    EXPECT_TRUE(S().History().empty());
}

TEST_F(Search, HistoryKeepsTwentyDistinctTextsNewestFirst) {
    ShowAll(true);
    for (char16_t c = u'a'; c <= u'u'; ++c) ASSERT_TRUE(SearchFor(std::u16string(1, c)));
    ASSERT_EQ(S().History().size(), 20u);
    EXPECT_EQ(S().History().front(), u"u");
    EXPECT_EQ(S().History().back(), u"b");  // the 21st success dropped "a"
    ASSERT_TRUE(SearchFor(u"K"));
    EXPECT_EQ(S().History().size(), 20u);
    EXPECT_EQ(S().History().front(), u"u");
    EXPECT_EQ(SearchFor(u"qqqq"), std::nullopt);  // failures are not remembered
    EXPECT_EQ(S().History().front(), u"u");
}

TEST_F(Search, ClickingAnEntryMovesItToTheTopAndStartsAfresh) {
    ShowAll(true);
    S().SetHistory({u"three", u"curl d", u"one"});
    ASSERT_TRUE(SearchFor(u"three"));
    ASSERT_TRUE(S().CanSearchNext());
    S().HistoryClicked(1);
    EXPECT_EQ(S().History(), (std::vector<std::u16string>{u"curl d", u"three", u"one"}));
    EXPECT_EQ(SearchText(), u"curl d");
    EXPECT_EQ(S().SearchPosition(), 0);
    EXPECT_EQ(S().ButtonCaption(), u"S&earch");
    EXPECT_EQ(S().Search(), 0x0221);

    std::vector<std::u16string> many(25, u"x");
    S().SetHistory(many);
    EXPECT_EQ(S().History().size(), 20u);
}

TEST_F(Search, EnterMovesTheFocusToTheButtonAndSearches) {
    ShowAll(true);
    TypeSearch(u"curl d");
    PressEnterInSearch();
    EXPECT_EQ(Current(), 0x0221);
    EXPECT_EQ(M().TakeFocusRequest(), FocusTarget::Table);  // the match selects its cell
    TypeSearch(u"&amp");
    PressEnterInSearch();
    EXPECT_EQ(M().TakeFocusRequest(), FocusTarget::SearchBox);
    TypeSearch(u"zzqx");
    PressEnterInSearch();
    EXPECT_EQ(M().TakeFocusRequest(), FocusTarget::SearchButton);
}

TEST_F(Search, FilterKeepsOnlyLettersDigitsAmpersandSemicolonAndSpace) {
    S().SearchTextChanged(u"curl-d!", 7);
    EXPECT_EQ(SearchText(), u"curld");
    EXPECT_EQ(S().SearchBox().caret, 5u);
    EXPECT_EQ(S().FilterNesting(), 0);
    S().SearchTextChanged(u"&eacute;", 8);
    EXPECT_EQ(SearchText(), u"&eacute;");
    S().SearchTextChanged(u"?!", 2);
    EXPECT_EQ(SearchText(), u"");
    EXPECT_FALSE(S().ButtonEnabled());
}

TEST_F(Search, UndoSwapsTheTextWithTheTextBeforeTheLastEdit) {
    TypeSearch(u"ab");
    S().SearchKeyDown('C', 0);
    TypeSearch(u"abc");
    EXPECT_EQ(S().UndoText(), u"ab");
    S().SearchKeyDown('Z', kCtrlBit);
    EXPECT_EQ(SearchText(), u"ab");
    S().SearchKeyDown(8, kAltBit);  // Alt+Backspace undoes too, and a second undo redoes
    EXPECT_EQ(SearchText(), u"abc");
}

TEST_F(Search, TheThreeBoxesAreExclusive) {
    ShowAll(true);
    TypeGoTo(u"41");
    EXPECT_EQ(GoToText(), u"41");
    TypeSearch(u"curl");
    EXPECT_EQ(GoToText(), u"");
    S().SymbolTextChanged(u"x");
    EXPECT_EQ(SearchText(), u"");
    EXPECT_FALSE(S().ButtonEnabled());
    EXPECT_EQ(SymbolText(), u"x");
    TypeGoTo(u"4");
    EXPECT_EQ(SymbolText(), u"");
    EXPECT_EQ(GoToText(), u"4");
}

TEST_F(Search, MovingTheTableByOtherMeansEmptiesTheBoxes) {
    ShowAll(true);
    ASSERT_TRUE(SearchFor(u"curl d"));
    M().TableKeyDown(keys::kRight, 0);
    EXPECT_EQ(SearchText(), u"");
    EXPECT_FALSE(S().ButtonEnabled());
    EXPECT_EQ(M().RequestedCodePoint(), 0);
    // The position stays, so F3 runs the button's action, which finds no text to search for.
    EXPECT_TRUE(S().CanSearchNext());
    EXPECT_EQ(S().Search(), std::nullopt);
    EXPECT_EQ(Current(), 0x0222);
}

// ---- Symbol box -----------------------------------------------------------------------------

TEST_F(Search, TypingASymbolJumpsToIt) {
    ShowAll(true);
    S().SymbolFocusGained();
    S().SymbolKeyDown('A', kShiftBit, false);
    EXPECT_EQ(S().SymbolSelectionLength(), 1u);  // the typed character replaces the old one
    S().SymbolTextChanged(u"\u20AC");
    EXPECT_EQ(Current(), 0x20AC);
    EXPECT_EQ(SymbolText(), u"\u20AC");
    S().SymbolFocusLost();  // the box shows the current character: it stays
    EXPECT_EQ(SymbolText(), u"\u20AC");
    S().SymbolTextChanged(u"xyz");  // one character at most
    EXPECT_EQ(SymbolText(), u"x");
    EXPECT_EQ(Current(), u'x');
}

TEST_F(Search, LeavingTheSymbolBoxWhileAnotherCharacterIsCurrentEmptiesIt) {
    ChooseFont(u"Latin Only");
    S().SymbolTextChanged(u"\u03B1");  // not listed: the table goes to the nearest character
    EXPECT_NE(Current(), 0x03B1);
    EXPECT_EQ(SymbolText(), u"\u03B1");
    S().SetSymbolMenuOpen(true);
    S().SymbolFocusLost();
    EXPECT_EQ(SymbolText(), u"\u03B1");
    S().SetSymbolMenuOpen(false);
    S().SymbolFocusLost();
    EXPECT_EQ(SymbolText(), u"");
}

TEST_F(Search, ATypedByteOfTheAnsiCodePageIsReadAsItsCharacter) {
    ShowAll(true);
    S().SymbolTextChanged(u"\u0080");  // a keyboard byte 0x80 is the euro sign
    EXPECT_EQ(SymbolText(), u"\u20AC");
    EXPECT_EQ(Current(), 0x20AC);
    EXPECT_FALSE(S().ConversionGuard());

    S().SymbolBeforePaste();  // pasted text is Unicode already
    S().SymbolTextChanged(u"\u0081");
    EXPECT_EQ(Current(), 0x81);
    S().SymbolBeforePaste();
    S().SymbolTextChanged(u"\u0080");
    EXPECT_EQ(Current(), 0x80);
    EXPECT_FALSE(S().ConversionGuard());  // each change clears it

    S().SymbolKeyDown(97, kAltBit, true);  // Alt + keypad 1 with Num Lock on
    EXPECT_TRUE(S().ConversionGuard());
    S().SymbolTextChanged(u"\u0082");
    EXPECT_EQ(Current(), 0x82);
    S().SymbolKeyDown(97, kAltBit, false);
    S().SymbolKeyDown(97, kAltBit | kCtrlBit, true);
    S().SymbolKeyDown(48, kAltBit, true);
    EXPECT_FALSE(S().ConversionGuard());
}

TEST_F(Search, TheSymbolBoxIgnoresChangesWhileTheUpdateBusyCountIsUp) {
    ShowAll(true);
    M().GoToCodePoint(0x41);
    M().RaiseUpdateBusy();
    S().SymbolTextChanged(u"x");
    M().LowerUpdateBusy();
    EXPECT_EQ(Current(), 0x41);
    EXPECT_EQ(SymbolText(), u"x");
}

}  // namespace
}  // namespace glyphora::testing

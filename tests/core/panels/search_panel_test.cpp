#include "base/text.h"
#include "search_fixture.h"

namespace glyphora::testing {
namespace {

using Search = SearchTest;
using Texts = std::vector<std::u16string>;

TEST_F(Search, CurlDFindsTheFirstNameHoldingBothWordsInAnyOrderAndCase) {
    ShowAll(true);
    EXPECT_EQ(FirstHolder({"curl", "d"}), 0x0221);
    for (const std::u16string text : {u"curl d", u"d curl", u"CURL D"}) {
        EXPECT_EQ(SearchFor(text), 0x0221);
        EXPECT_EQ(M().Status().NamePanel(), u"Latin Small Letter D With Curl");
        EXPECT_EQ(M().Status().MessagePanel(), u"");
        EXPECT_EQ(S().ButtonCaption(), u"N&ext (F3)");
        EXPECT_TRUE(S().ButtonEnabled());
        EXPECT_EQ(S().SearchPosition(), 0x0222);
        EXPECT_EQ(SearchText(), text);  // the go-to leaves the search box alone
    }
    // The same words in another case are one history entry; another order is another text.
    EXPECT_EQ(S().History(), (Texts{u"d curl", u"curl d"}));
    EXPECT_EQ(SearchFor(u"d"), FirstHolder({"d"}));
    EXPECT_EQ(SearchFor(u"  "), 0);  // only empty words: every name holds them
}

TEST_F(Search, NextContinuesAfterTheMatchUntilNoMoreOccurrences) {
    ShowAll(true);
    std::vector<long> holders;
    for (auto cp = FirstHolder({"with", "curl"}); cp; cp = FirstHolder({"with", "curl"}, *cp + 1))
        holders.push_back(*cp);
    ASSERT_GE(holders.size(), 3u);
    EXPECT_EQ(SearchFor(u"with curl"), holders[0]);
    for (std::size_t i = 1; i < holders.size(); ++i) {
        ASSERT_TRUE(S().CanSearchNext());
        // The page the window prepares ahead is where F3 goes; asking does not go there.
        EXPECT_EQ(S().NameSearchTarget(), holders[i]);
        EXPECT_EQ(Current(), holders[i - 1]);
        EXPECT_EQ(S().Search(), holders[i]);  // F3
    }
    EXPECT_EQ(S().NameSearchTarget(), std::nullopt);
    M().TakeFocusRequest();
    EXPECT_EQ(S().Search(), std::nullopt);
    EXPECT_EQ(M().Status().MessagePanel(), u"No more occurences.");
    EXPECT_EQ(S().ButtonCaption(), u"S&earch");
    EXPECT_FALSE(S().ButtonEnabled());
    EXPECT_EQ(M().TakeFocusRequest(), FocusTarget::Table);
    EXPECT_EQ(Current(), holders.back());  // the table stays on the last match
    // The position is kept: F3 says the same again; Enter does nothing while the button is off.
    EXPECT_EQ(S().SearchPosition(), holders.back() + 1);
    EXPECT_TRUE(S().CanSearchNext());
    PressEnterInSearch();
    EXPECT_EQ(S().History(), Texts{u"with curl"});
    // Editing the text starts afresh.
    TypeSearch(u"with curls");
    EXPECT_TRUE(S().ButtonEnabled());
    EXPECT_EQ(S().SearchPosition(), 0);
    EXPECT_FALSE(S().CanSearchNext());
}

TEST_F(Search, TheRangeRunsFromTheFirstToTheLastListedSubrangeGapsIncluded) {
    ShowAll(true);
    M().GoToCodePoint(0x41);
    EXPECT_EQ(SearchFor(u"zzqx"), std::nullopt);  // a fresh search from U+0000
    EXPECT_EQ(M().Status().MessagePanel(), u"No character found.");
    EXPECT_TRUE(S().ButtonEnabled());
    EXPECT_TRUE(S().History().empty());
    EXPECT_EQ(Current(), 0x41);
    // A range that starts later makes its start the search position, so a miss reads as the
    // end of a search under way.
    ShowAll(false);
    ChooseFont(u"Cyrillic Only");
    EXPECT_EQ(SearchFor(u"latin"), std::nullopt);
    EXPECT_EQ(M().Status().MessagePanel(), u"No more occurences.");
    EXPECT_FALSE(S().ButtonEnabled());
    // "Latin Only" lists U+0000..U+024F: Greek lies beyond the range.
    ChooseFont(u"Latin Only");
    EXPECT_EQ(SearchFor(u"greek small letter alpha"), std::nullopt);
    EXPECT_EQ(SearchFor(u"&alpha;"), std::nullopt);
    // "Every" lists Cyrillic and General Punctuation but not Armenian between them: a name in
    // that gap is found, and the go-to reports that the font lacks it.
    ChooseFont(u"Every");
    const long armenian = FirstHolder({"armenian"}).value_or(-1);
    EXPECT_EQ(SearchFor(u"armenian"), armenian);
    EXPECT_EQ(M().Status().MessagePanel(),
              Utf8ToUtf16("Character " + Hex4(armenian) + " not supported by selected font."));
    ChooseFont(u"Nothing");
    EXPECT_EQ(SearchFor(u"a"), std::nullopt);
    EXPECT_EQ(SearchFor(u"&amp;"), std::nullopt);
    EXPECT_EQ(M().Status().MessagePanel(), u"No character found.");
}

TEST_F(Search, EntitySearchComparesTheNameExactly) {
    ShowAll(true);
    EXPECT_EQ(SearchFor(u"&eacute;"), 0xE9);
    EXPECT_EQ(SearchFor(u"&Eacute;"), 0xC9);
    EXPECT_EQ(SearchFor(u" &amp; "), std::nullopt);   // a leading space makes it a name search
    EXPECT_EQ(SearchFor(u"&amp; "), 0x26);            // trailing spaces are trimmed
    EXPECT_EQ(S().NameSearchTarget(), std::nullopt);  // nor is an entity looked for ahead
    // "&Eacute;" is "&eacute;" to the history, which ignores case.
    EXPECT_EQ(S().History(), (Texts{u"&amp; ", u"&eacute;"}));
    // The entity search neither reads nor sets the search position, and disables the button.
    EXPECT_EQ(S().SearchPosition(), 0);
    EXPECT_FALSE(S().ButtonEnabled());
    const std::pair<std::u16string, std::u16string_view> cases[] = {
        {u"&;", u"No character found."},       {u"&nosuchentity;", u"No character found."},
        {u"&amp", u"Illegal entity syntax."},  {u"&a b;", u"Illegal entity syntax."},
        {u"&a&b;", u"Illegal entity syntax."}, {u"&a;b;", u"Illegal entity syntax."},
        {u"&", u"Illegal entity syntax."},     {u"& ", u"Illegal entity syntax."},
    };
    for (const auto& [text, message] : cases) {
        M().GoToCodePoint(0x41);
        EXPECT_EQ(SearchFor(text), std::nullopt) << Utf16ToUtf8(text);
        EXPECT_EQ(M().Status().MessagePanel(), message) << Utf16ToUtf8(text);
        EXPECT_EQ(Current(), 0x41);
    }
    EXPECT_EQ(S().History().size(), 2u);
}

TEST_F(Search, EnterMovesTheFocusToWhereTheSearchEnded) {
    ShowAll(true);
    const std::pair<std::u16string, FocusTarget> cases[] = {
        {u"curl d", FocusTarget::Table},  // the match selects its cell
        {u"&amp", FocusTarget::SearchBox},
        {u"zzqx", FocusTarget::SearchButton},
    };
    for (const auto& [text, focus] : cases) {
        TypeSearch(text);
        PressEnterInSearch();
        EXPECT_EQ(M().TakeFocusRequest(), focus) << Utf16ToUtf8(text);
    }
}

TEST_F(Search, HistoryKeepsTwentyDistinctSuccessfulTextsNewestFirst) {
    ShowAll(true);
    for (char16_t c = u'a'; c <= u'u'; ++c) ASSERT_TRUE(SearchFor(std::u16string(1, c)));
    ASSERT_EQ(S().History().size(), 20u);
    EXPECT_EQ(S().History().back(), u"b");  // the 21st success dropped "a"
    ASSERT_TRUE(SearchFor(u"K"));
    EXPECT_EQ(S().History().size(), 20u);
    EXPECT_EQ(S().History().front(), u"u");
    EXPECT_EQ(SearchFor(u"qqqq"), std::nullopt);  // failures are not remembered
    EXPECT_EQ(S().History().front(), u"u");
    // Clicking an entry moves it to the top and starts afresh.
    S().SetHistory({u"three", u"curl d", u"one"});
    ASSERT_TRUE(SearchFor(u"three"));
    S().HistoryClicked(1);
    EXPECT_EQ(S().History(), (Texts{u"curl d", u"three", u"one"}));
    EXPECT_EQ(SearchText(), u"curl d");
    EXPECT_EQ(S().SearchPosition(), 0);
    EXPECT_EQ(S().ButtonCaption(), u"S&earch");
    EXPECT_EQ(S().Search(), 0x0221);
    S().SetHistory(Texts(25, u"x"));
    EXPECT_EQ(S().History().size(), 20u);
}

TEST_F(Search, TheBoxKeepsOnlyWhatNamesHoldAndUndoesItsLastEdit) {
    S().SearchTextChanged(u"curl-d!", 7);
    EXPECT_EQ(SearchText(), u"curld");
    EXPECT_EQ(S().SearchBox().caret, 5u);
    S().SearchTextChanged(u"&eacute;", 8);
    EXPECT_EQ(SearchText(), u"&eacute;");
    S().SearchTextChanged(u"?!", 2);
    EXPECT_EQ(SearchText(), u"");
    EXPECT_FALSE(S().ButtonEnabled());
    TypeSearch(u"ab");
    S().SearchKeyDown({});
    TypeSearch(u"abc");
    EXPECT_EQ(S().UndoText(), u"ab");
    S().SearchKeyDown({EditCommand::Undo});
    EXPECT_EQ(SearchText(), u"ab");
    S().SearchKeyDown({EditCommand::Undo});  // a second undo redoes
    EXPECT_EQ(SearchText(), u"abc");
}

TEST_F(Search, TheThreeBoxesAreExclusiveAndMovingTheTableEmptiesThem) {
    ShowAll(true);
    TypeGoTo(u"41");
    TypeSearch(u"curl");
    EXPECT_EQ(GoToText(), u"");
    S().SymbolTextChanged(u"x");
    EXPECT_EQ(SearchText(), u"");
    EXPECT_FALSE(S().ButtonEnabled());
    TypeGoTo(u"4");
    EXPECT_EQ(SymbolText(), u"");
    ASSERT_TRUE(SearchFor(u"curl d"));
    M().RunTableCommand(TableCommand::Right);
    EXPECT_EQ(SearchText(), u"");
    EXPECT_EQ(M().RequestedCodePoint(), 0);
    // The position stays, so F3 runs the button's action, which finds no text to search for.
    EXPECT_TRUE(S().CanSearchNext());
    EXPECT_EQ(S().Search(), std::nullopt);
    EXPECT_EQ(Current(), 0x0222);
}

TEST_F(Search, TypingASymbolJumpsToItAndLeavingTheBoxKeepsItOnlyWhileItIsCurrent) {
    ChooseFont(u"Latin Only");
    S().BoxFocusGained(SearchOption::Symbol);
    S().SymbolKeyDown({});
    EXPECT_EQ(S().SymbolSelectionLength(), 1u);  // the typed character replaces the old one
    S().SymbolTextChanged(u"xyz");               // one character at most
    EXPECT_EQ(SymbolText(), u"x");
    EXPECT_EQ(S().SymbolSelectionLength(), 0u);
    EXPECT_EQ(Current(), u'x');
    S().SymbolFocusLost();
    EXPECT_EQ(SymbolText(), u"x");
    S().SymbolTextChanged(u"\u03B1");  // not listed: the table goes to the nearest character
    EXPECT_NE(Current(), 0x03B1);
    S().SetMenuOpen(SearchOption::Symbol, true);
    S().SymbolFocusLost();
    EXPECT_EQ(SymbolText(), u"\u03B1");
    S().SetMenuOpen(SearchOption::Symbol, false);
    S().SymbolFocusLost();
    EXPECT_EQ(SymbolText(), u"");
}

TEST_F(Search, ATypedByteOfTheKeyboardCodePageIsReadAsItsCharacter) {
    ShowAll(true);
    S().SymbolTextChanged(u"\u0080");  // a keyboard byte 0x80 is the euro sign
    EXPECT_EQ(SymbolText(), u"\u20AC");
    EXPECT_EQ(Current(), 0x20AC);
    S().SymbolBeforePaste();  // pasted text is Unicode already
    S().SymbolTextChanged(u"\u0080");
    EXPECT_EQ(Current(), 0x80);
    S().SymbolKeyDown({EditCommand::Paste});  // the paste key too
    S().SymbolTextChanged(u"\u0082");
    EXPECT_EQ(Current(), 0x82);
    S().SymbolKeyDown({EditCommand::Copy});  // each change cleared it
    S().SymbolTextChanged(u"\u0080");
    EXPECT_EQ(Current(), 0x20AC);
    // Changes are ignored while the update busy count is up.
    M().RaiseUpdateBusy();
    S().SymbolTextChanged(u"x");
    M().LowerUpdateBusy();
    EXPECT_EQ(Current(), 0x20AC);
}

}  // namespace
}  // namespace glyphora::testing

// The copy frame driven through the main window's model: formats, the To-copy box, clipboard
// writes and the preview.
#include "copy/copy_panel.h"

#include <gtest/gtest.h>

#include "../table/model_fixture.h"
#include "copy/edit_command.h"
#include "recording_clipboard.h"

namespace glyphora::testing {
namespace {

using Kind = RecordingClipboard::Kind;

constexpr int kUnicode = 0, kRtf = 1, kPercent = 2, kUtf8 = 3, kUtf7 = 4, kUcn = 5, kNcrHex = 6,
              kNcrDec = 7, kCodePage = 8, kCharName = 9, kPicture = 10, kSgml = 11;
constexpr int kRowCyrillic = 7;
constexpr int kRowWestern = 8;
constexpr int kKeyC = 67;
constexpr int kKeyZ = 90;

class CopyPanelTest : public ModelTest {
protected:
    void SetUp() override {
        ModelTest::SetUp();
        model_ = std::make_unique<MainWindowModel>(MainWindowModel::Services{
            &SharedNames(), &classifier_, &measure_, &metrics_, &fonts_, &clipboard_});
        model_->LoadFonts();
        model_->SelectFont(0);
        ShowAll(true);
    }

    CopyPanel& P() { return M().Copy(); }
    // The user types or pastes a whole new text.
    void Paste(const std::u16string& text) {
        P().ToCopyBeforePaste();
        P().ToCopyEdited(text, text.size());
    }
    // The user types one character at the end.
    void Type(char16_t c) {
        P().ToCopyKeyDown(c >= u'a' && c <= u'z' ? c - 32 : c, 0, false);
        P().ToCopyEdited(P().ToCopyText() + c, P().ToCopyText().size() + 1);
    }

    RecordingClipboard clipboard_;
};

TEST_F(CopyPanelTest, EveryFormatEnablesItsControls) {
    const struct {
        int format;
        PictureControlsEnabled picture;
        bool code_page, entity, to_copy, preview, preview_charset;
    } cases[] = {
        {kUnicode, {false, false, false, false}, false, false, true, false, false},
        {kRtf, {true, true, true, false}, false, false, true, true, false},
        {kPercent, {}, false, false, true, true, false},
        {kUtf8, {}, false, false, true, true, false},
        {kUtf7, {}, false, false, true, true, false},
        {kUcn, {}, false, false, true, true, false},
        {kNcrHex, {}, false, false, true, true, false},
        {kNcrDec, {}, false, false, true, true, false},
        {kCodePage, {}, true, false, true, true, true},
        {kCharName, {}, false, false, true, true, false},
        {kPicture, {true, true, true, true}, false, false, true, false, false},
        {kSgml, {}, false, true, false, false, false},
    };
    M().GoToCodePoint(0xE9);  // has an entity and a glyph: every format is available
    for (const auto& c : cases) {
        ASSERT_TRUE(P().FormatEnabled(c.format));
        M().SelectCopyFormat(c.format);
        EXPECT_EQ(P().CurrentFormat(), c.format);
        EXPECT_EQ(P().PictureControls(), c.picture) << c.format;
        EXPECT_EQ(P().CodePageEnabled(), c.code_page) << c.format;
        EXPECT_EQ(P().EntityEnabled(), c.entity) << c.format;
        EXPECT_EQ(P().ToCopyEnabled(), c.to_copy) << c.format;
        EXPECT_EQ(P().Preview().enabled, c.preview) << c.format;
        EXPECT_EQ(P().PreviewCharsetEnabled(), c.preview_charset) << c.format;
    }
    M().SelectCopyFormat(12);  // no such button
    EXPECT_EQ(P().CurrentFormat(), kSgml);
    M().GoToCodePoint(0x41);
    M().SelectCopyFormat(kSgml);  // a disabled button cannot be chosen
    EXPECT_EQ(P().CurrentFormat(), kUnicode);
}

TEST_F(CopyPanelTest, SgmlShowsTheCurrentCharacterAloneAndAnotherFormatKeepsIt) {
    M().GoToCodePoint(0xE9);
    Paste(u"abc");
    EXPECT_TRUE(P().ToCopyEnabled());
    M().SelectCopyFormat(kSgml);
    EXPECT_FALSE(P().ToCopyEnabled());
    EXPECT_EQ(P().ToCopyText(), u"\u00E9");
    EXPECT_TRUE(P().CopyEnabled());
    M().SelectCopyFormat(kUcn);
    EXPECT_TRUE(P().ToCopyEnabled());
    EXPECT_EQ(P().ToCopyText(), u"\u00E9");
    EXPECT_EQ(P().Preview().text, u"\\u00e9");
}

TEST_F(CopyPanelTest, UnavailableFormatsFallBackToUnicodeOnSelection) {
    M().GoToCodePoint(0xE9);
    M().SelectCopyFormat(kSgml);
    M().GoToCodePoint(0x41);  // no entity name
    EXPECT_FALSE(P().FormatEnabled(kSgml));
    EXPECT_EQ(P().CurrentFormat(), kUnicode);

    EXPECT_TRUE(P().ResetEnabled());
}

TEST(CopyPanelAlone, PictureFallsBackToUnicodeWhenTheViewIsBlank) {
    int busy = 0;
    CopyPanel panel({}, busy);
    EXPECT_FALSE(panel.ResetEnabled());
    panel.CharacterSelected(u'A', true);
    panel.SelectCopyFormat(kPicture, u'A');
    EXPECT_EQ(panel.CurrentFormat(), kPicture);
    panel.CharacterSelected(std::nullopt, false);
    EXPECT_FALSE(panel.FormatEnabled(kPicture));
    EXPECT_EQ(panel.CurrentFormat(), kUnicode);
    EXPECT_FALSE(panel.PictureControls().size);
    EXPECT_TRUE(panel.ResetEnabled());
}

TEST_F(CopyPanelTest, EveryFormatCopiesOneCharacterByButtonAndByKey) {
    const std::string rtf_head =
        "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil\\fcharset0 Every;}}"
        "{\\colortbl;\\red0\\green0\\blue0;}\\cf1\r\n\\uc1\\pard\\f0\\fs72 ";
    struct Expected {
        Kind kind;
        std::string button;
        std::string key;  // empty: as from the button
    };
    const struct {
        char16_t c;
        Expected formats[12];
    } cases[] = {
        {u'A',
         {{Kind::Unicode, "A", ""},
          {Kind::Rtf, rtf_head + "A}", ""},
          {Kind::Ansi, "%41", ""},
          {Kind::Ansi, "A", ""},
          {Kind::Ansi, "A", ""},
          {Kind::Ansi, "\\u0041", ""},
          {Kind::Ansi, "&#x0041;", ""},
          {Kind::Ansi, "&#65;", ""},
          {Kind::Ansi, "A", ""},
          {Kind::Ansi, "Latin Capital Letter A\r\n", "Latin Capital Letter A"},
          {Kind::Picture, "A", ""},
          // U+0041 has no entity name: "SGML:" is disabled and Unicode stays.
          {Kind::Unicode, "A", ""}}},
        {u'\u00E9',
         {{Kind::Unicode, "\u00E9", ""},
          {Kind::Rtf, rtf_head + "\\u233?}", ""},
          {Kind::Ansi, "%e9", ""},
          {Kind::Ansi, "\xC3\xA9", ""},
          {Kind::Ansi, "+AOk-", ""},
          {Kind::Ansi, "\\u00e9", ""},
          {Kind::Ansi, "&#x00e9;", ""},
          {Kind::Ansi, "&#233;", ""},
          {Kind::Ansi, "\xE9", ""},
          {Kind::Ansi, "Latin Small Letter E With Acute\r\n", "Latin Small Letter E With Acute"},
          {Kind::Picture, "\u00E9", ""},
          {Kind::Ansi, "&eacute;", ""}}},
        {u'\u20AC',
         {{Kind::Unicode, "\u20AC", ""},
          {Kind::Rtf, rtf_head + "\\u8364?}", ""},
          {Kind::Ansi, "%E2%82%AC", ""},
          {Kind::Ansi, "\xE2\x82\xAC", ""},
          {Kind::Ansi, "+IKw-", ""},
          {Kind::Ansi, "\\u20ac", ""},
          {Kind::Ansi, "&#x20ac;", ""},
          {Kind::Ansi, "&#8364;", ""},
          {Kind::Ansi, "\x80", ""},
          {Kind::Ansi, "Euro Sign\r\n", "Euro Sign"},
          {Kind::Picture, "\u20AC", ""},
          {Kind::Ansi, "&euro;", ""}}},
    };
    P().ChooseCodePageRow(kRowWestern);
    M().Picture().SizeTextChanged(u"36", 2);  // the rich text takes the view's size
    for (const auto& c : cases) {
        for (int f = 0; f < 12; ++f) {
            const Expected& expected = c.formats[f];
            M().SelectCopyFormat(kUnicode);
            P().Reset();
            M().GoToCodePoint(c.c);
            M().CellDoubleClick();
            M().SelectCopyFormat(f);
            ASSERT_EQ(P().ToCopyText(), std::u16string(1, c.c));

            clipboard_.writes.clear();
            P().CopyToClipboard();
            ASSERT_EQ(clipboard_.writes.size(), 1u) << f;
            EXPECT_EQ(clipboard_.Last(),
                      (RecordingClipboard::Write{expected.kind, expected.button}))
                << "button, format " << f << ", U+" << Hex4(c.c);

            M().TableKeyDown(kKeyC, kCtrlBit);
            ASSERT_EQ(clipboard_.writes.size(), 2u) << f;
            const std::string& key = expected.key.empty() ? expected.button : expected.key;
            EXPECT_EQ(clipboard_.Last(), (RecordingClipboard::Write{expected.kind, key}))
                << "key, format " << f << ", U+" << Hex4(c.c);
        }
    }
}

TEST_F(CopyPanelTest, APictureTooLargeToMakeCopiesNothingAndSaysSo) {
    M().GoToCodePoint(0x41);
    M().CellDoubleClick();
    M().SelectCopyFormat(kPicture);
    clipboard_.picture_fits = false;
    for (int way = 0; way < 2; ++way) {
        M().SelectCell(M().CurrentCell());  // a selection empties the panel
        ASSERT_EQ(M().MessagePanel(), u"");
        if (way == 0)
            P().CopyToClipboard();
        else
            M().TableKeyDown(kKeyC, kCtrlBit);
        EXPECT_EQ(M().MessagePanel(), u"Picture too large to copy.") << way;
    }
    EXPECT_TRUE(clipboard_.writes.empty());
}

TEST_F(CopyPanelTest, CopyKeyCopiesOnlyTheCurrentCharacter) {
    M().GoToCodePoint(0x42);
    Paste(u"xyz");
    M().SelectCopyFormat(kNcrDec);
    M().TableKeyDown(keys::kInsert, kCtrlBit);
    EXPECT_EQ(clipboard_.Last(), (RecordingClipboard::Write{Kind::Ansi, "&#66;"}));
    M().TableKeyDown(kKeyC, kCtrlBit | kShiftBit);  // Ctrl with other bits still copies
    EXPECT_EQ(clipboard_.writes.size(), 2u);
    M().TableKeyDown(kKeyC, kShiftBit);  // no copy, no movement
    EXPECT_EQ(clipboard_.writes.size(), 2u);
    EXPECT_EQ(M().CurrentCodePoint(), 0x42);
}

TEST_F(CopyPanelTest, CharNameButtonCopiesEveryNameWithItsLineEnd) {
    M().SelectCopyFormat(kCharName);
    Paste(u"AB");
    P().CopyToClipboard();
    EXPECT_EQ(clipboard_.Last(),
              (RecordingClipboard::Write{Kind::Ansi,
                                         "Latin Capital Letter A\r\nLatin Capital Letter B\r\n"}));
}

TEST_F(CopyPanelTest, UnicodeButtonCopyAsksToSelectTheWholeBox) {
    Paste(u"ab");
    EXPECT_FALSE(P().TakeSelectAllRequest());
    P().CopyToClipboard();
    EXPECT_EQ(clipboard_.Last(), (RecordingClipboard::Write{Kind::Unicode, "ab"}));
    EXPECT_TRUE(P().TakeSelectAllRequest());
    EXPECT_FALSE(P().TakeSelectAllRequest());
}

TEST_F(CopyPanelTest, RtfCopyCarriesViewFontAndColourAfterTheFontTable) {
    ChooseFont(u"Latin Only");
    M().SelectCopyFormat(kRtf);
    P().SetRtfViewFont(12, true, false, true, false);
    P().SetForeColour(0x336699);
    Paste(u"A\u00E9");
    P().CopyToClipboard();
    EXPECT_EQ(clipboard_.Last().content,
              "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil\\fcharset0 Latin Only;}}"
              "{\\colortbl;\\red153\\green102\\blue51;}\\cf1\r\n"
              "\\uc1\\pard\\f0\\fs24\\b\\ul A\\u233?}");
}

TEST_F(CopyPanelTest, CopyButtonIsDisabledForAnEmptyText) {
    EXPECT_FALSE(P().CopyEnabled());
    for (int f : {kUnicode, kRtf, kUtf8, kPicture}) {
        M().SelectCopyFormat(f);
        P().CopyToClipboard();
    }
    EXPECT_TRUE(clipboard_.writes.empty());
    Paste(u"a");
    EXPECT_TRUE(P().CopyEnabled());
    P().Reset();
    EXPECT_FALSE(P().CopyEnabled());
    EXPECT_EQ(P().ToCopyText(), u"");
    EXPECT_EQ(P().ToCopyBox().undo_text, u"");  // the saved text of the last key down
}

TEST_F(CopyPanelTest, UndoTwiceReturnsToTheFirstState) {
    Type(u'a');
    Type(u'b');
    EXPECT_EQ(P().ToCopyBox().undo_text, u"a");
    // Ctrl+Z in the box.
    EXPECT_TRUE(P().ToCopyKeyDown(kKeyZ, kCtrlBit, false));
    EXPECT_EQ(P().ToCopyText(), u"a");
    EXPECT_TRUE(P().ToCopyKeyDown(kKeyZ, kCtrlBit, false));
    EXPECT_EQ(P().ToCopyText(), u"ab");
    // The Edit menu's Undo, with no key down before it.
    P().UndoToCopy();
    EXPECT_EQ(P().ToCopyText(), u"a");
    EXPECT_EQ(P().ToCopyBox().undo_text, u"ab");
    P().UndoToCopy();
    EXPECT_EQ(P().ToCopyText(), u"ab");
    // Alt+Backspace is Undo too; the swap refreshes the button and the preview.
    M().SelectCopyFormat(kNcrDec);
    P().Reset();
    EXPECT_FALSE(P().CopyEnabled());
    EXPECT_TRUE(P().ToCopyKeyDown(8, kAltBit, false));
    EXPECT_EQ(P().ToCopyText(), u"ab");
    EXPECT_TRUE(P().CopyEnabled());
    EXPECT_EQ(P().Preview().text, u"&#97;&#98;");
}

TEST_F(CopyPanelTest, DoubleClicksAppendWithoutConversionAndKeepTheBoxBounded) {
    P().SetKeyboardCodePage(1251);
    M().GoToCodePoint(0xE9);
    M().CellDoubleClick();
    EXPECT_EQ(P().ToCopyText(), u"\u00E9");  // the guard kept the character
    EXPECT_FALSE(P().ConversionGuard());
    Paste(std::u16string(kMaxCopyTextLength + 5, u'x'));
    EXPECT_EQ(P().ToCopyText().size(), kMaxCopyTextLength);
    M().CellDoubleClick();
    EXPECT_EQ(P().ToCopyText().size(), kMaxCopyTextLength);
}

TEST_F(CopyPanelTest, EightBitKeysAreReadInTheKeyboardLayoutsCodePage) {
    // Typed characters arrive as Unicode on the desktops served (no keyboard code page): kept.
    Type(u'\u00E9');
    EXPECT_EQ(P().ToCopyText(), u"\u00E9");

    P().SetKeyboardCodePage(1251);
    Type(u'\u00E9');  // the 8-bit code 0xE9 under a Russian layout
    EXPECT_EQ(P().ToCopyText(), u"\u00E9\u0439");
    Paste(P().ToCopyText() + u"\u00E9");  // pasted: kept
    EXPECT_EQ(P().ToCopyText(), u"\u00E9\u0439\u00E9");
    P().ToCopyKeyDown(96 + 3, kAltBit, true);  // Alt + keypad digit with Num Lock on
    P().ToCopyEdited(u"\u00E9" + P().ToCopyText(), 1);
    EXPECT_EQ(P().ToCopyText(), u"\u00E9\u00E9\u0439\u00E9");
    P().ToCopyKeyDown(96 + 3, kAltBit, false);  // Num Lock off: typed, converted at the caret
    P().ToCopyEdited(u"\u00E9" + P().ToCopyText(), 1);
    EXPECT_EQ(P().ToCopyText(), u"\u0439\u00E9\u00E9\u0439\u00E9");
}

TEST(ConvertTypedEightBitChar, ReadsTheAnsiByteInTheLayoutsCodePage) {
    CodePageConverter converter;
    EXPECT_EQ(ConvertTypedEightBitChar(u'\u00E9', 1251, converter), u'\u0439');
    EXPECT_EQ(ConvertTypedEightBitChar(u'\u00E9', 1252, converter), u'\u00E9');
    EXPECT_EQ(ConvertTypedEightBitChar(u'a', 1251, converter), u'a');
    EXPECT_EQ(ConvertTypedEightBitChar(u'\u0439', 1251, converter), u'\u0439');  // no ANSI byte
    EXPECT_EQ(ConvertTypedEightBitChar(u'\u201A', 932, converter), u'\u201A');   // a lead byte
    EXPECT_EQ(ConvertTypedEightBitChar(u'\u00E9', 437, converter), u'\u00E9');   // unknown
}

TEST_F(CopyPanelTest, PreviewShowsEveryFormatsEncoding) {
    const struct {
        int format;
        bool enabled;
        std::u16string text;
    } cases[] = {
        {kUnicode, false, u""},
        {kRtf, true, u"{\\rtf1\\ansi\\f0\\u65?\\u1081?}"},
        {kPercent, true, u"%41%D0%B9"},
        {kUtf8, true, u"A\u00D0\u00B9"},  // the bytes 41 D0 B9 as ANSI characters
        {kUtf7, true, u"A+BDk-"},
        {kUcn, true, u"\\u0041\\u0439"},
        {kNcrHex, true, u"&#x0041;&#x0439;"},
        {kNcrDec, true, u"&#65;&#1081;"},
        {kCodePage, true, u"A\u00E9"},  // 41 E9 in code page 1251
        {kCharName, true, u"Latin Capital Letter A"},
        {kPicture, false, u""},
    };
    Paste(u"A\u0439");
    for (const auto& c : cases) {
        M().SelectCopyFormat(c.format);
        EXPECT_EQ(P().Preview().enabled, c.enabled) << c.format;
        EXPECT_EQ(P().Preview().text, c.text) << c.format;
        EXPECT_EQ(P().Preview().held_text, c.text) << c.format;
        EXPECT_EQ(P().Preview().drop_button, c.format == kCharName) << c.format;
        if (c.format != kCharName) {
            EXPECT_TRUE(P().Preview().list.empty()) << c.format;
        }
    }
    M().GoToCodePoint(0xE9);
    M().SelectCopyFormat(kSgml);
    EXPECT_FALSE(P().Preview().enabled);
    EXPECT_EQ(P().Preview().text, u"");
}

TEST_F(CopyPanelTest, CharNamePreviewListsOneNamePerCharacter) {
    M().SelectCopyFormat(kCharName);
    Paste(u"A\u0439");
    EXPECT_EQ(P().Preview().list, (std::vector<std::u16string>{u"Latin Capital Letter A",
                                                               u"Cyrillic Small Letter Short I"}));
    EXPECT_TRUE(P().Preview().drop_button);
    Paste(u"A");
    EXPECT_EQ(P().Preview().list, (std::vector<std::u16string>{u"Latin Capital Letter A"}));
    EXPECT_EQ(P().Preview().text, u"Latin Capital Letter A");
    EXPECT_FALSE(P().Preview().drop_button);
    Paste(u"");
    EXPECT_TRUE(P().Preview().list.empty());
    EXPECT_EQ(P().Preview().text, u"");
}

TEST_F(CopyPanelTest, PreviewCharsetShowsTheBytesInTheChosenCodePage) {
    EXPECT_EQ(P().CodePageRow(), kRowCyrillic);
    M().SelectCopyFormat(kCodePage);
    Paste(u"\u0439");
    EXPECT_EQ(P().Preview().held_text, u"\u00E9");  // the single byte E9
    EXPECT_EQ(P().Preview().text, u"\u00E9");       // unchecked: as an ANSI character
    P().SetPreviewCharsetChecked(true);
    EXPECT_EQ(P().Preview().code_page, 1251);
    EXPECT_EQ(P().Preview().text, u"\u0439");  // as the Cyrillic letter it stands for

    // UTF-8 always uses the window's character set; the box is disabled but keeps its mark.
    M().SelectCopyFormat(kUtf8);
    EXPECT_FALSE(P().PreviewCharsetEnabled());
    EXPECT_TRUE(P().PreviewCharsetChecked());
    EXPECT_EQ(P().Preview().code_page, kAnsiCodePage);
    EXPECT_EQ(P().Preview().text, u"\u00D0\u00B9");
    // Any other format follows the check mark.
    M().SelectCopyFormat(kPercent);
    EXPECT_EQ(P().Preview().code_page, 1251);
    EXPECT_EQ(P().Preview().text, u"%D0%B9");

    M().SelectCopyFormat(kCodePage);
    P().SetPreviewCharsetChecked(false);
    EXPECT_EQ(P().Preview().code_page, kAnsiCodePage);
    EXPECT_EQ(P().Preview().text, u"\u00E9");
}

TEST_F(CopyPanelTest, AnotherCodePageRowChangesTheCharsetButNotTheBytes) {
    M().SelectCopyFormat(kCodePage);
    P().SetPreviewCharsetChecked(true);
    Paste(u"\u0439\u00E9");  // 1251: E9 and "e" (best fit)
    EXPECT_EQ(P().Preview().held_text, u"\u00E9e");
    P().ChooseCodePageRow(kRowWestern);
    EXPECT_EQ(P().Preview().code_page, 1252);
    EXPECT_EQ(P().Preview().held_text, u"\u00E9e");  // not re-encoded
    EXPECT_EQ(P().Preview().text, u"\u00E9e");
    // Copying encodes with the row chosen now.
    P().CopyToClipboard();
    EXPECT_EQ(clipboard_.Last(), (RecordingClipboard::Write{Kind::Ansi, "?\xE9"}));
    // The next change of the text re-encodes.
    Type(u'a');
    EXPECT_EQ(P().Preview().held_text, u"?\u00E9a");
    P().ChooseCodePageRow(-3);  // clamped
    EXPECT_EQ(P().CodePageRow(), 0);
    P().ChooseCodePageRow(99);
    EXPECT_EQ(P().CodePageRow(), 15);
    M().SelectCopyFormat(kCodePage);                  // so does choosing the format again
    EXPECT_EQ(P().Preview().held_text, u"?\u00E9a");  // Symbol keeps Latin-1's bytes
}

TEST_F(CopyPanelTest, EntityBoxRowChoiceDecidesLabelAndCopy) {
    M().GoToCodePoint(0xA0);
    M().SelectCopyFormat(kSgml);
    EXPECT_TRUE(P().EntityEnabled());
    EXPECT_EQ(P().EntityLabel(), u"ie");
    P().ChooseEntityRow(1);
    EXPECT_EQ(P().EntityLabel(), u"");
    P().CopyToClipboard();
    EXPECT_EQ(clipboard_.Last(), (RecordingClipboard::Write{Kind::Ansi, "&NonBreakingSpace;"}));
    P().ChooseEntityRow(2);  // no such row
    EXPECT_EQ(P().EntityRow(), 1);
    M().GoToCodePoint(0x26);  // a new character starts at row 0
    EXPECT_EQ(P().EntityRow(), 0);
    EXPECT_EQ(P().EntityText(), u"&amp;");
}

TEST(CopyPanelAlone, WorksWithoutNamesOrClipboard) {
    int busy = 0;
    CopyPanel panel({}, busy);
    panel.CharacterSelected(u'A', true);
    EXPECT_FALSE(panel.FormatEnabled(kSgml));
    panel.SelectCopyFormat(kCharName, u'A');
    panel.ToCopyEdited(u"AB", 2);
    EXPECT_EQ(panel.Preview().list, (std::vector<std::u16string>{u"", u""}));
    panel.CopyToClipboard();
    panel.CopyCurrentCharacter(u'A');
}

TEST(CopyPanelAlone, ChangesAreIgnoredWhileTheWindowIsBusy) {
    int busy = 0;
    CopyPanel panel({}, busy);
    panel.SelectCopyFormat(kUcn, std::nullopt);
    ++busy;
    panel.ToCopyEdited(u"A", 1);
    EXPECT_EQ(panel.ToCopyText(), u"A");
    EXPECT_FALSE(panel.CopyEnabled());
    EXPECT_EQ(panel.Preview().text, u"");
    --busy;
    panel.ToCopyEdited(u"AB", 2);
    EXPECT_TRUE(panel.CopyEnabled());
    EXPECT_EQ(panel.Preview().text, u"\\u0041\\u0042");
}

}  // namespace
}  // namespace glyphora::testing

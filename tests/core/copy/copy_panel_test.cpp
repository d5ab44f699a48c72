// The copy frame driven through the main window's model: formats, the To-copy box, clipboard
// writes and the preview. What each encoder writes is copy_encoder_test's.
#include "copy/copy_panel.h"

#include <gtest/gtest.h>

#include "../table/model_fixture.h"
#include "copy/edit_command.h"
#include "recording_clipboard.h"

namespace glyphora::testing {
namespace {

using Kind = RecordingClipboard::Kind;
using Write = RecordingClipboard::Write;
using Texts = std::vector<std::u16string>;

constexpr int kUnicode = 0, kRtf = 1, kPercent = 2, kUtf8 = 3, kUtf7 = 4, kUcn = 5, kNcrHex = 6,
              kNcrDec = 7, kCodePage = 8, kCharName = 9, kPicture = 10, kSgml = 11;
constexpr int kRowWestern = 8;
constexpr int kKeyC = 67, kKeyZ = 90;

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
        {kUnicode, {}, false, false, true, false, false},
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
    M().GoToCodePoint(0x41);  // no entity name: "SGML:" falls back to Unicode
    EXPECT_FALSE(P().FormatEnabled(kSgml));
    EXPECT_EQ(P().CurrentFormat(), kUnicode);
    M().SelectCopyFormat(kSgml);  // a disabled button cannot be chosen
    EXPECT_EQ(P().CurrentFormat(), kUnicode);
}

TEST_F(CopyPanelTest, SgmlShowsTheCurrentCharacterAloneAndAnotherFormatKeepsIt) {
    M().GoToCodePoint(0xE9);
    Paste(u"abc");
    M().SelectCopyFormat(kSgml);
    EXPECT_EQ(P().ToCopyText(), u"\u00E9");
    EXPECT_TRUE(P().CopyEnabled());
    M().SelectCopyFormat(kUcn);
    EXPECT_TRUE(P().ToCopyEnabled());
    EXPECT_EQ(P().ToCopyText(), u"\u00E9");
    EXPECT_EQ(P().Preview().text, u"\\u00e9");
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
    const struct {
        Kind kind;
        std::string button, key;  // key empty: as from the button
    } cases[] = {
        {Kind::Unicode, "\u00E9", ""},
        {Kind::Rtf,
         "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil\\fcharset0 Every;}}"
         "{\\colortbl;\\red0\\green0\\blue0;}\\cf1\r\n\\uc1\\pard\\f0\\fs72 \\u233?}",
         ""},
        {Kind::Ansi, "%e9", ""},
        {Kind::Ansi, "\xC3\xA9", ""},
        {Kind::Ansi, "+AOk-", ""},
        {Kind::Ansi, "\\u00e9", ""},
        {Kind::Ansi, "&#x00e9;", ""},
        {Kind::Ansi, "&#233;", ""},
        {Kind::Ansi, "\xE9", ""},
        {Kind::Ansi, "Latin Small Letter E With Acute\r\n", "Latin Small Letter E With Acute"},
        {Kind::Picture, "\u00E9", ""},
        {Kind::Ansi, "&eacute;", ""},
    };
    P().ChooseCodePageRow(kRowWestern);
    M().Picture().SizeTextChanged(u"36", 2);  // the rich text takes the view's size
    M().GoToCodePoint(0xE9);
    for (int f = 0; f < 12; ++f) {
        M().SelectCopyFormat(kUnicode);
        P().Reset();
        M().CellDoubleClick();
        M().SelectCopyFormat(f);
        ASSERT_EQ(P().ToCopyText(), u"\u00E9");
        clipboard_.writes.clear();
        P().CopyToClipboard();
        M().TableKeyDown(kKeyC, kCtrlBit);
        const std::string& key = cases[f].key.empty() ? cases[f].button : cases[f].key;
        EXPECT_EQ(clipboard_.writes,
                  (std::vector<Write>{{cases[f].kind, cases[f].button}, {cases[f].kind, key}}))
            << "format " << f;
    }
}

TEST_F(CopyPanelTest, TheButtonCopiesTheWholeTextAndTheKeysOnlyTheCurrentCharacter) {
    M().GoToCodePoint(0x42);
    Paste(u"AB");
    M().SelectCopyFormat(kCharName);
    P().CopyToClipboard();
    EXPECT_EQ(clipboard_.Last(),
              (Write{Kind::Ansi, "Latin Capital Letter A\r\nLatin Capital Letter B\r\n"}));
    M().SelectCopyFormat(kNcrDec);
    M().TableKeyDown(keys::kInsert, kCtrlBit);
    EXPECT_EQ(clipboard_.Last(), (Write{Kind::Ansi, "&#66;"}));
    M().TableKeyDown(kKeyC, kCtrlBit | kShiftBit);  // Ctrl with other bits still copies
    EXPECT_EQ(clipboard_.writes.size(), 3u);
    M().TableKeyDown(kKeyC, kShiftBit);  // no copy, no movement
    EXPECT_EQ(clipboard_.writes.size(), 3u);
    EXPECT_EQ(M().CurrentCodePoint(), 0x42);
    // A Unicode copy from the button asks the window to select the whole box, once.
    M().SelectCopyFormat(kUnicode);
    EXPECT_FALSE(P().TakeSelectAllRequest());
    P().CopyToClipboard();
    EXPECT_EQ(clipboard_.Last(), (Write{Kind::Unicode, "AB"}));
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
    EXPECT_TRUE(P().ToCopyKeyDown(kKeyZ, kCtrlBit, false));  // Ctrl+Z in the box
    EXPECT_EQ(P().ToCopyText(), u"a");
    EXPECT_TRUE(P().ToCopyKeyDown(kKeyZ, kCtrlBit, false));
    EXPECT_EQ(P().ToCopyText(), u"ab");
    P().UndoToCopy();  // the Edit menu's Undo, with no key down before it
    EXPECT_EQ(P().ToCopyText(), u"a");
    EXPECT_EQ(P().ToCopyBox().undo_text, u"ab");
    P().UndoToCopy();
    // Alt+Backspace is Undo too; the swap refreshes the button and the preview.
    M().SelectCopyFormat(kNcrDec);
    P().Reset();
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
        if (c.format != kCharName) EXPECT_TRUE(P().Preview().list.empty()) << c.format;
    }
    M().SelectCopyFormat(kCharName);
    EXPECT_EQ(P().Preview().list,
              (Texts{u"Latin Capital Letter A", u"Cyrillic Small Letter Short I"}));
    Paste(u"A");
    EXPECT_EQ(P().Preview().list, (Texts{u"Latin Capital Letter A"}));
    EXPECT_FALSE(P().Preview().drop_button);
    Paste(u"");
    EXPECT_TRUE(P().Preview().list.empty());
    EXPECT_EQ(P().Preview().text, u"");
    M().GoToCodePoint(0xE9);
    M().SelectCopyFormat(kSgml);
    EXPECT_FALSE(P().Preview().enabled);
}

TEST_F(CopyPanelTest, PreviewCharsetShowsTheBytesInTheChosenCodePage) {
    M().SelectCopyFormat(kCodePage);
    Paste(u"\u0439\u00E9");  // 1251, the first-start row: E9 and "e" (best fit)
    EXPECT_EQ(P().Preview().held_text, u"\u00E9e");
    EXPECT_EQ(P().Preview().text, u"\u00E9e");  // unchecked: as ANSI characters
    P().SetPreviewCharsetChecked(true);
    EXPECT_EQ(P().Preview().code_page, 1251);
    EXPECT_EQ(P().Preview().text, u"\u0439e");  // as the letters they stand for
    // UTF-8 always uses the window's character set; the box is disabled but keeps its mark.
    M().SelectCopyFormat(kUtf8);
    EXPECT_FALSE(P().PreviewCharsetEnabled());
    EXPECT_TRUE(P().PreviewCharsetChecked());
    EXPECT_EQ(P().Preview().code_page, kAnsiCodePage);
    M().SelectCopyFormat(kPercent);  // any other format follows the check mark
    EXPECT_EQ(P().Preview().code_page, 1251);

    // Another row changes the character set but not the bytes, until the text changes.
    M().SelectCopyFormat(kCodePage);
    P().ChooseCodePageRow(kRowWestern);
    EXPECT_EQ(P().Preview().code_page, 1252);
    EXPECT_EQ(P().Preview().held_text, u"\u00E9e");
    P().CopyToClipboard();  // copying encodes with the row chosen now
    EXPECT_EQ(clipboard_.Last(), (Write{Kind::Ansi, "?\xE9"}));
    Type(u'a');
    EXPECT_EQ(P().Preview().held_text, u"?\u00E9a");
    P().ChooseCodePageRow(-3);  // clamped
    EXPECT_EQ(P().CodePageRow(), 0);
    P().ChooseCodePageRow(99);
    EXPECT_EQ(P().CodePageRow(), 15);
    M().SelectCopyFormat(kCodePage);                  // so does choosing the format again
    EXPECT_EQ(P().Preview().held_text, u"?\u00E9a");  // Symbol keeps Latin-1's bytes
    P().SetPreviewCharsetChecked(false);
    EXPECT_EQ(P().Preview().code_page, kAnsiCodePage);
}

TEST_F(CopyPanelTest, EntityBoxRowChoiceDecidesLabelAndCopy) {
    M().GoToCodePoint(0xA0);
    M().SelectCopyFormat(kSgml);
    EXPECT_EQ(P().EntityLabel(), u"ie");
    P().ChooseEntityRow(1);
    EXPECT_EQ(P().EntityLabel(), u"");
    P().CopyToClipboard();
    EXPECT_EQ(clipboard_.Last(), (Write{Kind::Ansi, "&NonBreakingSpace;"}));
    P().ChooseEntityRow(2);  // no such row
    EXPECT_EQ(P().EntityRow(), 1);
    M().GoToCodePoint(0x26);  // a new character starts at row 0
    EXPECT_EQ(P().EntityRow(), 0);
    EXPECT_EQ(P().EntityText(), u"&amp;");
}

TEST(CopyPanelAlone, WorksWithoutNamesOrClipboardAndIgnoresChangesWhileBusy) {
    int busy = 0;
    CopyPanel panel({}, busy);
    panel.CharacterSelected(u'A', true);
    EXPECT_FALSE(panel.FormatEnabled(kSgml));
    panel.SelectCopyFormat(kCharName, u'A');
    panel.ToCopyEdited(u"AB", 2);
    EXPECT_EQ(panel.Preview().list, (Texts{u"", u""}));
    panel.CopyToClipboard();
    panel.CopyCurrentCharacter(u'A');

    panel.SelectCopyFormat(kUcn, std::nullopt);
    panel.Reset();
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

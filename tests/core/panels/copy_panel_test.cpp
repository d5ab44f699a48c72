// The copy frame driven through the main window's model: formats, the To-copy box, clipboard
// writes and the preview. What each encoder writes is copy_encoder_test's.
#include "panels/copy_panel.h"

#include <gtest/gtest.h>

#include "../table/model_fixture.h"
#include "base/edit_command.h"
#include "recording_clipboard.h"

namespace glyphora::testing {
namespace {

using Kind = RecordingClipboard::Kind;
using Write = RecordingClipboard::Write;
using Texts = std::vector<std::u16string>;

constexpr CopyFormat kUnicode = CopyFormat::Unicode, kPercent = CopyFormat::PercentEscape,
                     kUtf8 = CopyFormat::Utf8, kUcn = CopyFormat::Ucn, kNcrDec = CopyFormat::NcrDec,
                     kCodePage = CopyFormat::CodePage, kCharName = CopyFormat::CharName,
                     kPicture = CopyFormat::Picture, kSgml = CopyFormat::Sgml;
CopyFormat Format(int button) { return *CopyFormatFromIndex(button); }
constexpr int kRowWestern = 8;
constexpr BoxKey kUndoKey{EditCommand::Undo};

// The enabled controls in one word: picture Size, stYles, Fore and Back colour, Code page,
// Entity, To-copy box, Preview, preview cHarset; "-" for each one disabled.
std::string Controls(const CopyPanel& p) {
    const PictureControlsEnabled& pc = p.PictureControls();
    std::string word;
    const std::pair<bool, char> controls[] = {
        {pc.size, 'S'},           {pc.styles, 'Y'},           {pc.fore_colour, 'F'},
        {pc.back_colour, 'B'},    {p.CodePageEnabled(), 'C'}, {p.Entity().enabled, 'E'},
        {p.ToCopyEnabled(), 'T'}, {p.Preview().enabled, 'P'}, {p.PreviewCharsetEnabled(), 'H'},
    };
    for (const auto& [on, letter] : controls) word += on ? letter : '-';
    return word;
}

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
        P().ToCopyKeyDown({});
        P().ToCopyEdited(P().ToCopyBox().text + c, P().ToCopyBox().text.size() + 1);
    }

    RecordingClipboard clipboard_;
};

TEST_F(CopyPanelTest, EveryFormatEnablesItsControls) {
    const char* const controls[] = {"------T--", "SYF---TP-", "------TP-", "------TP-",
                                    "------TP-", "------TP-", "------TP-", "------TP-",
                                    "----C-TPH", "------TP-", "SYFB--T--", "-----E---"};
    M().GoToCodePoint(0xE9);  // has an entity and a glyph: every format is available
    for (int format = 0; format < 12; ++format) {
        ASSERT_TRUE(P().FormatEnabled(Format(format)));
        M().SelectCopyFormat(Format(format));
        EXPECT_EQ(P().CurrentFormat(), Format(format));
        EXPECT_EQ(Controls(P()), controls[format]) << format;
    }
    EXPECT_EQ(P().CurrentFormat(), kSgml);
    EXPECT_EQ(P().ToCopyBox().text, u"\u00E9");  // "SGML:" shows the current character alone
    M().SelectCopyFormat(kUcn);                  // and another format keeps it
    EXPECT_EQ(P().Preview().text, u"\\u00e9");
    M().SelectCopyFormat(kSgml);
    M().GoToCodePoint(0x41);  // no entity name: "SGML:" falls back to Unicode
    EXPECT_FALSE(P().FormatEnabled(kSgml));
    EXPECT_EQ(P().CurrentFormat(), kUnicode);
    M().SelectCopyFormat(kSgml);  // a disabled button cannot be chosen
    EXPECT_EQ(P().CurrentFormat(), kUnicode);
}

TEST_F(CopyPanelTest, EveryFormatCopiesOneCharacterByButtonAndByKey) {
    const std::pair<Kind, std::string> cases[] = {
        {Kind::Unicode, "\u00E9"},
        {Kind::Rtf,
         "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil\\fcharset0 Every;}}"
         "{\\colortbl;\\red0\\green0\\blue0;}\\cf1\r\n\\uc1\\pard\\f0\\fs72 \\u233?}"},
        {Kind::Cp1252, "%e9"},
        {Kind::Cp1252, "\xC3\xA9"},
        {Kind::Cp1252, "+AOk-"},
        {Kind::Cp1252, "\\u00e9"},
        {Kind::Cp1252, "&#x00e9;"},
        {Kind::Cp1252, "&#233;"},
        {Kind::Cp1252, "\xE9"},
        {Kind::Cp1252, "Latin Small Letter E With Acute\r\n"},  // the key copies no line end
        {Kind::Picture, "\u00E9"},
        {Kind::Cp1252, "&eacute;"},
    };
    P().ChooseCodePageRow(kRowWestern);
    M().Picture().SizeTextChanged(u"36", 2);  // the rich text takes the view's size
    M().GoToCodePoint(0xE9);
    for (int f = 0; f < 12; ++f) {
        const auto& [kind, button] = cases[f];
        M().SelectCopyFormat(kUnicode);
        P().Reset();
        M().CellDoubleClick();
        M().SelectCopyFormat(Format(f));
        clipboard_.writes.clear();
        P().CopyToClipboard();
        M().RunTableCommand(TableCommand::CopyCharacter);
        const std::string key = Format(f) == kCharName ? "Latin Small Letter E With Acute" : button;
        EXPECT_EQ(clipboard_.writes, (std::vector<Write>{{kind, button}, {kind, key}})) << f;
    }
}

TEST_F(CopyPanelTest, APictureTooLargeToMakeCopiesNothingAndSaysSo) {
    M().GoToCodePoint(0x41);
    M().CellDoubleClick();
    M().SelectCopyFormat(kPicture);
    clipboard_.picture_fits = false;
    for (int way = 0; way < 2; ++way) {
        M().SelectCell(M().Page().Current());  // a selection empties the panel
        ASSERT_EQ(M().Status().MessagePanel(), u"");
        if (way == 0)
            P().CopyToClipboard();
        else
            M().RunTableCommand(TableCommand::CopyCharacter);
        EXPECT_EQ(M().Status().MessagePanel(), u"Picture too large to copy.") << way;
    }
    EXPECT_TRUE(clipboard_.writes.empty());
}

TEST_F(CopyPanelTest, TheButtonCopiesTheWholeTextAndTheKeysOnlyTheCurrentCharacter) {
    EXPECT_FALSE(P().CopyEnabled());
    P().CopyToClipboard();  // nothing to copy
    M().GoToCodePoint(0x42);
    Paste(u"AB");
    M().SelectCopyFormat(kCharName);
    P().CopyToClipboard();
    EXPECT_EQ(P().Preview().held_list.size(), 2u);  // a name per line, none after the last
    M().SelectCopyFormat(kNcrDec);
    M().RunTableCommand(TableCommand::CopyCharacter);
    EXPECT_EQ(
        clipboard_.writes,
        (std::vector<Write>{{Kind::Cp1252, "Latin Capital Letter A\r\nLatin Capital Letter B\r\n"},
                            {Kind::Cp1252, "&#66;"}}));
    EXPECT_EQ(M().Page().CurrentCodePoint(), 0x42);
    // A Unicode copy from the button asks the window to select the whole box, once.
    M().SelectCopyFormat(kUnicode);
    EXPECT_FALSE(P().TakeSelectAllRequest());
    P().CopyToClipboard();
    EXPECT_TRUE(P().TakeSelectAllRequest());
    EXPECT_FALSE(P().TakeSelectAllRequest());
    P().Reset();
    EXPECT_FALSE(P().CopyEnabled());
    EXPECT_EQ(P().ToCopyBox().undo_text, u"");  // the saved text of the last key down
}

TEST_F(CopyPanelTest, UndoTwiceReturnsToTheFirstState) {
    Type(u'a');
    Type(u'b');
    EXPECT_TRUE(P().ToCopyKeyDown(kUndoKey));  // Ctrl+Z in the box
    EXPECT_EQ(P().ToCopyBox().text, u"a");
    EXPECT_TRUE(P().ToCopyKeyDown(kUndoKey));
    EXPECT_EQ(P().ToCopyBox().text, u"ab");
    P().UndoToCopy();  // the Edit menu's Undo, with no key down before it
    P().UndoToCopy();
    // The swap refreshes the button and the preview.
    M().SelectCopyFormat(kNcrDec);
    P().Reset();
    EXPECT_TRUE(P().ToCopyKeyDown(kUndoKey));
    EXPECT_EQ(P().ToCopyBox().text, u"ab");
    EXPECT_TRUE(P().CopyEnabled());
    EXPECT_EQ(P().Preview().text, u"&#97;&#98;");
}

TEST_F(CopyPanelTest, EightBitKeysAreReadInTheKeyboardLayoutsCodePage) {
    // Typed characters arrive as Unicode on the desktops served (no keyboard code page): kept.
    Type(u'\u00E9');
    P().SetKeyboardCodePage(1251);
    Type(u'\u00E9');  // the 8-bit code 0xE9 under a Russian layout
    EXPECT_EQ(P().ToCopyBox().text, u"\u00E9\u0439");
    Paste(P().ToCopyBox().text + u"\u00E9");  // pasted: kept
    P().ToCopyKeyDown({EditCommand::Paste});  // pasted by its key: kept
    P().ToCopyEdited(u"\u00E9" + P().ToCopyBox().text, 1);
    P().ToCopyKeyDown({});  // typed, converted at the caret
    P().ToCopyEdited(u"\u00E9" + P().ToCopyBox().text, 1);
    EXPECT_EQ(P().ToCopyBox().text, u"\u0439\u00E9\u00E9\u0439\u00E9");

    CodePageConverter converter;
    const std::tuple<char16_t, int, char16_t> cases[] = {
        {u'\u00E9', 1251, u'\u0439'}, {u'\u00E9', 1252, u'\u00E9'},
        {u'a', 1251, u'a'},           {u'\u0439', 1251, u'\u0439'},  // no Windows-1252 byte
        {u'\u201A', 932, u'\u201A'},                                 // a lead byte
        {u'\u00E9', 437, u'\u00E9'},                                 // an unknown code page
    };
    for (auto [typed, code_page, read] : cases)
        EXPECT_EQ(ConvertTypedEightBitChar(typed, code_page, converter), read) << int{typed};
}

TEST_F(CopyPanelTest, PreviewCharsetShowsTheBytesInTheChosenCodePage) {
    M().SelectCopyFormat(kCodePage);
    Paste(u"\u0439\u00E9");                     // 1251, the first-start row: E9 and "e" (best fit)
    EXPECT_EQ(P().Preview().text, u"\u00E9e");  // unchecked: as Windows-1252 characters
    P().SetPreviewCharsetChecked(true);
    EXPECT_EQ(P().Preview().code_page, 1251);
    EXPECT_EQ(P().Preview().text, u"\u0439e");  // as the letters they stand for
    // UTF-8 always uses the window's character set; the box is disabled but keeps its mark.
    M().SelectCopyFormat(kUtf8);
    EXPECT_TRUE(P().PreviewCharsetChecked());
    EXPECT_EQ(P().Preview().code_page, kDefaultCodePage);
    M().SelectCopyFormat(kPercent);  // any other format follows the check mark
    EXPECT_EQ(P().Preview().code_page, 1251);
    // Another row changes the character set but not the bytes, until the text changes.
    M().SelectCopyFormat(kCodePage);
    P().ChooseCodePageRow(kRowWestern);
    EXPECT_EQ(P().Preview().code_page, 1252);
    EXPECT_EQ(P().Preview().held_text, u"\u00E9e");
    P().CopyToClipboard();  // copying encodes with the row chosen now
    EXPECT_EQ(clipboard_.Last(), (Write{Kind::Cp1252, "?\xE9"}));
    Type(u'a');
    EXPECT_EQ(P().Preview().held_text, u"?\u00E9a");
    P().ChooseCodePageRow(99);  // clamped
    EXPECT_EQ(P().CodePageRow(), 15);
    P().SetPreviewCharsetChecked(false);
    EXPECT_EQ(P().Preview().code_page, kDefaultCodePage);
}

TEST_F(CopyPanelTest, EntityBoxRowChoiceDecidesLabelAndCopy) {
    M().GoToCodePoint(0xA0);
    M().SelectCopyFormat(kSgml);
    EXPECT_EQ(P().Entity().label, u"ie");
    P().ChooseEntityRow(1);
    EXPECT_EQ(P().Entity().label, u"");
    P().CopyToClipboard();
    EXPECT_EQ(clipboard_.Last(), (Write{Kind::Cp1252, "&NonBreakingSpace;"}));
    P().ChooseEntityRow(2);  // no such row
    EXPECT_EQ(P().Entity().row, 1);
    M().GoToCodePoint(0x26);  // a new character starts at row 0
    EXPECT_EQ(P().Entity().text, u"&amp;");
}

}  // namespace
}  // namespace glyphora::testing

#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/edit_command.h"
#include "base/undoable_text.h"
#include "copy/code_page_converter.h"
#include "copy/code_page_list.h"
#include "copy/copy_encoder.h"
#include "copy/copy_format.h"
#include "copy/rtf_document.h"

namespace glyphora {

class Clipboard;
class NameTable;

// Which of the picture settings the current copy format uses: size, styles and fore colour serve
// "RTF" and "Picture (BMP)", the back colour only the picture.
struct PictureControlsEnabled {
    bool size = false;         // cbPicture
    bool styles = false;       // chPicture(0..3)
    bool fore_colour = false;  // bbPicture(0)
    bool back_colour = false;  // bbPicture(1)
    friend bool operator==(const PictureControlsEnabled&, const PictureControlsEnabled&) = default;
};

// The read-only clipboard preview box (cbPreview).
struct ClipboardPreview {
    bool enabled = false;
    // What the box holds: the To-copy text encoded in the current format, byte results as
    // characters of the Windows-1252 (one per byte). For "Char. Name" the list holds
    // one name per code unit and the text is the first name.
    std::u16string held_text;
    std::vector<std::u16string> held_list;
    // The code page whose characters the held bytes are shown as (the preview font's character
    // set), and the held text and list decoded with it: what the window displays.
    int code_page = kDefaultCodePage;
    std::u16string text;
    std::vector<std::u16string> list;
    bool drop_button = false;  // shown exactly when the list holds two entries or more
};

// The entity box cbEntity: its rows "&name;", the chosen row and the caption of tlEntity.
struct EntityBox {
    std::vector<std::u16string> rows;
    int row = 0;
    std::u16string text;   // the chosen row, empty when there is none
    std::u16string label;  // "ie" on the first row when the entity record has its IE flag
    bool enabled = false;  // with the "SGML:" format and at least one row
    bool drop_button = false;
};

// The character a key delivered to a text box as an 8-bit code (read as a Windows-1252
// character), as the keyboard layout's code page has it: 0xE9 typed under a layout
// whose code page is 1251 is U+0439. A character that is no Windows-1252 byte, or whose byte does
// not stand for a single character there (a lead byte of a double-byte code page), stays.
char16_t ConvertTypedEightBitChar(char16_t c, int keyboard_code_page, CodePageConverter& converter);

// The "Message" panel's text when the picture of the text to copy would be too large to make.
inline constexpr std::u16string_view kPictureTooLargeText = u"Picture too large to copy.";

// The copy frame of the main window without its widgets: the copy format options, the To-copy
// box with its undo buffer, the code page and entity boxes, the clipboard preview and the
// enabled states of the picture settings; and the clipboard writes of the Copy button and of the
// table's Copy key. The window mirrors this state and turns the controls' events into calls.
//
// Texts the program writes into the To-copy box (a double-clicked cell, the entity format's
// character, Reset, Undo) take effect here at once, with their change handling; the window shows
// them without reporting them back as edits (it blocks its own change signal meanwhile).
class CopyPanel {
public:
    struct Services {
        const NameTable* names = nullptr;  // may be null: empty names, no entity names
        Clipboard* clipboard = nullptr;    // may be null: copies go nowhere
        // Writes the "Message" panel (a copy that could not be made says why); may be empty.
        std::function<void(std::u16string)> show_message;
    };

    // update_busy is the window's update-busy count, read by the change handlers.
    CopyPanel(Services services, const int& update_busy);
    CopyPanel(const CopyPanel&) = delete;
    CopyPanel& operator=(const CopyPanel&) = delete;

    // ---- State the window shows --------------------------------------------------------------
    CopyFormat CurrentFormat() const { return format_; }  // the chosen obFormat
    bool FormatEnabled(CopyFormat format) const {
        return format_enabled_[static_cast<std::size_t>(CopyFormatIndex(format))];
    }
    const UndoableText& ToCopyBox() const { return to_copy_; }  // tbCopy: text and undo text
    bool ToCopyEnabled() const { return to_copy_enabled_; }  // else shown with button-face colour
    bool CopyEnabled() const { return copy_enabled_; }       // bbCopy
    bool ResetEnabled() const { return reset_enabled_; }     // bbReset
    PictureControlsEnabled PictureControls() const { return picture_controls_; }

    int CodePageRow() const { return code_page_row_; }  // cbCharSet
    bool CodePageEnabled() const { return format_ == CopyFormat::CodePage; }

    EntityBox Entity() const;

    const ClipboardPreview& Preview() const { return preview_; }
    bool PreviewCharsetChecked() const { return preview_charset_checked_; }  // chPreview
    bool PreviewCharsetEnabled() const { return preview_charset_enabled_; }

    // Set by a "Unicode" copy from the button: the To-copy box should take the focus with its
    // whole text selected. Cleared by taking it.
    bool TakeSelectAllRequest();

    // ---- Set by other parts of the window ----------------------------------------------------
    // What an RTF copy applies to the whole text: the chosen font's family (named in its font
    // table) with the character view's point size and styles, and the view's fore colour (red +
    // 256 * green + 65536 * blue).
    void SetRtfFontFamily(std::string family_utf8) { rtf_format_.family = std::move(family_utf8); }
    void SetRtfViewFont(double point_size, bool bold, bool italic, bool underline, bool strikeout);
    void SetForeColour(std::uint32_t colour) { fore_colour_ = colour; }
    // The code page of the keyboard layout's language where keys deliver 8-bit codes to the box;
    // nullopt (the default, and always so on the desktops served, which deliver Unicode) leaves
    // typed characters as they arrive.
    void SetKeyboardCodePage(std::optional<int> code_page) { keyboard_code_page_ = code_page; }

    // A cell was selected (character: its code unit, nullopt for a cell the page does not fill):
    // fills the entity box, enables "SGML:" when the character has entity names and
    // "Picture (BMP)" when picture_available (the view shows something), falls back to "Unicode"
    // from a format that became unavailable, re-runs SelectCopyFormat and enables Reset.
    void CharacterSelected(std::optional<char16_t> character, bool picture_available);

    // ---- Events ------------------------------------------------------------------------------
    // An obFormat button was chosen (current: the current character, for the entity format).
    // A disabled format is ignored.
    void SelectCopyFormat(CopyFormat format, std::optional<char16_t> current);

    // Double click on a cell (and Enter on the table): the character is appended, unless the box
    // is full.
    void AppendCharacter(char16_t c);

    // Key down in the To-copy box (also the Edit menu's command on it, before the box runs it).
    // Returns true when the key ran Undo: the window must not pass it on to the box.
    bool ToCopyKeyDown(BoxKey key);
    // A paste (also of the desktop's selection) or drop is about to change the box.
    void ToCopyBeforePaste() { conversion_guard_ = true; }
    // The user changed the box: its whole new text and the caret position after the change.
    void ToCopyEdited(std::u16string text, std::size_t caret);
    // The Edit menu's Undo on the To-copy box: text and undo text swap; the caret stays.
    void UndoToCopy();
    // bbReset: the box is emptied.
    void Reset();

    void ChooseCodePageRow(int row);         // a click in cbCharSet (also the restored row)
    void SetPreviewCharsetChecked(bool on);  // the click of chPreview (also the restored value)
    void ChooseEntityRow(int row);           // a click in cbEntity's list

    // bbCopy: the whole To-copy text in the current format. Does nothing while the button is
    // disabled.
    void CopyToClipboard();
    // The table's Copy key: one character in the current format ("Char. Name" without CR LF).
    void CopyCurrentCharacter(char16_t c);

private:
    // A format's text result: as text, and as Windows-1252 bytes for byte readers.
    void PutTextOnClipboard(std::u16string_view text);
    void PutEncodedOnClipboard(const EncodedText& encoded);
    // A rich-text copy of the characters of simple_rtf (as the RTF encoder writes them),
    // completed with the font, size, styles and colour set above.
    void PutRtfOnClipboard(std::u16string_view simple_rtf);

    // Re-encodes the preview from the To-copy text (run by every change of the text and format).
    void RefreshPreview();
    // Sets the code page the preview's bytes are shown in, without re-encoding them.
    void ApplyPreviewCharset();

    // The copy picture of the units, or the "Message" panel's word on why there is none.
    void PutPicture(std::u16string_view code_units);
    CopyContext Context();
    EncodedText Encode(CopyFormat format, std::u16string_view text);
    std::u16string EntityText() const;  // the chosen row, empty when there is none
    // A text the program writes into the box, with the box's change handling.
    void WriteToCopy(std::u16string text);
    // Change steps that follow every change of the box's text.
    void AfterToCopyChange();
    // The held preview decoded in the preview's code page.
    void ShowPreview();
    std::u16string DecodeForPreview(const std::u16string& held);

    Services services_;
    const int& update_busy_;
    CodePageConverter converter_;

    CopyFormat format_ = CopyFormat::Unicode;
    std::array<bool, kCopyFormatCount> format_enabled_{};
    UndoableText to_copy_;
    std::u16string saved_text_;
    bool conversion_guard_ = false;
    bool to_copy_enabled_ = true;
    bool copy_enabled_ = false;
    bool reset_enabled_ = false;
    bool select_all_request_ = false;
    std::optional<int> keyboard_code_page_;
    PictureControlsEnabled picture_controls_;

    int code_page_row_ = kDefaultCodePageRow;
    std::vector<std::u16string> entity_rows_;
    int entity_row_ = 0;
    bool entity_ie_ = false;  // "ie" in column 1 of row 0

    ClipboardPreview preview_;
    bool preview_charset_checked_ = false;
    bool preview_charset_enabled_ = false;

    RtfCharFormat rtf_format_{std::string(), 36};
    std::uint32_t fore_colour_ = 0;
};

}  // namespace glyphora

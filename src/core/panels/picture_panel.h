#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/edit_box.h"
#include "base/edit_command.h"

namespace glyphora {

class AllowedCharsFilter;
class CopyPanel;

// The preset sizes of the size box's list, in points.
inline constexpr std::array<int, 16> kPictureSizes = {8,  9,  10, 11, 12, 14, 16, 18,
                                                      20, 22, 24, 26, 28, 36, 48, 72};
inline constexpr std::u16string_view kPictureSizeAllowedChars = u"0123456789";
// The largest size the size box holds. One character's picture at this size (a letter some
// 2,700 x 3,100 pixels at 96 dpi) stays well inside the clipboard picture's limit, and font
// engines measure it without overflow, which they do not far beyond it (their 16.16 metrics end
// at 32,768 pixels): a larger size would copy some stand-in box rather than the character.
inline constexpr int kMaxPictureSize = 2000;

// Indexes of the style boxes chPicture(0..3).
inline constexpr int kPictureBold = 0;
inline constexpr int kPictureItalic = 1;
inline constexpr int kPictureUnderline = 2;
inline constexpr int kPictureStrikeout = 3;

// A font as the picture settings shape it: the chosen family (set elsewhere) at this size with
// these styles.
struct PictureFont {
    int point_size = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeout = false;
    friend bool operator==(const PictureFont&, const PictureFont&) = default;
};

// The Picture frame without its widgets: the size box cbPicture with its one-step undo, the label
// tlPicture2 beside it, the style boxes chPicture and the two colours. It decides the font of the
// character view (pbView and tlView) and the copy font of the bitmap copy, and hands the view's
// size, styles and fore colour to the rich-text copy.
//
// The view never grows beyond the picture maximum size (the largest size whose character cell
// fits the view, set by the font choice); the bitmap copy always takes the typed size.
class PicturePanel {
public:
    // filter: the boxes' shared filter (it keeps one nesting count for all of them); copy: the
    // copy panel, told the view font and fore colour; update_busy and picture_max_size: fields of
    // the main window, read when the settings are applied.
    PicturePanel(AllowedCharsFilter& filter, CopyPanel& copy, const int& update_busy,
                 const int& picture_max_size);
    PicturePanel(const PicturePanel&) = delete;
    PicturePanel& operator=(const PicturePanel&) = delete;

    // ---- State the window shows --------------------------------------------------------------
    const EditBox& SizeBox() const { return size_; }  // cbPicture's edit part
    const std::u16string& UndoText() const { return undo_text_; }
    const std::u16string& SavedText() const { return saved_text_; }
    const std::u16string& SizeLabel() const { return label_; }  // tlPicture2: "" or "(N)"
    bool Style(int index) const {
        return index >= 0 && index < static_cast<int>(styles_.size()) && styles_[index];
    }
    const PictureFont& ViewFont() const { return view_font_; }  // pbView and tlView
    // The copy font: the view font's styles at the typed size (0 for an empty box).
    PictureFont CopyFont() const;
    // Colours as red + 256 * green + 65536 * blue.
    std::uint32_t ForeColour() const { return fore_colour_; }
    std::uint32_t BackColour() const { return back_colour_; }

    // ---- Events ------------------------------------------------------------------------------
    // The user edited the size box (or start-up put the saved size there with the update-busy
    // count raised); caret is where the edit left it.
    void SizeTextChanged(std::u16string text, std::size_t caret);
    // An entry of the size list chosen by a click.
    void SizeListChosen(std::size_t index);
    // Key down in the size box. Returns true when the key ran Undo: the box must not process it
    // itself.
    bool SizeKeyDown(BoxKey key);
    // The Edit menu's Undo on the size box: text and undo text swap; the caret stays.
    void SizeUndo();
    // A click on chPicture(index), after its value changed.
    void StyleClicked(int index, bool on);
    // The colour dialog's choice for bbPicture(0) and bbPicture(1).
    void SetForeColour(std::uint32_t colour);
    void SetBackColour(std::uint32_t colour);

    // Filters the size box and brings a size above kMaxPictureSize down to it, then sets the view
    // font, the label and the copy font from the box and the style boxes. Run by the events above
    // and by the font choice; ignored while the update-busy count is above 0.
    void ApplyPictureSettings();

    // The number the size box stands for: its digits, 0 when empty; a longer number than any
    // font takes stops at 99999.
    static int SizeOfText(std::u16string_view text);

    // The side, in pixels, of the view pattern scaled to the view font: the height of the
    // letter o's ink (pixels) taken as points and converted with the screen's pixels per inch,
    // which makes the pattern a third larger than the o on a 96 dpi screen.
    static int PatternSide(int o_ink_height, int dots_per_inch);

private:
    void SizeChanged();

    AllowedCharsFilter& filter_;
    CopyPanel& copy_;
    const int& update_busy_;
    const int& picture_max_size_;

    EditBox size_;
    std::u16string saved_text_;
    std::u16string undo_text_;
    std::u16string label_;
    std::array<bool, 4> styles_{};
    PictureFont view_font_;
    int copy_size_ = 0;
    std::uint32_t fore_colour_ = 0x000000;
    std::uint32_t back_colour_ = 0xFFFFFF;
};

}  // namespace glyphora

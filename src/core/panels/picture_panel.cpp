#include "panels/picture_panel.h"

#include <algorithm>
#include <cstdlib>

#include "base/allowed_chars_filter.h"
#include "base/scale.h"
#include "panels/copy_panel.h"

namespace glyphora {

namespace {

constexpr int kLargestSize = 99999;

}  // namespace

PicturePanel::PicturePanel(AllowedCharsFilter& filter, CopyPanel& copy, const int& update_busy,
                           const int& picture_max_size)
    : filter_(filter),
      copy_(copy),
      update_busy_(update_busy),
      picture_max_size_(picture_max_size) {}

PictureFont PicturePanel::CopyFont() const {
    PictureFont font = view_font_;
    font.point_size = copy_size_;
    return font;
}

int PicturePanel::SizeOfText(std::u16string_view text) {
    int size = 0;
    for (char16_t c : text) {
        if (c < u'0' || c > u'9') continue;
        size = std::min(size * 10 + (c - u'0'), kLargestSize);
    }
    return size;
}

int PicturePanel::PatternSide(int o_ink_height, int dots_per_inch) {
    return std::clamp(ScaleRounded(o_ink_height, dots_per_inch, 72), 0, 0x7FFF);
}

void PicturePanel::SizeTextChanged(std::u16string text, std::size_t caret) {
    size_.text = std::move(text);
    size_.caret = std::min(caret, size_.text.size());
    SizeChanged();
}

void PicturePanel::SizeListChosen(std::size_t index) {
    if (index >= kPictureSizes.size()) return;
    const std::string digits = std::to_string(kPictureSizes[index]);
    SizeTextChanged(std::u16string(digits.begin(), digits.end()), digits.size());
}

bool PicturePanel::SizeKeyDown(BoxKey key) {
    // The box keeps its own text to return to, rather than whichever box last had a key down.
    saved_text_ = size_.text;
    if (key.command != EditCommand::Undo) return false;
    SizeUndo();
    return true;
}

void PicturePanel::SizeUndo() {
    std::swap(size_.text, undo_text_);
    size_.caret = std::min(size_.caret, size_.text.size());
    // The swapped-in text is no new edit: a second Undo must find the first state again.
    saved_text_ = size_.text;
    SizeChanged();
}

void PicturePanel::StyleClicked(int index, bool on) {
    if (index < 0 || index >= static_cast<int>(styles_.size())) return;
    styles_[static_cast<std::size_t>(index)] = on;
    ApplyPictureSettings();
}

void PicturePanel::SetForeColour(std::uint32_t colour) {
    fore_colour_ = colour & 0xFFFFFF;
    copy_.SetForeColour(fore_colour_);
}

void PicturePanel::SetBackColour(std::uint32_t colour) { back_colour_ = colour & 0xFFFFFF; }

void PicturePanel::SizeChanged() { ApplyPictureSettings(); }

void PicturePanel::ApplyPictureSettings() {
    if (update_busy_ > 0) return;
    if (filter_.FilterAllowedChars(size_, kPictureSizeAllowedChars, [this] { SizeChanged(); }))
        return;
    if (size_.text != saved_text_) undo_text_ = saved_text_;

    int size = SizeOfText(size_.text);
    if (size > kMaxPictureSize) {
        // Typed or stored: the box says the size the picture will have.
        const std::string digits = std::to_string(kMaxPictureSize);
        size_.text.assign(digits.begin(), digits.end());
        size_.caret = size_.text.size();
        size = kMaxPictureSize;
    }
    if (size >= 2 && size <= picture_max_size_) {
        view_font_.point_size = size;
        label_.clear();
    } else if (picture_max_size_ > 0) {
        view_font_.point_size = picture_max_size_;
        const std::string digits = std::to_string(picture_max_size_);
        label_ = u"(";
        label_.append(digits.begin(), digits.end());
        label_ += u')';
    }
    view_font_.bold = styles_[kPictureBold];
    view_font_.italic = styles_[kPictureItalic];
    view_font_.underline = styles_[kPictureUnderline];
    view_font_.strikeout = styles_[kPictureStrikeout];
    copy_size_ = size;
    copy_.SetRtfViewFont(view_font_.point_size, view_font_.bold, view_font_.italic,
                         view_font_.underline, view_font_.strikeout);
}

}  // namespace glyphora

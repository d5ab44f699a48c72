#include "table/character_status.h"

#include "base/text.h"
#include "unicode/name_table.h"

namespace glyphora {

void CharacterStatus::Show(long cp, const std::u16string& caption, bool updates_held) {
    ShowCode(cp);
    name_panel_ = services_.names ? Utf8ToUtf16(services_.names->CharName(cp)) : std::u16string();
    // The Type panel follows the entries even when the new cell has no character to describe.
    type_ = TypeList{};
    ShowView(cp, caption, updates_held);
}

void CharacterStatus::ShowView(long cp, const std::u16string& caption, bool updates_held) {
    view_caption_ = caption;
    GlyphBearings bearings;
    std::uint32_t text_flags = 0;
    if (!view_caption_.empty()) {
        if (services_.metrics)
            bearings = services_.metrics->SideBearings(static_cast<char16_t>(cp));
        if (services_.classifier) {
            text_flags = DescribeCharType(cp, *services_.classifier, *services_.measure,
                                          type_panel_width_, type_);
        }
    }
    if (text_flags & 7u) {  // nonspacing, diacritic or vowel mark
        view_pattern_ = ViewPattern::Combining;
        view_pattern_enabled_ = true;
    } else if (bearings.left < 0 || bearings.right < 0) {
        view_pattern_ = ViewPattern::Overhang;
        view_pattern_enabled_ = true;
    } else {
        view_pattern_enabled_ = false;
    }
    ClickViewPattern(view_pattern_checked_, updates_held);

    // Pad the side a glyph overhangs so the view does not clip it.
    const char16_t bare = static_cast<char16_t>(cp);
    if (bearings.left < 0) view_caption_ = {u' ', bare};
    if (bearings.right < 0) view_caption_ = {bare, u' '};
}

void CharacterStatus::Clear() {
    view_caption_.clear();
    hex_panel_.clear();
    name_panel_.clear();
    type_.type_text.clear();
}

void CharacterStatus::ShowCode(long cp) {
    if (hex_view_)
        hex_panel_ = Utf8ToUtf16("U+" + Hex4(cp));
    else
        hex_panel_ = Utf8ToUtf16("Alt+" + std::to_string(cp));
}

void CharacterStatus::ToggleHexView(long cp) {
    hex_view_ = !hex_view_;
    ShowCode(cp);
}

void CharacterStatus::ClickViewPattern(bool checked, bool updates_held) {
    view_pattern_checked_ = checked;
    if (!updates_held) view_pattern_visible_ = view_pattern_enabled_ && view_pattern_checked_;
}

}  // namespace glyphora

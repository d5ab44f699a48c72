// The current character: selecting a cell and everything shown about the character.
#include "base/text.h"
#include "table/main_window_model.h"
#include "unicode/name_table.h"

namespace glyphora {

void MainWindowModel::SelectCell(int i) {
    if (update_busy_ > 0 || i < 0 || i >= kCells) return;
    const long new_cp = cells_[i].code_point;
    const long old_cp = cells_[current_cell_].code_point;
    if (new_cp != old_cp && !keep_search_text_) ClearSearchBoxes();

    PaintCell(current_cell_, PaintState::Normal);
    current_cell_ = i;
    // Drawn as the focus is now: a selection that asks for the focus is drawn selected once the
    // focus arrives (TableFocusGained), and one whose handler sends the focus elsewhere (a font
    // choice ends in the font list) never shows the focused colours.
    PaintCell(i, table_focused_ ? PaintState::Selected : PaintState::SelectedInactive);

    const long cp = cells_[current_cell_].code_point;
    const long s = FindSubrangeStart(subranges_.list, cp);
    if (s != current_subrange_start_) {
        if (const auto item = ItemByStart(s)) SetCurrentSubrange(*item);
    }
    UpdateCodePanel();
    name_panel_ = services_.names ? Utf8ToUtf16(services_.names->CharName(cp)) : std::u16string();
    if (!quiet_select_) message_panel_.clear();
    // The Type panel follows the entries even when the new cell has no character to describe.
    type_ = TypeList{};

    RefreshCharacterView(cp);
    copy_.CharacterSelected(CurrentCharacter(), !view_caption_.empty());

    if (!quiet_select_) {
        focus_from_select_ = true;
        RequestFocus(FocusTarget::Table);
    }
}

void MainWindowModel::RefreshCharacterView(long cp) {
    view_caption_ = cells_[current_cell_].caption;
    GlyphBearings bearings;
    std::uint32_t text_flags = 0;
    if (!view_caption_.empty()) {
        if (services_.metrics)
            bearings = services_.metrics->SideBearings(static_cast<char16_t>(cp));
        if (services_.classifier) {
            const int panel = type_panel_width_;
            text_flags =
                DescribeCharType(cp, *services_.classifier, *services_.measure, panel, type_);
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
    ViewPatternClick(view_pattern_checked_);

    // Pad the side a glyph overhangs so the view does not clip it.
    const char16_t bare = static_cast<char16_t>(cp);
    if (bearings.left < 0) view_caption_ = {u' ', bare};
    if (bearings.right < 0) view_caption_ = {bare, u' '};
}

void MainWindowModel::UpdateCodePanel() {
    const long cp = cells_[current_cell_].code_point;
    if (hex_view_)
        hex_panel_ = Utf8ToUtf16("U+" + Hex4(cp));
    else
        hex_panel_ = Utf8ToUtf16("Alt+" + std::to_string(cp));
}

void MainWindowModel::CodePanelDoubleClick() {
    hex_view_ = !hex_view_;
    UpdateCodePanel();
}

void MainWindowModel::CellDoubleClick() {
    // An unfilled cell has no character to add.
    const auto c = CurrentCharacter();
    if (!c) return;
    copy_.AppendCharacter(*c);
    SelectCell(current_cell_);
}

void MainWindowModel::ToggleMark(int i) {
    if (i < 0 || i >= kCells) return;
    cells_[i].marked = !cells_[i].marked;
    MarkDirty(i);
}

void MainWindowModel::ViewPatternClick(bool checked) {
    view_pattern_checked_ = checked;
    if (update_busy_ < 1) view_pattern_visible_ = view_pattern_enabled_ && view_pattern_checked_;
}

void MainWindowModel::SelectCopyFormat(CopyFormat format) {
    copy_.SelectCopyFormat(format, CurrentCharacter());
}

std::optional<char16_t> MainWindowModel::CurrentCharacter() const {
    if (row_labels_[current_cell_ / 16].empty()) return std::nullopt;
    return static_cast<char16_t>(cells_[current_cell_].code_point);
}

FocusTarget MainWindowModel::TakeFocusRequest() {
    const FocusTarget target = focus_request_;
    focus_request_ = FocusTarget::None;
    return target;
}

std::bitset<MainWindowModel::kCells> MainWindowModel::TakeDirtyCells() {
    const auto dirty = dirty_;
    dirty_.reset();
    return dirty;
}

}  // namespace glyphora

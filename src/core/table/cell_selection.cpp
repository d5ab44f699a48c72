// The current character: selecting a cell and everything shown about the character.
#include "base/text.h"
#include "table/main_window_model.h"
#include "unicode/name_table.h"

namespace glyphora {

namespace {
constexpr std::size_t kMaxToCopy = 32767;  // the encoders walk the text with a 16-bit counter
}

void MainWindowModel::SelectCell(int i) {
    if (update_busy_ > 0 || i < 0 || i >= kCells) return;
    const long new_cp = cells_[i].code_point;
    const long old_cp = cells_[current_cell_].code_point;
    if (new_cp != old_cp && !keep_search_text_) ClearSearchBoxes();

    PaintCell(current_cell_, PaintState::Normal);
    current_cell_ = i;
    PaintCell(i, PaintState::Selected);

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
    RefreshEntityBox(cp);
    format_enabled_[kFormatPicture] = !view_caption_.empty();
    if ((copy_format_ == kFormatPicture && !format_enabled_[kFormatPicture]) ||
        (copy_format_ == kFormatSgml && !format_enabled_[kFormatSgml]))
        copy_format_ = kFormatUnicode;
    SelectCopyFormat(copy_format_);
    reset_enabled_ = true;

    if (!quiet_select_) {
        focus_from_select_ = true;
        RequestFocus(FocusTarget::Table);
    }
}

void MainWindowModel::RefreshCharacterView(long cp) {
    view_caption_ = cells_[current_cell_].caption;
    AbcWidths widths;
    std::uint32_t text_flags = 0;
    if (!view_caption_.empty()) {
        if (services_.metrics) widths = services_.metrics->CharAbcWidths(static_cast<char16_t>(cp));
        if (services_.classifier) {
            const int panel = type_panel_width_;
            text_flags = DescribeCharType(cp, *services_.classifier, *services_.measure, panel,
                                          type_);
        }
    }
    if (text_flags & 7u) {  // nonspacing, diacritic or vowel mark
        view_pattern_ = ViewPattern::Combining;
        view_pattern_enabled_ = true;
    } else if (widths.a < 0 || widths.c < 0) {
        view_pattern_ = ViewPattern::Overhang;
        view_pattern_enabled_ = true;
    } else {
        view_pattern_enabled_ = false;
    }
    ViewPatternClick(view_pattern_checked_);

    // Pad the side a glyph overhangs so the view does not clip it.
    const char16_t bare = static_cast<char16_t>(cp);
    if (widths.a < 0) view_caption_ = {u' ', bare};
    if (widths.c < 0) view_caption_ = {bare, u' '};
}

void MainWindowModel::RefreshEntityBox(long cp) {
    const std::string_view entities =
        services_.names ? services_.names->Entities(cp) : std::string_view();
    format_enabled_[kFormatSgml] = !entities.empty();
    entity_label_.clear();
    entity_rows_.clear();
    if (entities.empty()) return;
    std::size_t pos = 0;
    while (pos <= entities.size()) {
        const std::size_t comma = entities.find(',', pos);
        const std::string_view name =
            entities.substr(pos, comma == std::string_view::npos ? std::string_view::npos
                                                                 : comma - pos);
        if (!name.empty()) {
            // Appended piecewise: "literal + string" trips a false -Wrestrict in GCC 12.
            std::u16string row(1, u'&');
            row += Utf8ToUtf16(name);
            row += u';';
            entity_rows_.push_back(std::move(row));
        }
        if (comma == std::string_view::npos) break;
        pos = comma + 1;
    }
    if (!entity_rows_.empty() && services_.names->IEFlag(cp)) entity_label_ = u"ie";
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
    if (row_labels_[current_cell_ / 16].empty()) return;
    conversion_guard_ = true;
    if (to_copy_.size() < kMaxToCopy)
        SetToCopyText(to_copy_ + static_cast<char16_t>(cells_[current_cell_].code_point));
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

void MainWindowModel::SelectCopyFormat(int index) {
    if (index < 0 || index >= kFormatCount) return;
    copy_format_ = index;
    to_copy_enabled_ = index != kFormatSgml;
    if (index == kFormatSgml) {
        // The entity format copies the current character's entity, so the box shows just it.
        conversion_guard_ = true;
        const Cell& cell = cells_[current_cell_];
        SetToCopyText(row_labels_[current_cell_ / 16].empty()
                          ? std::u16string()
                          : std::u16string(1, static_cast<char16_t>(cell.code_point)));
    }
}

void MainWindowModel::SetToCopyText(std::u16string text) {
    if (text.size() > kMaxToCopy) text.resize(kMaxToCopy);
    to_copy_ = std::move(text);
    conversion_guard_ = false;
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

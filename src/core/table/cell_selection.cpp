// The current character: selecting a cell and what the window does with its character.
#include "table/main_window_model.h"

namespace glyphora {

void MainWindowModel::SelectCell(int i) {
    if (update_busy_ > 0 || i < 0 || i >= kCells) return;
    const long new_cp = page_.CodePointAt(i);
    const long old_cp = page_.CurrentCodePoint();
    if (new_cp != old_cp && !keep_search_text_) ClearSearchBoxes();

    page_.Paint(page_.Current(), PaintState::Normal);
    page_.SetCurrent(i);
    // Drawn as the focus is now: a selection that asks for the focus is drawn selected once the
    // focus arrives (TableFocusGained), and one whose handler sends the focus elsewhere (a font
    // choice ends in the font list) never shows the focused colours.
    page_.Paint(i, table_focused_ ? PaintState::Selected : PaintState::SelectedInactive);

    const long cp = page_.CurrentCodePoint();
    const long s = subranges_.StartOf(cp);
    if (s != subranges_.CurrentStart()) {
        if (const auto item = subranges_.ItemByStart(s)) SetCurrentSubrange(*item);
    }
    if (!quiet_select_) status_.SetMessage({});
    status_.Show(cp, page_.Cells()[i].caption, update_busy_ > 0);
    copy_.CharacterSelected(page_.CurrentCharacter(), !status_.ViewCaption().empty());

    if (!quiet_select_) {
        focus_from_select_ = true;
        RequestFocus(FocusTarget::Table);
    }
}

void MainWindowModel::CellDoubleClick() {
    // An unfilled cell has no character to add.
    const auto c = page_.CurrentCharacter();
    if (!c) return;
    copy_.AppendCharacter(*c);
    SelectCell(page_.Current());
}

void MainWindowModel::SelectCopyFormat(CopyFormat format) {
    copy_.SelectCopyFormat(format, page_.CurrentCharacter());
}

FocusTarget MainWindowModel::TakeFocusRequest() {
    const FocusTarget target = focus_request_;
    focus_request_ = FocusTarget::None;
    return target;
}

}  // namespace glyphora

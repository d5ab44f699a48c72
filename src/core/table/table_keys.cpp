// Keyboard navigation in the character table and its focus handlers.
#include "base/edit_command.h"
#include "table/main_window_model.h"

namespace glyphora {

void MainWindowModel::TableKeyDown(int key, int shift) {
    if (ItemCount() == 0) return;
    if (EditCommandForKey(key, shift) == kEditCopy) {
        // An unfilled cell has no character to copy.
        if (const auto c = CurrentCharacter()) copy_.CopyCurrentCharacter(*c);
        return;
    }
    const auto sync = [this] { SyncScrollBar(cells_[current_cell_].code_point); };

    if (shift & keys::kCtrl) {
        if (key == keys::kHome) {
            ChooseSubrange(0);
            SelectCell(0);
            return;
        }
        if (key == keys::kEnd) {
            PageBack(ItemCount() - 1, 0, kCells, true);
            SelectCell(kCells - 1);
            ++update_busy_;
            scroll_.value = std::max(scroll_.max, 0);
            last_scroll_value_ = scroll_.value;
            --update_busy_;
            return;
        }
        // Any other key with Ctrl acts as the key alone.
    }

    const int c = current_cell_;
    switch (key) {
        case keys::kHome:
            SelectCell((c / 16) * 16);
            break;
        case keys::kEnd:
            SelectCell((c / 16) * 16 + 15);
            break;
        case keys::kLeft:
            if (c >= 1) {
                SelectCell(c - 1);
            } else if (ScrollRowUp()) {
                SelectCell(15);
                sync();
            }
            break;
        case keys::kUp:
            if (c >= 16) {
                SelectCell(c - 16);
                sync();
            } else if (ScrollRowUp()) {
                sync();
            }
            break;
        case keys::kRight:
            if (c < kCells - 1) {
                SelectCell(c + 1);
            } else if (ScrollRowDown()) {
                SelectCell(kCells - 16);
                sync();
            }
            break;
        case keys::kDown:
            if (c < kCells - 16) {
                SelectCell(c + 16);
                sync();
            } else if (ScrollRowDown()) {
                sync();
            }
            break;
        case keys::kPageUp:
            if (PageUp()) sync();
            break;
        case keys::kPageDown:
            PageDown();
            sync();
            break;
        case keys::kEnter:
            CellDoubleClick();
            break;
        default:
            break;
    }
}

void MainWindowModel::TableFocusLost() {
    table_focused_ = false;
    PaintCell(current_cell_, PaintState::SelectedInactive);
}

void MainWindowModel::TableFocusGained() {
    table_focused_ = true;
    if (!focus_from_select_) {
        // The user moved the focus here: refresh without clearing the message or refocusing.
        const bool previous = quiet_select_;
        quiet_select_ = true;
        SelectCell(current_cell_);
        quiet_select_ = previous;
    }
    focus_from_select_ = false;
    PaintCell(current_cell_, PaintState::Selected);
}

}  // namespace glyphora

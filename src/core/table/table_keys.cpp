// The character table's commands (moves, activation, copy) and its focus handlers.
#include "table/main_window_model.h"

namespace glyphora {

void MainWindowModel::RunTableCommand(TableCommand command) {
    if (ItemCount() == 0) return;
    const auto sync = [this] { SyncScrollBar(page_.CurrentCodePoint()); };
    const int c = page_.Current();
    switch (command) {
        case TableCommand::CopyCharacter:
            // An unfilled cell has no character to copy.
            if (const auto character = page_.CurrentCharacter())
                copy_.CopyCurrentCharacter(*character);
            break;
        case TableCommand::First:
            ChooseSubrange(0);
            SelectCell(0);
            break;
        case TableCommand::Last:
            PageBack(ItemCount() - 1, 0, kCells, true);
            SelectCell(kCells - 1);
            scroll_bar_.ToEnd();
            break;
        case TableCommand::RowStart:
            SelectCell((c / 16) * 16);
            break;
        case TableCommand::RowEnd:
            SelectCell((c / 16) * 16 + 15);
            break;
        case TableCommand::Left:
            if (c >= 1) {
                SelectCell(c - 1);
            } else if (ScrollRowUp()) {
                SelectCell(15);
                sync();
            }
            break;
        case TableCommand::Up:
            if (c >= 16) SelectCell(c - 16);
            if (c >= 16 || ScrollRowUp()) sync();
            break;
        case TableCommand::Right:
            if (c < kCells - 1) {
                SelectCell(c + 1);
            } else if (ScrollRowDown()) {
                SelectCell(kCells - 16);
                sync();
            }
            break;
        case TableCommand::Down:
            if (c < kCells - 16) SelectCell(c + 16);
            if (c < kCells - 16 || ScrollRowDown()) sync();
            break;
        case TableCommand::PageUp:
            if (PageUp()) sync();
            break;
        case TableCommand::PageDown:
            PageDown();
            sync();
            break;
        case TableCommand::Activate:
            CellDoubleClick();
            break;
    }
}

void MainWindowModel::TableFocusLost() {
    table_focused_ = false;
    page_.Paint(page_.Current(), PaintState::SelectedInactive);
}

void MainWindowModel::TableFocusGained() {
    table_focused_ = true;
    if (!focus_from_select_) {
        // The user moved the focus here: refresh without clearing the message or refocusing.
        const bool previous = quiet_select_;
        quiet_select_ = true;
        SelectCell(page_.Current());
        quiet_select_ = previous;
    }
    focus_from_select_ = false;
    page_.Paint(page_.Current(), PaintState::Selected);
}

}  // namespace glyphora

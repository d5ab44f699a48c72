#include "table/char_page.h"

#include <cstdio>

namespace glyphora {

namespace {

// The copy of the empty-cell pattern a cell in this paint state shows.
int EmptyPatternFor(PaintState state) { return state == PaintState::SelectedInactive ? 1 : 0; }

}  // namespace

CharPage::CharPage() { ShowEmpty(); }

std::optional<char16_t> CharPage::CurrentCharacter() const {
    if (!RowFilled(current_ / 16)) return std::nullopt;
    return static_cast<char16_t>(cells_[current_].code_point);
}

long CharPage::EndCodePoint() const {
    for (int row = kRows - 1; row >= 0; --row)
        if (RowFilled(row)) return cells_[row * 16 + 15].code_point;
    return -1;
}

void CharPage::Clear() {
    row_labels_.fill({});
    separators_.fill(false);
    for (int i = 0; i < kCells; ++i) {
        Cell& cell = cells_[i];
        cell.code_point = 0;
        cell.caption.clear();
        cell.pattern = -1;
        MarkDirty(i);
    }
}

std::string CharPage::RowLabelOf(long first) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%03lX", (first / 16) & 0xFFF);
    return buf;
}

void CharPage::FillCell(int i, long x, std::u16string caption, bool shown) {
    Cell& cell = cells_[i];
    cell.code_point = x;
    cell.caption = std::move(caption);
    cell.pattern = shown ? -1 : EmptyPatternFor(cell.state);
}

void CharPage::ShowPatternFrom(int first) {
    for (int i = first; i < kCells; ++i) cells_[i].pattern = EmptyPatternFor(cells_[i].state);
}

void CharPage::ShowEmpty() {
    for (auto& cell : cells_) cell.pattern = 0;
}

void CharPage::Paint(int i, PaintState state) {
    if (i < 0 || i >= kCells) return;
    Cell& cell = cells_[i];
    cell.state = state;
    if (cell.pattern >= 0) cell.pattern = EmptyPatternFor(state);
    MarkDirty(i);
}

void CharPage::ToggleMark(int i) {
    if (i < 0 || i >= kCells) return;
    cells_[i].marked = !cells_[i].marked;
    MarkDirty(i);
}

std::bitset<CharPage::kCells> CharPage::TakeDirtyCells() {
    const auto dirty = dirty_;
    dirty_.reset();
    return dirty;
}

}  // namespace glyphora

#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <optional>
#include <string>

namespace glyphora {

// How a cell is painted: the window turns these into the desktop theme's colours.
enum class PaintState : std::uint8_t { Normal = 0, Selected = 1, SelectedInactive = 2 };

// One cell of the 16 x 16 character table.
struct Cell {
    long code_point = 0;     // 0 for a cell the page does not fill
    std::u16string caption;  // the character, " " (known but not shown), or empty
    // Empty-cell pattern copy 0 or 1 (inactive), -1 none: the one sign of a shown character,
    // since U+0020 shows the same caption as a code point without a glyph.
    int pattern = -1;
    PaintState state = PaintState::Normal;
    bool marked = false;  // Cell > Mark: red text in every state
};

// The page the character table shows: 16 rows of 16 cells, the rows' labels, a separator under
// each row that ends a subrange, the current cell, and which cells changed since the window last
// painted. What goes into the cells is the pager's business (MainWindowModel).
class CharPage {
public:
    static constexpr int kCells = 256;
    static constexpr int kRows = 16;

    CharPage();

    const std::array<Cell, kCells>& Cells() const { return cells_; }
    const std::array<std::string, kRows>& RowLabels() const { return row_labels_; }
    const std::array<bool, kRows>& Separators() const { return separators_; }
    long CodePointAt(int i) const { return cells_[i].code_point; }
    int Current() const { return current_; }
    long CurrentCodePoint() const { return cells_[current_].code_point; }
    // The current cell's character; nullopt for a cell the page does not fill.
    std::optional<char16_t> CurrentCharacter() const;
    bool Filled() const { return !row_labels_[0].empty(); }
    bool Full() const { return !row_labels_[kRows - 1].empty(); }
    bool RowFilled(int row) const { return !row_labels_[row].empty(); }
    long EndCodePoint() const;  // code point of the last filled cell, -1 when empty

    // Empties every cell, label and separator; the cells show no pattern until filled.
    void Clear();
    // Row `row` holds the 16 code points from `first`.
    void LabelRow(int row, long first) { row_labels_[row] = RowLabelOf(first); }
    // The label of a row of 16 code points from `first`: their code without its last digit.
    static std::string RowLabelOf(long first);
    void SetSeparator(int row) { separators_[row] = true; }
    // Cell i holds x; shown: its caption is the character itself, else the empty-cell pattern
    // lies under the caption.
    void FillCell(int i, long x, std::u16string caption, bool shown);
    // Cells from `first` on show the empty-cell pattern (the rows a page leaves unfilled).
    void ShowPatternFrom(int first);
    // Every cell shows the plain pattern: the page of an empty list.
    void ShowEmpty();
    void SetCurrent(int i) { current_ = i; }
    void Paint(int i, PaintState state);
    void ToggleMark(int i);
    std::bitset<kCells> TakeDirtyCells();

private:
    void MarkDirty(int i) { dirty_.set(static_cast<std::size_t>(i)); }

    std::array<Cell, kCells> cells_{};
    std::array<std::string, kRows> row_labels_{};
    std::array<bool, kRows> separators_{};
    std::bitset<kCells> dirty_;
    int current_ = 0;
};

}  // namespace glyphora

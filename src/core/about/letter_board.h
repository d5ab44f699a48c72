#pragma once

#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace glyphora {

// The About box's sliding-letter board: tiles in a grid of cells, a tile whose caption is a space
// being a blank cell. A click on a tile next to a blank one makes the two change places. Columns
// and rows count from 1, tiles from 0; tile k starts at column k mod columns + 1, row
// k div columns + 1, so the letters start in reading order.
class LetterBoard {
public:
    static constexpr int kColumns = 12;
    // 12 blanks, the three words on three rows, 12 blanks: 60 cells, 5 rows of 12.
    static constexpr std::u16string_view kBoardText =
        u"            "
        u"  Glyphora     every        glyph   "
        u"            ";

    // Where a tile would slide; the numbers also name the arrow pictures.
    enum Direction : int { kNone = 0, kLeft = 1, kUp = 2, kRight = 3, kDown = 4 };

    struct Cell {
        int column = 0;
        int row = 0;
        friend bool operator==(const Cell&, const Cell&) = default;
    };

    // What a click did: direction kNone and neighbour -1 when nothing moved.
    struct Move {
        int direction = kNone;
        int neighbour = -1;
    };

    // A text whose length is not a multiple of the column count is filled up with blanks.
    explicit LetterBoard(std::u16string_view text = kBoardText, int columns = kColumns);

    int TileCount() const { return static_cast<int>(captions_.size()); }
    int Columns() const { return columns_; }
    int Rows() const { return rows_; }

    char16_t Caption(int tile) const { return captions_[tile]; }
    bool IsBlank(int tile) const { return captions_[tile] == u' '; }
    Cell CellOf(int tile) const { return cells_[tile]; }
    // The tile's cell as text: column, a dot, row ("1.1" for the first cell).
    std::string Tag(int tile) const;
    // The tile standing in a cell, or -1 outside the board.
    int TileAt(Cell cell) const;

    // The first blank neighbour found looking left, right, up and down, in that order.
    int TileDirection(int tile) const;

    // Slides the tile into its blank neighbour (two blanks simply change places).
    Move Click(int tile);

    // A random tile that is not blank, for the hint; -1 when every tile is blank.
    int PickHintTile(std::mt19937& random) const;

private:
    int Index(Cell cell) const { return (cell.row - 1) * columns_ + (cell.column - 1); }
    Cell Neighbour(Cell cell, int direction) const;

    int columns_;
    int rows_;
    std::u16string captions_;
    std::vector<Cell> cells_;   // by tile
    std::vector<int> tile_at_;  // by cell, row by row
};

}  // namespace glyphora

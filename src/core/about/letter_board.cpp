#include "about/letter_board.h"

#include <algorithm>
#include <utility>

namespace glyphora {

LetterBoard::LetterBoard(std::u16string_view text, int columns)
    : columns_(std::max(columns, 1)), captions_(text) {
    const int length = std::max<int>(static_cast<int>(captions_.size()), 1);
    rows_ = (length + columns_ - 1) / columns_;
    captions_.resize(static_cast<std::size_t>(rows_ * columns_), u' ');
    cells_.resize(captions_.size());
    tile_at_.resize(captions_.size());
    for (int k = 0; k < TileCount(); ++k) {
        cells_[k] = {k % columns_ + 1, k / columns_ + 1};
        tile_at_[k] = k;
    }
}

std::string LetterBoard::Tag(int tile) const {
    return std::to_string(cells_[tile].column) + "." + std::to_string(cells_[tile].row);
}

int LetterBoard::TileAt(Cell cell) const {
    if (cell.column < 1 || cell.column > columns_ || cell.row < 1 || cell.row > rows_) return -1;
    return tile_at_[Index(cell)];
}

LetterBoard::Cell LetterBoard::Neighbour(Cell cell, int direction) const {
    switch (direction) {
        case kLeft:
            return {cell.column - 1, cell.row};
        case kRight:
            return {cell.column + 1, cell.row};
        case kUp:
            return {cell.column, cell.row - 1};
        case kDown:
            return {cell.column, cell.row + 1};
        default:
            return cell;
    }
}

int LetterBoard::TileDirection(int tile) const {
    const Cell cell = cells_[tile];
    for (int direction : {kLeft, kRight, kUp, kDown}) {
        const int neighbour = TileAt(Neighbour(cell, direction));
        if (neighbour >= 0 && IsBlank(neighbour)) return direction;
    }
    return kNone;
}

LetterBoard::Move LetterBoard::Click(int tile) {
    const int direction = TileDirection(tile);
    if (direction == kNone) return {};
    const int neighbour = TileAt(Neighbour(cells_[tile], direction));
    std::swap(cells_[tile], cells_[neighbour]);
    tile_at_[Index(cells_[tile])] = tile;
    tile_at_[Index(cells_[neighbour])] = neighbour;
    return {direction, neighbour};
}

int LetterBoard::PickHintTile(std::mt19937& random) const {
    if (std::all_of(captions_.begin(), captions_.end(), [](char16_t c) { return c == u' '; })) {
        return -1;
    }
    std::uniform_int_distribution<int> pick(0, TileCount() - 1);
    while (true) {
        const int tile = pick(random);
        if (!IsBlank(tile)) return tile;
    }
}

}  // namespace glyphora

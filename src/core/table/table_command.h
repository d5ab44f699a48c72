#pragma once

#include <cstdint>

namespace glyphora {

// What the table's keys do: move the selection by a cell, a row or a page, to the row's ends or
// the list's first and last character, activate the cell (as a double click does), or copy its
// character.
enum class TableCommand : std::uint8_t {
    Left,
    Right,
    Up,
    Down,
    PageUp,
    PageDown,
    RowStart,
    RowEnd,
    First,
    Last,
    Activate,
    CopyCharacter,
};

}  // namespace glyphora

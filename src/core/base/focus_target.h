#pragma once

#include <cstdint>

namespace glyphora {

// Controls that a handler asks the window to focus.
enum class FocusTarget : std::uint8_t {
    None,
    Table,
    RangeList,
    FontList,
    GoToBox,       // tbGoTo
    SymbolBox,     // tbSearch
    SearchBox,     // cbSearch
    SearchButton,  // bbSearch
};

}  // namespace glyphora

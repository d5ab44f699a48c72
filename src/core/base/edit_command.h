#pragma once

#include <cstdint>
#include <optional>

namespace glyphora {

// What the editing keys and the Edit menu's items ask of a text box.
enum class EditCommand : std::uint8_t { Undo, Cut, Copy, Paste, Delete, SelectAll };

// A key pressed in a text box, as the box's own handling reads it (the window's key mapper makes
// it): the edit command it stands for, if any, and whether it is Enter. Any other key types.
struct BoxKey {
    std::optional<EditCommand> command;
    bool enter = false;
};
inline constexpr BoxKey kEnterBoxKey{std::nullopt, true};

}  // namespace glyphora

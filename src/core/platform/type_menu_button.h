#pragma once

#include <cstdint>
#include <optional>

namespace glyphora {

// The small drop-down button on the status bar's "Type" panel, which opens the Type menu.
// Times are milliseconds of one steady clock.
class TypeMenuButton {
public:
    enum class Response { None, HelpMenu, OpenTypeMenu };

    // A mouse button went down on the button: the right one asks for its help menu, any other
    // opens the Type menu, unless the menu closed in this same millisecond: the click that closes
    // the menu over the button must not open it again at once. The drop-down key (Alt+Down) acts
    // as a left click.
    Response MouseDown(bool right_button, std::int64_t now_ms) const;

    // The Type menu closed (its pop-up call returned).
    void MenuClosed(std::int64_t now_ms) { closed_at_ = now_ms; }

private:
    std::optional<std::int64_t> closed_at_;
};

}  // namespace glyphora

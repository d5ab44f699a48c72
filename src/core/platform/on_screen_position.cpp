#include "platform/on_screen_position.h"

#include <algorithm>
#include <cstdint>

namespace glyphora {

namespace {

// Whether the top edge of a window at (left, top) of this width lies on the screen over the
// grabbable width. 64-bit: a stored position may be anywhere in the 32-bit range.
bool TopEdgeOnScreen(std::int64_t left, std::int64_t top, std::int64_t width,
                     const ScreenArea& screen) {
    if (top < screen.top || top >= std::int64_t{screen.top} + screen.height) return false;
    const std::int64_t from = std::max<std::int64_t>(left, screen.left);
    const std::int64_t to = std::min(left + width, std::int64_t{screen.left} + screen.width);
    return to - from >= std::clamp<std::int64_t>(width, 1, kGrabbableWidth);
}

}  // namespace

FramePosition OnScreenPosition(FramePosition saved, int width, int height,
                               std::span<const ScreenArea> screens, std::size_t primary) {
    if (screens.empty()) return saved;
    for (const ScreenArea& screen : screens)
        if (TopEdgeOnScreen(saved.left, saved.top, width, screen)) return saved;
    const ScreenArea& screen = screens[primary < screens.size() ? primary : 0];
    return {screen.left + std::max(0, (screen.width - width) / 2),
            screen.top + std::max(0, (screen.height - height) / 2)};
}

}  // namespace glyphora

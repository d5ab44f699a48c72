#pragma once

#include <cstddef>
#include <span>

#include "platform/window_frame.h"

namespace glyphora {

// The part of one screen that windows may use (without the desktop's panels), in pixels.
struct ScreenArea {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// How much of a window's top edge must lie on one screen for the user to take hold of it.
inline constexpr int kGrabbableWidth = 100;

// Where a window of width × height pixels whose frame was saved at `saved` is shown: there when
// its top edge lies on one of the screens over kGrabbableWidth pixels (its whole width when it is
// narrower); otherwise centred on the primary screen, its top-left corner kept on that screen
// when the window is larger than the screen. The window has a fixed size, so a position left
// over from a screen that is gone would leave it where nobody can see or move it. Without
// screens the saved position stands; a primary index beyond the list means the first screen.
FramePosition OnScreenPosition(FramePosition saved, int width, int height,
                               std::span<const ScreenArea> screens, std::size_t primary);

}  // namespace glyphora

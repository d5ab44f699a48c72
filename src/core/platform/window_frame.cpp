#include "platform/window_frame.h"

#include <algorithm>

namespace glyphora {

FrameSize FitContentToRoom(FrameSize content, FrameSize room, int bar) {
    if (room.width <= 0 || room.height <= 0) return content;
    // A scroll bar in one direction takes room from the other, which may then need one too.
    bool vertical = content.height > room.height;
    bool horizontal = content.width + (vertical ? bar : 0) > room.width;
    vertical = vertical || content.height + (horizontal ? bar : 0) > room.height;
    horizontal = horizontal || content.width + (vertical ? bar : 0) > room.width;
    return {std::min(content.width + (vertical ? bar : 0), room.width),
            std::min(content.height + (horizontal ? bar : 0), room.height)};
}

void WindowFrameRules::Resized(FrameWindow& window) {
    if (suspend_ > 0) return;
    const WindowState state = window.State();
    {
        Suspend suspend(suspend_);
        // Coming back from minimised or maximised: back to where the window stood.
        if (state == WindowState::Normal && previous_ != WindowState::Normal)
            window.MoveTo(normal_);
    }
    previous_ = state;
    if (state != WindowState::Normal) return;
    normal_ = window.Position();
    Suspend suspend(suspend_);
    window.FitToContent();
}

void WindowFrameRules::Moved(const FrameWindow& window) {
    if (window.State() == WindowState::Normal) normal_ = window.Position();
}

bool WindowFrameRules::ModeChanged(FrameWindow& window, bool expanded, int update_busy) {
    if (update_busy > 0) return false;
    window.Arrange();
    {
        Suspend suspend(suspend_);
        FramePosition position = window.Position();
        position.left += expanded ? -kModeShift : kModeShift;
        window.MoveTo(position);
    }
    Resized(window);
    return true;
}

void WindowFrameRules::MoveQuietly(FrameWindow& window, FramePosition position) {
    Suspend suspend(suspend_);
    window.MoveTo(position);
}

}  // namespace glyphora

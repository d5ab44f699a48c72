#pragma once

#include "app/window_placement.h"

namespace glyphora {

// A window position in screen pixels (the outer frame's top-left corner).
struct FramePosition {
    int left = 0;
    int top = 0;
    bool operator==(const FramePosition&) const = default;
};

// A size in screen pixels.
struct FrameSize {
    int width = 0;
    int height = 0;
    bool operator==(const FrameSize&) const = default;
};

// The size of a window whose content is this large, on a screen with this much room for it:
// the content whole where it fits; where it does not, as much of it as the room holds, plus the
// scroll bars (bar pixels thick) through which the rest is reached. A room without size (no
// screen known) holds anything.
FrameSize FitContentToRoom(FrameSize content, FrameSize room, int bar);

// What the frame rules need of the main window.
class FrameWindow {
public:
    virtual ~FrameWindow() = default;
    virtual WindowState State() const = 0;
    virtual FramePosition Position() const = 0;
    virtual void MoveTo(FramePosition position) = 0;
    // Shows and hides the controls for the current mode and lays them out.
    virtual void Arrange() = 0;
    // Sizes the frame to wrap the content of the current mode (the main panel's width; the lower
    // panel and the visible status bars below it), or as much of it as the screen holds
    // (FitContentToRoom). Never called while minimised.
    virtual void FitToContent() = 0;
};

// The main window is never sized freely: in the normal state it always wraps its content. After
// minimising or maximising it returns to where it last stood in the normal state, and the mode
// switch grows or shrinks it on the left so that the character table stays where it was.
class WindowFrameRules {
public:
    // How far the window moves left when the expanded layout adds its left-hand panel.
    static constexpr int kModeShift = 361;

    // The resize handler: runs on every size or state change of the window.
    void Resized(FrameWindow& window);
    // The move handler: remembers the position while the window is in the normal state.
    void Moved(const FrameWindow& window);
    // The mode switch, after the check box took its new value. Does nothing (not even the layout)
    // while the window's update-busy count is above 0; returns whether it ran.
    bool ModeChanged(FrameWindow& window, bool expanded, int update_busy);
    // A move made by the program itself (start-up restoring the saved position): the resize
    // handler ignores it.
    void MoveQuietly(FrameWindow& window, FramePosition position);

    // Start-up's saved position, for a window that starts minimised or maximised: restoring it
    // later brings it back there rather than to a position it never had.
    void RememberNormalPosition(FramePosition position) { normal_ = position; }

    FramePosition NormalPosition() const { return normal_; }
    WindowState PreviousState() const { return previous_; }
    bool Suspended() const { return suspend_ > 0; }

private:
    class Suspend {
    public:
        explicit Suspend(int& count) : count_(count) { ++count_; }
        ~Suspend() { --count_; }
        Suspend(const Suspend&) = delete;
        Suspend& operator=(const Suspend&) = delete;

    private:
        int& count_;
    };

    int suspend_ = 0;
    WindowState previous_ = WindowState::Normal;
    FramePosition normal_;
};

}  // namespace glyphora

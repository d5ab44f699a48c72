#pragma once

#include "platform/program_windows.h"

namespace glyphora {

// Raises another program's window on an X11 desktop: its top-level window is found by the
// process id the program writes into _NET_WM_PID, among the window manager's clients
// (_NET_CLIENT_LIST) or, without a window manager that lists them, among the root window's
// children; it is then activated through the window manager (_NET_ACTIVE_WINDOW) and raised.
// In a Wayland session, even through XWayland, and without an X display nothing can be raised.
class X11ProgramWindows : public ProgramWindows {
public:
    X11ProgramWindows();

    bool CanRaise() const override { return display_ != nullptr; }
    bool Raise(ProcessId process) override;

private:
    void* display_ = nullptr;  // Display*, kept opaque so that no X11 header leaks out
};

}  // namespace glyphora

#pragma once

#include "platform/process_starter.h"

namespace glyphora {

// Finds and raises the windows of other programs, where the desktop allows it (X11 does; a
// Wayland session does not).
class ProgramWindows {
public:
    virtual ~ProgramWindows() = default;
    // Whether this desktop lets a program raise another program's window at all.
    virtual bool CanRaise() const = 0;
    // Brings a top-level window of the process to the foreground; false when the process has no
    // window (yet) or it cannot be done.
    virtual bool Raise(ProcessId process) = 0;
};

}  // namespace glyphora

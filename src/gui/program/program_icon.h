#pragma once

#include <QIcon>

namespace glyphora {

// Glyphora's own icon from the program's resources: the same pictures the icon theme gets when
// the program is installed, so a build-folder copy looks the same. Sizes up to `largest` pixels:
// Qt decodes every size it is given, and the window system's icon carries them all.
QIcon ProgramIcon(int largest = 256);

// The window's icon for the window manager's title bars and task switchers, which draw it at 16
// to 128 pixels (a launcher takes the installed icon theme's). The 256-pixel picture was three
// quarters of the icon's decoding at start-up and of the icon data sent to the X server.
inline QIcon WindowIcon() { return ProgramIcon(128); }

}  // namespace glyphora

#pragma once

#include <QIcon>

namespace glyphora {

// Glyphora's own icon at every rendered size, from the program's resources: the same pictures
// the icon theme gets when the program is installed, so a build-folder copy looks the same.
QIcon ProgramIcon();

}  // namespace glyphora

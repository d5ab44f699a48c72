#include "program/program_icon.h"

// The resources of a static library are registered by name, outside any namespace.
static void InitProgramResources() { Q_INIT_RESOURCE(program); }

namespace glyphora {

QIcon ProgramIcon(int largest) {
    InitProgramResources();
    // PNGs rather than the SVG: drawing SVG would need Qt's SVG module at run time.
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256})
        if (size <= largest)
            icon.addFile(QStringLiteral(":/program/glyphora-%1.png").arg(size), QSize(size, size));
    return icon;
}

}  // namespace glyphora

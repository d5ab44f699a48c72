#include "program/program_icon.h"

#include <QImage>
#include <QPixmap>

#include "program/icon_pixels.h"

// The resources of a static library are registered by name, outside any namespace.
static void InitProgramResources() { Q_INIT_RESOURCE(program); }

namespace glyphora {

QIcon ProgramIcon(int largest) {
    // The sizes up to 128 pixels come decoded: reading a PNG loads every image format plugin
    // (GIF, ICO, JPEG, SVG and their libraries) to ask each of them first.
    QIcon icon;
    for (const IconPixels& size : ProgramIconPixels()) {
        if (size.side > largest) continue;
        const QImage image(reinterpret_cast<const uchar*>(size.pixels), size.side, size.side,
                           size.side * 4, QImage::Format_ARGB32_Premultiplied);
        icon.addPixmap(QPixmap::fromImage(image));
    }
    if (largest >= 256) {
        // PNGs rather than the SVG: drawing SVG would need Qt's SVG module at run time.
        InitProgramResources();
        icon.addFile(QStringLiteral(":/program/glyphora-256.png"), QSize(256, 256));
    }
    return icon;
}

}  // namespace glyphora

// Build-time helper: turns the program's icon PNGs into a C++ source of premultiplied ARGB32
// pixels, so the running program sets its window icon without decoding any image (a Qt image
// reader loads every image format plugin on its first read).
// Usage: glyphora_icon_pixels OUT.cpp ICON.png...
#include <QFile>
#include <QImage>
#include <QTextStream>
#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s OUT.cpp ICON.png...\n", argv[0]);
        return 64;
    }
    QString body;
    QTextStream out(&body);
    out << "// Generated at build time from data/icons; do not edit.\n"
           "#include \"program/icon_pixels.h\"\n\nnamespace glyphora {\nnamespace {\n";
    QStringList entries;
    for (int i = 2; i < argc; ++i) {
        const QImage image = QImage(QString::fromLocal8Bit(argv[i]))
                                 .convertToFormat(QImage::Format_ARGB32_Premultiplied);
        if (image.isNull() || image.width() != image.height()) {
            std::fprintf(stderr, "%s: not a square image\n", argv[i]);
            return 65;
        }
        const int side = image.width();
        out << "const quint32 kIcon" << side << "[] = {";
        for (int y = 0; y < side; ++y) {
            const auto* line = reinterpret_cast<const quint32*>(image.constScanLine(y));
            out << "\n   ";
            for (int x = 0; x < side; ++x) out << " 0x" << QString::number(line[x], 16) << "u,";
        }
        out << "\n};\n";
        entries << QStringLiteral("{%1, kIcon%1}").arg(side);
    }
    out << "}  // namespace\n\nconst std::vector<IconPixels>& ProgramIconPixels() {\n"
           "    static const std::vector<IconPixels> icons{"
        << entries.join(", ") << "};\n    return icons;\n}\n\n}  // namespace glyphora\n";
    out.flush();
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(body.toUtf8()) < 0) {
        std::fprintf(stderr, "%s: cannot write\n", argv[1]);
        return 73;
    }
    return 0;
}

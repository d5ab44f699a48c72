#pragma once

#include <QtGlobal>
#include <vector>

namespace glyphora {

// One size of the program's icon as premultiplied ARGB32 pixels, row by row.
struct IconPixels {
    int side;
    const quint32* pixels;
};

// The sizes up to 128 pixels, smallest first (generated at build time from data/icons).
const std::vector<IconPixels>& ProgramIconPixels();

}  // namespace glyphora

#pragma once

#include <QRawFont>
#include <string>

namespace glyphora {

// A family as Qt resolves it at the table's cell size: the one place the chosen family becomes a
// face. The table draws its cells with it, and the view's metrics are read from a copy of it, so
// one font choice matches the family once (each family once per process: the answers are kept).
struct CellFont {
    QRawFont raw;  // Qt's face for the family; invalid when Qt has no font at all
    // The face is the family's own. Qt answers an unknown family with another font, which the
    // table must not draw with (a table of another font's glyphs would mislead).
    bool own = false;
};

// The family at the cell size (kCellFontPixels), without font merging.
const CellFont& CellFontOf(const std::u16string& family);

}  // namespace glyphora

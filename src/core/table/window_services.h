#pragma once

#include <string>

#include "fonts/font_catalog.h"

// What the main window's model asks of the things only the window or the desktop knows. The
// window implements these with Qt; tests use fakes.
namespace glyphora {

// Side bearings of a glyph in the view's font, in pixels: a negative A (left) or C (right) width
// means the glyph reaches beyond its cell.
struct AbcWidths {
    int a = 0;
    int b = 0;
    int c = 0;
};

// The view font's text metrics at one point size, in pixels.
struct ViewTextMetrics {
    int height = 0;            // ascent + descent
    int internal_leading = 0;  // room for accents inside height
    int max_char_width = 0;
};

class GlyphMetrics {
public:
    virtual ~GlyphMetrics() = default;
    // The view font's family changed.
    virtual void SetFamily(const std::u16string& family) = 0;
    virtual AbcWidths CharAbcWidths(char16_t code_unit) = 0;
    // Metrics of the view font at point_size (0: at its current size).
    virtual ViewTextMetrics Metrics(int point_size) = 0;
    virtual int ViewInnerHeight() = 0;  // pixels
    virtual int ViewInnerWidth() = 0;   // pixels
    virtual int LogPixelsY() = 0;       // pixels per inch vertically
};

}  // namespace glyphora

#pragma once

#include <string>

#include "fonts/font_catalog.h"

// What the main window's model asks of the things only the window or the desktop knows. The
// window implements these with Qt; tests use fakes.
namespace glyphora {

// A glyph of the view's font across, in pixels: a negative side bearing means the ink reaches
// beyond the glyph's cell on that side.
struct GlyphBearings {
    int left = 0;   // from the pen's start to the ink
    int ink = 0;    // the ink's width
    int right = 0;  // from the ink to the next pen position
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
    virtual GlyphBearings SideBearings(char16_t code_unit) = 0;
    // Metrics of the view font at point_size (0: at its current size).
    virtual ViewTextMetrics Metrics(int point_size) = 0;
    virtual int ViewInnerHeight() = 0;  // pixels
    virtual int ViewInnerWidth() = 0;   // pixels
    virtual int DotsPerInchY() = 0;     // pixels per inch vertically
};

}  // namespace glyphora

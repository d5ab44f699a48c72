#pragma once

#include <string>

#include "fonts/glyph_ranges.h"

namespace glyphora::cli {

// The coverage string of an installed, listed font family (exact name, else ASCII
// case-insensitive); throws UsageError for a family the font list does not hold.
std::string CoverageOfFamily(const std::string& family);

// The glyph ranges the character table uses for that family (through the window's font
// catalogue); throws UsageError as above.
GlyphRanges TableGlyphRangesOfFamily(const std::string& family);

}  // namespace glyphora::cli

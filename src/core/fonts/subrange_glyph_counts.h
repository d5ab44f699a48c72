#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "fonts/glyph_ranges.h"

namespace glyphora {

class NameTable;

// Of a subrange's assigned characters (those named other than "Undefined"), how many a font has a
// glyph for.
struct GlyphCount {
    long have = 0;
    long assigned = 0;

    friend bool operator==(const GlyphCount&, const GlyphCount&) = default;
};

// Counts a font's glyphs per subrange. The assigned code points are read from the name table once;
// a font's counts are then a few thousand word operations, cheap enough for every font choice.
class SubrangeGlyphCounts {
public:
    explicit SubrangeGlyphCounts(const NameTable& names);

    // The font's count for every row of the subrange table, in the table's order. Glyph ranges
    // without range data count every code point as a glyph, as the table does.
    std::vector<GlyphCount> Count(const GlyphRanges& font) const;

    // The subrange table row that starts at first (the number in a Subranges list item's key).
    static std::optional<std::size_t> RowStartingAt(long first);

private:
    using Bitmap = std::array<std::uint32_t, kBmpBitmapWords>;
    Bitmap assigned_{};
    std::vector<long> assigned_per_row_;
};

// The text the Subranges list shows for a count: "Greek and Coptic — 127 of 135".
std::u16string GlyphCountText(std::u16string_view subrange_name, GlyphCount count);

}  // namespace glyphora

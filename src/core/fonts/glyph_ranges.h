#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace glyphora {

// A run of consecutive covered code points of the BMP.
struct GlyphRange {
    std::uint16_t first = 0;
    std::uint16_t count = 0;  // at least 1 in ranges built here

    friend bool operator==(const GlyphRange&, const GlyphRange&) = default;
};

// The covered code points of one font, in the shape the character table asks about: at most
// kMaxRanges ascending, disjoint ranges. A range count below 0 means no range data: every code
// point then counts as having a glyph.
struct GlyphRanges {
    static constexpr int kMaxRanges = 5001;

    int range_count = -1;
    std::vector<GlyphRange> ranges;  // range_count entries when range_count >= 0

    friend bool operator==(const GlyphRanges&, const GlyphRanges&) = default;
};

// Number of 32-bit words of a BMP coverage bitmap: bit (cp % 32) of word (cp / 32) is code point
// cp.
inline constexpr std::size_t kBmpBitmapWords = 0x10000 / 32;

// The ranges of a BMP coverage bitmap (kBmpBitmapWords words; missing words count as empty).
// More than kMaxRanges ranges give range count -1.
GlyphRanges GlyphRangesFromBitmap(std::span<const std::uint32_t> bitmap);

// Whether the ranges hold the code point (always true without range data).
bool HasGlyph(const GlyphRanges& glyph_ranges, long code_point);

}  // namespace glyphora

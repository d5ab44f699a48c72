#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace glyphora {

// One named stretch of the Basic Multilingual Plane (a Unicode block as the character map divides
// the plane), with the font-signature Unicode subset bit that stands for it.
struct Subrange {
    int bit;                // Unicode subset bit of a font's OS/2 signature (0..84); -1: none
    long first;             // first code point, inclusive
    long last;              // last code point, inclusive
    std::string_view name;  // display name (ASCII)
};

inline constexpr std::size_t kSubrangeCount = 162;

// The fixed division of the plane, in ascending code point order. Rows never overlap and every
// row is a whole number of 16-cell table rows, so each subrange starts on a new table row. Two
// stretches belong to no row (U+0860..U+089F and U+1C90..U+1CBF); several rows share one bit.
const std::array<Subrange, kSubrangeCount>& SubrangeTable();

// Whether a font covers a subrange with this signature bit, going by the font's coverage string
// (character k + 1 is "1" when subset bit k is set). A bit below 0, a position beyond the end of
// the string, or a character there that is not a non-zero digit all mean "not covered".
bool IsCovered(std::string_view coverage, int bit);

}  // namespace glyphora

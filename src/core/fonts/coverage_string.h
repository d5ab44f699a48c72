#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace glyphora {

// Number of Unicode subset bits in a font signature, and so the length of a coverage string.
inline constexpr int kCoverageBits = 128;

// The coverage string of a font: 128 characters "0"/"1", the character at (0-based) position k
// being "1" when Unicode subset bit k is set; bit k is bit (k % 32) of word k / 32, word 0 first.
std::string CoverageString(const std::array<std::uint32_t, 4>& unicode_subset);

}  // namespace glyphora

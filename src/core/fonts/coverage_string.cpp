#include "fonts/coverage_string.h"

namespace glyphora {

std::string CoverageString(const std::array<std::uint32_t, 4>& unicode_subset) {
    std::string coverage(kCoverageBits, '0');
    for (int bit = 0; bit < kCoverageBits; ++bit)
        if ((unicode_subset[bit / 32] >> (bit % 32)) & 1u) coverage[bit] = '1';
    return coverage;
}

}  // namespace glyphora

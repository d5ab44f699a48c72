#include "fonts/glyph_ranges.h"

#include <algorithm>

namespace glyphora {

GlyphRanges GlyphRangesFromBitmap(std::span<const std::uint32_t> bitmap) {
    GlyphRanges result;
    result.range_count = 0;
    const std::size_t words = std::min(bitmap.size(), kBmpBitmapWords);

    long run_start = -1;  // first code point of the open run
    bool too_many = false;
    auto close_run = [&](long end) {  // end: one past the run's last code point
        // A range's count is 16 bits wide, so a run over the whole plane needs two ranges.
        while (run_start < end && !too_many) {
            const long count = std::min(end - run_start, 0xFFFFL);
            if (result.ranges.size() == GlyphRanges::kMaxRanges) {
                too_many = true;
                break;
            }
            result.ranges.push_back(
                {static_cast<std::uint16_t>(run_start), static_cast<std::uint16_t>(count)});
            run_start += count;
        }
        run_start = -1;
    };

    for (std::size_t w = 0; w < words && !too_many; ++w) {
        const std::uint32_t word = bitmap[w];
        const long base = static_cast<long>(w) * 32;
        // Whole words are the common case in both directions; skip them without a bit loop.
        if (word == 0) {
            if (run_start >= 0) close_run(base);
            continue;
        }
        if (word == 0xFFFFFFFFu) {
            if (run_start < 0) run_start = base;
            continue;
        }
        for (int bit = 0; bit < 32; ++bit) {
            const bool covered = (word >> bit) & 1u;
            if (covered && run_start < 0) {
                run_start = base + bit;
            } else if (!covered && run_start >= 0) {
                close_run(base + bit);
                if (too_many) break;
            }
        }
    }
    if (run_start >= 0 && !too_many) close_run(static_cast<long>(words) * 32);

    if (too_many) return GlyphRanges{};
    result.range_count = static_cast<int>(result.ranges.size());
    return result;
}

bool HasGlyph(const GlyphRanges& glyph_ranges, long code_point) {
    if (glyph_ranges.range_count < 0) return true;
    const std::size_t count = std::min<std::size_t>(
        {static_cast<std::size_t>(glyph_ranges.range_count), glyph_ranges.ranges.size(),
         static_cast<std::size_t>(GlyphRanges::kMaxRanges)});
    const auto begin = glyph_ranges.ranges.begin();
    const auto end = begin + static_cast<std::ptrdiff_t>(count);
    // The last range that starts at or before the code point is the only one that can hold it,
    // because the ranges are ascending and disjoint.
    auto after = std::upper_bound(begin, end, code_point, [](long cp, const GlyphRange& range) {
        return cp < static_cast<long>(range.first);
    });
    if (after == begin) return false;
    const GlyphRange& range = *(after - 1);
    const long low = range.first;
    const long high = low + static_cast<long>(range.count) - 1;
    return low <= code_point && code_point <= high;
}

}  // namespace glyphora

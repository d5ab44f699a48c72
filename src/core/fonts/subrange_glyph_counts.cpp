#include "fonts/subrange_glyph_counts.h"

#include <algorithm>
#include <bit>

#include "base/text.h"
#include "unicode/name_table.h"
#include "unicode/subrange_table.h"

namespace glyphora {
namespace {

constexpr std::string_view kUndefined = "Undefined";

// The set bits of bitmap from first to last, inclusive (both within the plane).
long CountBits(const std::array<std::uint32_t, kBmpBitmapWords>& bitmap, long first, long last) {
    long count = 0;
    const auto first_word = static_cast<std::size_t>(first / 32);
    const auto last_word = static_cast<std::size_t>(last / 32);
    for (std::size_t w = first_word; w <= last_word; ++w) {
        std::uint32_t word = bitmap[w];
        if (w == first_word) word &= ~0u << (first % 32);
        if (w == last_word && last % 32 != 31) word &= (1u << (last % 32 + 1)) - 1;
        count += std::popcount(word);
    }
    return count;
}

// Sets bits first .. first + count - 1.
void SetBits(std::array<std::uint32_t, kBmpBitmapWords>& bitmap, long first, long count) {
    const long end = std::min(first + count, 0x10000L);
    for (long cp = first; cp < end;) {
        const auto w = static_cast<std::size_t>(cp / 32);
        const long bit = cp % 32;
        const long n = std::min(32 - bit, end - cp);
        const std::uint32_t mask = n == 32 ? ~0u : ((1u << n) - 1) << bit;
        bitmap[w] |= mask;
        cp += n;
    }
}

}  // namespace

SubrangeGlyphCounts::SubrangeGlyphCounts(const NameTable& names) {
    for (long cp = 0; cp < NameTable::kCodePointCount; ++cp)
        if (names.CharName(cp) != kUndefined) assigned_[cp / 32] |= 1u << (cp % 32);
    const auto& rows = SubrangeTable();
    assigned_per_row_.reserve(rows.size());
    for (const Subrange& row : rows)
        assigned_per_row_.push_back(CountBits(assigned_, row.first, row.last));
}

std::vector<GlyphCount> SubrangeGlyphCounts::Count(const GlyphRanges& font) const {
    const auto& rows = SubrangeTable();
    std::vector<GlyphCount> counts(rows.size());
    if (font.range_count < 0) {
        for (std::size_t i = 0; i < rows.size(); ++i)
            counts[i] = {assigned_per_row_[i], assigned_per_row_[i]};
        return counts;
    }
    Bitmap glyphs{};
    const auto ranges = std::min(static_cast<std::size_t>(font.range_count), font.ranges.size());
    for (std::size_t r = 0; r < ranges; ++r)
        SetBits(glyphs, font.ranges[r].first, font.ranges[r].count);
    for (std::size_t w = 0; w < glyphs.size(); ++w) glyphs[w] &= assigned_[w];
    for (std::size_t i = 0; i < rows.size(); ++i)
        counts[i] = {CountBits(glyphs, rows[i].first, rows[i].last), assigned_per_row_[i]};
    return counts;
}

std::optional<std::size_t> SubrangeGlyphCounts::RowStartingAt(long first) {
    const auto& rows = SubrangeTable();
    const auto it = std::lower_bound(rows.begin(), rows.end(), first,
                                     [](const Subrange& row, long cp) { return row.first < cp; });
    if (it == rows.end() || it->first != first) return std::nullopt;
    return static_cast<std::size_t>(it - rows.begin());
}

std::u16string GlyphCountText(std::u16string_view subrange_name, GlyphCount count) {
    return std::u16string(subrange_name) + u" \u2014 " +
           Utf8ToUtf16(std::to_string(count.have) + " of " + std::to_string(count.assigned));
}

}  // namespace glyphora

#include "fonts/glyph_ranges.h"

#include <gtest/gtest.h>

#include <array>
#include <random>
#include <vector>

namespace glyphora {
namespace {

using Bitmap = std::array<std::uint32_t, kBmpBitmapWords>;

void Cover(Bitmap& bitmap, long first, long last) {
    for (long cp = first; cp <= last; ++cp) bitmap[cp / 32] |= 1u << (cp % 32);
}

// The lookup exactly as the character table describes it: a scan that stops at the first range
// beyond the code point.
bool ScanHasGlyph(const GlyphRanges& glyph_ranges, long cp) {
    if (glyph_ranges.range_count < 0) return true;
    for (int i = 0; i < glyph_ranges.range_count && i < GlyphRanges::kMaxRanges; ++i) {
        const long low = glyph_ranges.ranges[static_cast<std::size_t>(i)].first;
        if (cp < low) return false;
        const long high = low + glyph_ranges.ranges[static_cast<std::size_t>(i)].count - 1;
        if (low <= cp && cp <= high) return true;
    }
    return false;
}

TEST(GlyphRangesFromBitmap, GivesAscendingRunsAcrossWordBoundaries) {
    struct Case {
        const char* what;
        std::vector<std::pair<long, long>> covered;  // inclusive runs
        std::vector<GlyphRange> expected;
    } cases[] = {
        {"nothing", {}, {}},
        {"run over whole words", {{0x20, 0x2FF}}, {{0x20, 0x2E0}}},
        {"runs meeting at a word edge stay one", {{0x1F, 0x1F}, {0x20, 0x20}}, {{0x1F, 2}}},
        {"two runs in one word", {{0x40, 0x41}, {0x43, 0x43}}, {{0x40, 2}, {0x43, 1}}},
        {"last code point of the plane", {{0xFFF0, 0xFFFF}}, {{0xFFF0, 0x10}}},
    };
    for (const auto& c : cases) {
        Bitmap bitmap{};
        for (const auto& [first, last] : c.covered) Cover(bitmap, first, last);
        const GlyphRanges ranges = GlyphRangesFromBitmap(bitmap);
        EXPECT_EQ(ranges.range_count, static_cast<int>(c.expected.size())) << c.what;
        EXPECT_EQ(ranges.ranges, c.expected) << c.what;
    }
}

TEST(GlyphRangesFromBitmap, SplitsARunLongerThanARangeCanCount) {
    Bitmap bitmap;
    bitmap.fill(0xFFFFFFFFu);
    const GlyphRanges ranges = GlyphRangesFromBitmap(bitmap);
    ASSERT_EQ(ranges.range_count, 2);
    EXPECT_EQ(ranges.ranges[0], (GlyphRange{0, 0xFFFF}));
    EXPECT_EQ(ranges.ranges[1], (GlyphRange{0xFFFF, 1}));
    EXPECT_TRUE(HasGlyph(ranges, 0xFFFF));
}

TEST(GlyphRangesFromBitmap, MoreThan5001RangesMeanEveryCodePointHasAGlyph) {
    // Every other code point: one range each.
    auto alternating = [](long count) {
        Bitmap bitmap{};
        for (long i = 0; i < count; ++i) Cover(bitmap, 2 * i, 2 * i);
        return bitmap;
    };
    const GlyphRanges at_limit = GlyphRangesFromBitmap(alternating(5001));
    EXPECT_EQ(at_limit.range_count, 5001);
    EXPECT_FALSE(HasGlyph(at_limit, 1));
    EXPECT_TRUE(HasGlyph(at_limit, 10000));
    EXPECT_FALSE(HasGlyph(at_limit, 10002));

    const GlyphRanges over = GlyphRangesFromBitmap(alternating(5002));
    EXPECT_EQ(over.range_count, -1);
    EXPECT_TRUE(over.ranges.empty() && HasGlyph(over, 1));
}

TEST(HasGlyph, AgreesWithTheScanAndTheBitmap) {
    std::mt19937 random(42);
    for (int round = 0; round < 9; ++round) {
        Bitmap bitmap{};
        // Sparse, dense and clustered coverage; the middle one has too many ranges.
        const unsigned density = round % 3 == 0 ? 2 : round % 3 == 1 ? 60 : 97;
        for (long cp = 0; cp <= 0xFFFF; ++cp)
            if (random() % 100 < density) Cover(bitmap, cp, cp);
        const GlyphRanges ranges = GlyphRangesFromBitmap(bitmap);
        for (long cp = 0; cp <= 0xFFFF; ++cp) {
            const bool covered = ((bitmap[cp / 32] >> (cp % 32)) & 1u) != 0;
            ASSERT_EQ(HasGlyph(ranges, cp), ranges.range_count < 0 || covered)
                << round << " " << cp;
        }
        // The scan is slow: compare it at every range edge and a spread of other points.
        std::vector<long> probes = {-2, -1, 0x10000, 0x10001};
        for (long cp = 0; cp <= 0xFFFF; cp += 13) probes.push_back(cp);
        for (const GlyphRange& range : ranges.ranges)
            for (long edge : {long{range.first}, long{range.first} + range.count})
                for (long cp = edge - 1; cp <= edge; ++cp) probes.push_back(cp);
        for (long cp : probes)
            ASSERT_EQ(HasGlyph(ranges, cp), ScanHasGlyph(ranges, cp)) << round << " " << cp;
    }
}

TEST(HasGlyph, ReadsOnlyTheCountedRangesAndNoDataHoldsEverything) {
    GlyphRanges ranges;
    ranges.ranges = {{0x20, 0x10}, {0x41, 1}};
    ranges.range_count = 1;  // the second range lies beyond the count
    EXPECT_TRUE(HasGlyph(ranges, 0x2F));
    EXPECT_FALSE(HasGlyph(ranges, 0x41));
    ranges.range_count = 0;
    EXPECT_FALSE(HasGlyph(ranges, 0x20));
    EXPECT_TRUE(HasGlyph(GlyphRanges{}, 0x41));
    // A short bitmap counts the missing words as empty.
    const GlyphRanges short_bitmap =
        GlyphRangesFromBitmap(std::vector<std::uint32_t>{0, 0xF0000000u});
    EXPECT_EQ(short_bitmap.ranges, (std::vector<GlyphRange>{{60, 4}}));
}

}  // namespace
}  // namespace glyphora

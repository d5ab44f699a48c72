#include "fonts/subrange_glyph_counts.h"

#include <gtest/gtest.h>

#include "../table/model_fixture.h"
#include "base/text.h"
#include "base/text_measure.h"
#include "fonts/fontconfig_font_source.h"
#include "fonts/installed_font_catalog.h"
#include "unicode/subrange_table.h"

namespace glyphora {
namespace {

using testing::RangesOf;
using testing::SharedNames;

// The count the slow way: every code point of every row asked on its own.
std::vector<GlyphCount> BruteForce(const GlyphRanges& font) {
    std::vector<GlyphCount> counts;
    for (const Subrange& row : SubrangeTable()) {
        GlyphCount count;
        for (long cp = row.first; cp <= row.last; ++cp) {
            if (SharedNames().CharName(cp) == "Undefined") continue;
            ++count.assigned;
            count.have += HasGlyph(font, cp) ? 1 : 0;
        }
        counts.push_back(count);
    }
    return counts;
}

TEST(SubrangeGlyphCounts, MatchTheCodePointByCodePointCountForEveryInstalledFamily) {
    const SubrangeGlyphCounts counter(SharedNames());
    const FontconfigFontSource source;
    InstalledFontCatalog catalog(source);
    const ListViewModel fonts = catalog.BuildFontList(FixedWidthMeasure{}, 0);
    ASSERT_FALSE(fonts.items.empty());
    for (const ListItem& item : fonts.items) {
        const GlyphRanges ranges = catalog.Ranges(item.id);
        EXPECT_EQ(counter.Count(ranges), BruteForce(ranges)) << Utf16ToUtf8(item.text);
    }
}

TEST(SubrangeGlyphCounts, EdgesOfWordsAndRangesAndFontsWithoutRangeData) {
    const SubrangeGlyphCounts counter(SharedNames());
    // Runs that start and end inside 32-bit words, a whole-plane run split in two, no ranges.
    for (const GlyphRanges& font :
         {RangesOf({{0x21, 0x21}, {0x370, 0x3A1}, {0x3A3, 0x3FF}, {0xFFF0, 0xFFFF}}),
          RangesOf({{0, 0xFFFE}, {0xFFFF, 0xFFFF}}), RangesOf({}), GlyphRanges{}}) {
        EXPECT_EQ(counter.Count(font), BruteForce(font));
    }
    const auto greek = SubrangeGlyphCounts::RowStartingAt(0x370);
    ASSERT_TRUE(greek);
    const GlyphCount count = counter.Count(RangesOf({{0x370, 0x3A1}}))[*greek];
    EXPECT_EQ(GlyphCountText(u"Greek and Coptic", count), u"Greek and Coptic \u2014 42 of 135");
    EXPECT_EQ(SubrangeGlyphCounts::RowStartingAt(0x371), std::nullopt);
}

}  // namespace
}  // namespace glyphora

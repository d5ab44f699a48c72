// Which installed families have a character, and a font's glyph counts per subrange: both over
// the installed fonts, after the font table is loaded as start-up loads it.
#include <benchmark/benchmark.h>

#include <array>

#include "base/list_model.h"
#include "base/text_measure.h"
#include "fonts/family_glyph_index.h"
#include "fonts/fontconfig_font_source.h"
#include "fonts/installed_font_catalog.h"
#include "fonts/subrange_glyph_counts.h"
#include "unicode/builtin_data.h"
#include "unicode/icu_name_service.h"
#include "unicode/name_table.h"

namespace glyphora {
namespace {

// Latin, Cyrillic, the euro sign, a CJK ideograph, private use, a symbol.
constexpr std::array<long, 6> kCodePoints = {0x41, 0x416, 0x20AC, 0x4E00, 0xE000, 0x2603};

struct InstalledFonts {
    FontconfigFontSource source;
    InstalledFontCatalog catalog{source};
    ListViewModel list = catalog.BuildFontList(FixedWidthMeasure{}, 0);
};

InstalledFonts& Fonts() {
    static InstalledFonts fonts;
    return fonts;
}

// The first query of a session: every family's glyph ranges asked, then searched.
void BM_FontsWithCharFirstQuery(benchmark::State& state) {
    InstalledFonts& fonts = Fonts();
    std::size_t found = 0;
    for (auto _ : state) {
        const FamilyGlyphIndex index(fonts.list, fonts.catalog);
        found = index.FamiliesCovering(0x20AC).size();
        benchmark::DoNotOptimize(found);
    }
    state.counters["families"] = static_cast<double>(fonts.list.items.size());
    state.counters["with_U+20AC"] = static_cast<double>(found);
}
BENCHMARK(BM_FontsWithCharFirstQuery)->Unit(benchmark::kMillisecond);

// Every later query (another character while the list is open): the ranges are in memory.
void BM_FontsWithCharQuery(benchmark::State& state) {
    InstalledFonts& fonts = Fonts();
    const FamilyGlyphIndex index(fonts.list, fonts.catalog);
    std::size_t next = 0;
    for (auto _ : state) {
        const auto families = index.FamiliesCovering(kCodePoints[next++ % kCodePoints.size()]);
        benchmark::DoNotOptimize(families.data());
    }
    state.counters["families"] = static_cast<double>(index.FamilyCount());
}
BENCHMARK(BM_FontsWithCharQuery)->Unit(benchmark::kMicrosecond);

// What each font choice adds: the counts of all 162 subranges for the chosen font, going round
// the installed families.
void BM_SubrangeGlyphCountsPerFontChoice(benchmark::State& state) {
    InstalledFonts& fonts = Fonts();
    NameTable names;
    names.LoadCharData(IcuNameService{}, builtin::NameData(), builtin::EntityData());
    const SubrangeGlyphCounts counter(names);
    std::vector<GlyphRanges> ranges;
    for (const ListItem& item : fonts.list.items) ranges.push_back(fonts.catalog.Ranges(item.id));
    if (ranges.empty()) ranges.emplace_back();
    std::size_t next = 0;
    for (auto _ : state) {
        const auto counts = counter.Count(ranges[next++ % ranges.size()]);
        benchmark::DoNotOptimize(counts.data());
    }
}
BENCHMARK(BM_SubrangeGlyphCountsPerFontChoice)->Unit(benchmark::kMicrosecond);

// Once per session: the assigned code points read from the name table.
void BM_SubrangeGlyphCountsSetUp(benchmark::State& state) {
    NameTable names;
    names.LoadCharData(IcuNameService{}, builtin::NameData(), builtin::EntityData());
    for (auto _ : state) {
        const SubrangeGlyphCounts counter(names);
        benchmark::DoNotOptimize(&counter);
    }
}
BENCHMARK(BM_SubrangeGlyphCountsSetUp)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace glyphora

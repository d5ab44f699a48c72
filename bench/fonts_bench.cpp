// The font list as start-up builds it from the installed fonts, and one family's glyph ranges.
#include <benchmark/benchmark.h>

#include <algorithm>

#include "base/list_model.h"
#include "base/text_measure.h"
#include "fonts/font_table.h"
#include "fonts/fontconfig_font_source.h"
#include "fonts/glyph_ranges.h"

namespace glyphora {
namespace {

// Listing, coverage strings of every family (OS/2 reads) and the list: all of start-up's font
// work. fontconfig's own cache is warm after the first iteration.
void BM_FontListAllInstalledFaces(benchmark::State& state) {
    std::size_t faces = 0;
    std::size_t families = 0;
    for (auto _ : state) {
        FontconfigFontSource source;
        FontTable table;
        ListViewModel list;
        BuildFontList(source, FixedWidthMeasure{}, table, list);
        benchmark::DoNotOptimize(list.items.data());
        faces = table.Records().empty() ? 0 : table.Records().size() - 1;
        families = list.items.size();
        if (const auto entries = source.InstalledFonts()) {
            faces = 0;
            for (const auto& entry : *entries) faces += entry.face_names.size();
        }
    }
    state.counters["faces"] = static_cast<double>(faces);
    state.counters["families"] = static_cast<double>(families);
}
BENCHMARK(BM_FontListAllInstalledFaces)->Unit(benchmark::kMillisecond);

// The listing alone, to see what the coverage reads add.
void BM_FontconfigListing(benchmark::State& state) {
    for (auto _ : state) {
        FontconfigFontSource source;
        benchmark::DoNotOptimize(source.InstalledFonts());
    }
}
BENCHMARK(BM_FontconfigListing)->Unit(benchmark::kMillisecond);

void BM_GlyphRangesOfOneFace(benchmark::State& state) {
    const FontconfigFontSource source;
    int ranges = 0;
    for (auto _ : state) {
        const GlyphRanges glyph_ranges = source.FamilyGlyphRanges("DejaVu Sans");
        ranges = glyph_ranges.range_count;
        benchmark::DoNotOptimize(glyph_ranges.ranges.data());
    }
    state.counters["ranges"] = ranges;
}
BENCHMARK(BM_GlyphRangesOfOneFace)->Unit(benchmark::kMicrosecond);

// One lookup per code point of the plane: what painting every page of a subrange asks.
void BM_HasGlyphWholePlane(benchmark::State& state) {
    const FontconfigFontSource source;
    const GlyphRanges glyph_ranges = source.FamilyGlyphRanges("DejaVu Sans");
    for (auto _ : state) {
        int covered = 0;
        for (long cp = 0; cp <= 0xFFFF; ++cp) covered += HasGlyph(glyph_ranges, cp);
        benchmark::DoNotOptimize(covered);
    }
}
BENCHMARK(BM_HasGlyphWholePlane)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace glyphora

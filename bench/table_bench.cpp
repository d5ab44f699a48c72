// The character table model: a page fill, a held Page Down over the whole plane, and a rebuild
// of the Subranges list.
#include <benchmark/benchmark.h>

#include "table/main_window_model.h"
#include "unicode/builtin_data.h"
#include "unicode/icu_char_classifier.h"
#include "unicode/icu_name_service.h"
#include "unicode/name_table.h"

namespace glyphora {
namespace {

class AllGlyphsCatalog final : public FontCatalog {
public:
    ListViewModel BuildFontList(const TextMeasure&, int view_width) override {
        ListViewModel list;
        list.view_width = view_width;
        list.items.push_back({1, u"Every"});
        return list;
    }
    std::optional<FontDescription> Describe(long) override {
        return FontDescription{std::string(128, '1'), "", false};
    }
    GlyphRanges Ranges(long) override { return {}; }
};

struct Fixture {
    NameTable names;
    IcuCharClassifier classifier;
    FixedWidthMeasure measure;
    AllGlyphsCatalog fonts;
    MainWindowModel model{{&names, &classifier, &measure, nullptr, &fonts}};

    Fixture() {
        names.LoadCharData(IcuNameService{}, builtin::NameData(), builtin::EntityData());
        model.LoadFonts();
        model.Subranges().SetShowAll(true);
        model.SelectFont(0);
    }
};

Fixture& Shared() {
    static Fixture fixture;
    return fixture;
}

void BM_FillPageAndSelect(benchmark::State& state) {
    MainWindowModel& model = Shared().model;
    long cp = 0;
    for (auto _ : state) {
        model.FillPage(cp);
        cp = (cp + 0x1230) % 0xFF00;
    }
}
BENCHMARK(BM_FillPageAndSelect)->Unit(benchmark::kMicrosecond);

void BM_HeldPageDownAcrossThePlane(benchmark::State& state) {
    MainWindowModel& model = Shared().model;
    int pages = 0;
    for (auto _ : state) {
        model.RunTableCommand(TableCommand::First);
        pages = 0;
        while (model.Page().Cells()[255].code_point < 0xFFFF) {
            model.RunTableCommand(TableCommand::PageDown);
            ++pages;
        }
    }
    state.counters["pages"] = pages;
}
BENCHMARK(BM_HeldPageDownAcrossThePlane)->Unit(benchmark::kMillisecond);

void BM_ShowAllChanged(benchmark::State& state) {
    MainWindowModel& model = Shared().model;
    for (auto _ : state) model.SetShowAll(true);
}
BENCHMARK(BM_ShowAllChanged)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace glyphora

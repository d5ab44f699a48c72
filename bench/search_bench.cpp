// The name search: building the index over the plane, a search that finds nothing anywhere (the
// whole plane scanned) and a search for a common word, both through the index alone and as the
// Search button runs them on a model listing every subrange (the go-to of a match included).
#include <benchmark/benchmark.h>

#include "panels/search_panel.h"
#include "search/name_search_index.h"
#include "table/main_window_model.h"
#include "unicode/builtin_data.h"
#include "unicode/icu_char_classifier.h"
#include "unicode/icu_name_service.h"
#include "unicode/name_table.h"

namespace {

using namespace glyphora;

const NameTable& Names() {
    static const NameTable* table = [] {
        auto* names = new NameTable;
        names->LoadCharData(IcuNameService{}, builtin::NameData(), builtin::EntityData());
        return names;
    }();
    return *table;
}

void BM_BuildIndex(benchmark::State& state) {
    for (auto _ : state) {
        NameSearchIndex index(&Names());
        benchmark::DoNotOptimize(index);
    }
    const NameSearchIndex index(&Names());
    std::size_t plain = 0;  // every name with a separator, no runs
    for (long cp = 0; cp < NameTable::kCodePointCount; ++cp)
        plain += Names().CharName(cp).size() + 1;
    state.counters["plain_bytes"] = static_cast<double>(plain);
    state.counters["runs"] = static_cast<double>(index.RunCount());
    state.counters["text_bytes"] = static_cast<double>(index.TextBytes());
    state.counters["heap_bytes"] = static_cast<double>(index.MemoryBytes());
}
BENCHMARK(BM_BuildIndex)->Unit(benchmark::kMillisecond);

void BM_IndexMissWholePlane(benchmark::State& state) {
    const NameSearchIndex index(&Names());
    const std::vector<std::string> words = {"zzqx"};
    for (auto _ : state) benchmark::DoNotOptimize(index.FindAll(words, 0, 0xFFFF));
}
BENCHMARK(BM_IndexMissWholePlane)->Unit(benchmark::kMicrosecond);

void BM_IndexMissTwoCommonWords(benchmark::State& state) {
    // Both words are everywhere, never together: the leapfrog's worst kind of query.
    const NameSearchIndex index(&Names());
    const std::vector<std::string> words = {"hangul", "latin"};
    for (auto _ : state) benchmark::DoNotOptimize(index.FindAll(words, 0, 0xFFFF));
}
BENCHMARK(BM_IndexMissTwoCommonWords)->Unit(benchmark::kMicrosecond);

void BM_IndexCommonWord(benchmark::State& state) {
    const NameSearchIndex index(&Names());
    const std::vector<std::string> words = {"letter"};
    for (auto _ : state) benchmark::DoNotOptimize(index.FindAll(words, 0x100, 0xFFFF));
}
BENCHMARK(BM_IndexCommonWord)->Unit(benchmark::kMicrosecond);

// A model that lists the whole plane, with the index already built by one search.
struct SearchModel {
    IcuCharClassifier classifier;
    FixedWidthMeasure measure;
    MainWindowModel model{{&Names(), &classifier, &measure, nullptr, nullptr}};
    SearchModel() {
        model.SetShowAll(true);
        Type(u"warmup");
        model.Search().Search();
    }
    void Type(const std::u16string& text) { model.Search().SearchTextChanged(text, text.size()); }
};

void BM_SearchButtonMissWholePlane(benchmark::State& state) {
    SearchModel m;
    for (auto _ : state) {
        m.Type(u"zzqx");  // a new text: the search starts afresh at U+0000
        benchmark::DoNotOptimize(m.model.Search().Search());
    }
}
BENCHMARK(BM_SearchButtonMissWholePlane)->Unit(benchmark::kMicrosecond);

void BM_SearchButtonCommonWord(benchmark::State& state) {
    SearchModel m;
    bool odd = false;
    for (auto _ : state) {
        odd = !odd;
        m.Type(odd ? u"curl d" : u"sign");
        benchmark::DoNotOptimize(m.model.Search().Search());
    }
}
BENCHMARK(BM_SearchButtonCommonWord)->Unit(benchmark::kMicrosecond);

void BM_SearchNextCommonWord(benchmark::State& state) {
    // F3 through "letter": each step finds the next name and moves the table there.
    SearchModel m;
    m.Type(u"letter");
    for (auto _ : state) {
        if (!m.model.Search().Search()) {
            state.PauseTiming();
            m.Type(u"x");
            m.Type(u"letter");
            state.ResumeTiming();
        }
    }
}
BENCHMARK(BM_SearchNextCommonWord)->Unit(benchmark::kMicrosecond);

}  // namespace

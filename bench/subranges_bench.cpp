// The subrange views are rebuilt on every font choice; FindSubrangeStart and DescribeCharType run
// on every movement of the current character.
#include <benchmark/benchmark.h>

#include <string>

#include "unicode/char_type.h"
#include "unicode/icu_char_classifier.h"
#include "unicode/subrange_views.h"

namespace glyphora {
namespace {

void BM_FillSubrangesShowAll(benchmark::State& state) {
    const std::string coverage(128, '1');
    const FixedWidthMeasure measure;
    SubrangeViews views;
    for (auto _ : state) {
        FillSubranges(views, true, coverage, measure);
        benchmark::DoNotOptimize(views.listed_count);
    }
}
BENCHMARK(BM_FillSubrangesShowAll);

void BM_FindSubrangeStartWholePlane(benchmark::State& state) {
    SubrangeViews views;
    FillSubranges(views, true, std::string(128, '1'), FixedWidthMeasure{});
    for (auto _ : state) {
        long sum = 0;
        for (long cp = 0; cp <= 0xFFFF; ++cp) sum += FindSubrangeStart(views.list, cp);
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * 0x10000);
}
BENCHMARK(BM_FindSubrangeStartWholePlane)->Unit(benchmark::kMillisecond);

void BM_DescribeCharTypeWholePlane(benchmark::State& state) {
    const IcuCharClassifier classifier;
    const FixedWidthMeasure measure;
    TypeList list;
    for (auto _ : state) {
        for (long cp = 0; cp <= 0xFFFF; ++cp) {
            benchmark::DoNotOptimize(DescribeCharType(cp, classifier, measure, 200, list));
        }
    }
    state.SetItemsProcessed(state.iterations() * 0x10000);
}
BENCHMARK(BM_DescribeCharTypeWholePlane)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace glyphora

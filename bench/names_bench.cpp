// The name table at start-up (ICU names for the plane plus both built-in data files) and the
// cost of naming every code point, with the table's heap size as a counter.
#include <benchmark/benchmark.h>

#include "unicode/builtin_data.h"
#include "unicode/icu_name_service.h"
#include "unicode/name_table.h"

namespace {

using glyphora::IcuNameService;
using glyphora::NameTable;

void BM_LoadCharData(benchmark::State& state) {
    const IcuNameService service;
    NameTable table;
    for (auto _ : state) {
        table.LoadCharData(service, glyphora::builtin::NameData(), glyphora::builtin::EntityData());
        benchmark::DoNotOptimize(table);
    }
    state.counters["table_bytes"] = static_cast<double>(table.MemoryBytes());
}
BENCHMARK(BM_LoadCharData)->Unit(benchmark::kMillisecond);

void BM_CharNameWholePlane(benchmark::State& state) {
    NameTable table;
    table.LoadCharData(IcuNameService{}, glyphora::builtin::NameData(),
                       glyphora::builtin::EntityData());
    for (auto _ : state) {
        std::size_t total = 0;
        for (long cp = 0; cp < NameTable::kCodePointCount; ++cp) total += table.CharName(cp).size();
        benchmark::DoNotOptimize(total);
    }
    state.counters["table_bytes"] = static_cast<double>(table.MemoryBytes());
}
BENCHMARK(BM_CharNameWholePlane)->Unit(benchmark::kMicrosecond);

void BM_FindEntityMiss(benchmark::State& state) {
    NameTable table;
    table.LoadCharData(IcuNameService{}, std::nullopt, glyphora::builtin::EntityData());
    for (auto _ : state) benchmark::DoNotOptimize(table.FindEntity("NBSP"));
}
BENCHMARK(BM_FindEntityMiss)->Unit(benchmark::kMicrosecond);

}  // namespace

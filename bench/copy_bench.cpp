#include <benchmark/benchmark.h>

#include <string>

#include "copy/copy_encoder.h"

namespace glyphora {
namespace {

// The fullest To-copy text, spread over the whole plane (most of it CJK and Hangul, which the
// single-byte code pages lack, so their best-fit path is measured too).
std::u16string FullCopyText() {
    std::u16string text;
    for (std::size_t i = 0; i < kMaxCopyTextLength; ++i)
        text.push_back(static_cast<char16_t>(0x20 + (i * 7919) % 0xFFE0));
    return text;
}

// A full text of Latin, Greek and Cyrillic letters: what a code page mostly has.
std::u16string FullEuropeanText() {
    std::u16string text;
    for (std::size_t i = 0; i < kMaxCopyTextLength; ++i)
        text.push_back(static_cast<char16_t>(0x41 + (i * 31) % 0x440));
    return text;
}

void BM_Encode(benchmark::State& state, CopyFormat format, int row, bool european) {
    CodePageConverter converter;
    const CopyContext context{converter, row,
                              [](char16_t) { return std::string("LATIN SMALL LETTER A"); }};
    const std::u16string text = european ? FullEuropeanText() : FullCopyText();
    EncodeCopyText(format, text, context);  // open the converter's descriptors first
    for (auto _ : state) benchmark::DoNotOptimize(EncodeCopyText(format, text, context));
    state.counters["units"] = static_cast<double>(text.size());
}

void RegisterAll() {
    for (int f = 1; f < kCopyFormatCount; ++f) {
        const CopyFormat format = *CopyFormatFromIndex(f);
        if (format == CopyFormat::Picture || format == CopyFormat::Sgml) continue;
        if (format == CopyFormat::CodePage) {
            for (int row = 0; row < static_cast<int>(kCodePageList.size()); ++row) {
                for (bool european : {false, true}) {
                    const std::string name = "Encode/CodePage/" +
                                             std::to_string(kCodePageList[row].code_page) +
                                             (european ? "/european" : "/spread");
                    benchmark::RegisterBenchmark(name.c_str(), BM_Encode, format, row, european)
                        ->Unit(benchmark::kMillisecond);
                }
            }
            continue;
        }
        const std::string name = "Encode/" + std::string(CopyFormatCaption(format));
        benchmark::RegisterBenchmark(name.c_str(), BM_Encode, format, kDefaultCodePageRow, false)
            ->Unit(benchmark::kMillisecond);
    }
}

const int kRegistered = (RegisterAll(), 0);

}  // namespace
}  // namespace glyphora

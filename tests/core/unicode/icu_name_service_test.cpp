#include "unicode/icu_name_service.h"

#include <gtest/gtest.h>

#include <string>

#include "unicode/builtin_data.h"
#include "unicode/char_data_file.h"
#include "unicode/name_table.h"

namespace glyphora {
namespace {

std::string IcuName(char16_t cp, std::size_t buffer_size = NameService::kBufferSize) {
    std::string buffer(buffer_size, '#');
    const std::size_t n = IcuNameService{}.GetUName(cp, buffer);
    EXPECT_LE(n, buffer_size);
    return buffer.substr(0, n);
}

TEST(IcuNameService, NamesInWordCapitals) {
    struct Case {
        char16_t cp;
        const char* name;
    } cases[] = {
        {0x0221, "Latin Small Letter D With Curl"},
        {0x00A0, "No-Break Space"},
        {0xFA70, "CJK Compatibility Ideograph-FA70"},
        {0x9FA6, "CJK Unified Ideograph-9FA6"},
        {0x3192, "Ideographic Annotation One Mark"},
        {0xAC01, "Hangul Syllable Gag"},
        {0x2801, "Braille Pattern Dots-1"},
        {0xFEFF, "Zero Width No-Break Space"},
        {0x0000, "<Control>"},
        {0x0378, "Undefined"},
        {0xE000, ""},  // private use: left to the algorithmic ranges
        {0xD800, ""},
    };
    for (const auto& c : cases) EXPECT_EQ(IcuName(c.cp), c.name) << std::hex << int(c.cp);
    EXPECT_EQ(IcuName(0x0041, 5), "Latin");  // cut to a small buffer
    EXPECT_EQ(IcuName(0x0041, 0), "");
}

TEST(IcuNameService, LoadsTheWholeTable) {
    NameTable table;
    table.LoadCharData(IcuNameService{}, builtin::NameData(), builtin::EntityData());
    EXPECT_EQ(table.CharName(0x0084), "Index");
    EXPECT_EQ(table.CharName(0x0082), "<Control>");
    EXPECT_EQ(table.CharName(0xFA2E), "CJK Compatibility Ideograph-FA2E");
    EXPECT_LE(table.MemoryBytes(), 3u << 20);
}

}  // namespace
}  // namespace glyphora

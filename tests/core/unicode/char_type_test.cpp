// Character type texts and names from ICU: the panel's words in their order, names in word
// capitals. The table's own use of them is the model tests'.
#include "unicode/char_type.h"

#include <gtest/gtest.h>

#include "unicode/builtin_data.h"
#include "unicode/icu_char_classifier.h"
#include "unicode/icu_name_service.h"
#include "unicode/name_table.h"

namespace glyphora {
namespace {

TEST(IcuCharClassifier, TypeTextsOfKnownCharacters) {
    const std::pair<long, const char*> cases[] = {
        {0x0030, "Dec. digit, Hex. digit; European number or digit"},
        {0x0009, "Space char., Control char., Blank char.; Segment separator"},
        {0x002B, "Punctuation; European numeric separator; Symbol"},
        {0x0301, "Nonspacing mark, Diacritic nonspacing mark"},
        {0x0640, "Right to left; Arabic Kashida char., Punctuation as word part"},
        {0xFF21, "Uppercase, Hex. digit; Left to right; Full-width char."},
        {0xD800, ""},   // a lone surrogate is no character
        {0x10041, ""},  // must not wrap round to U+0041
    };
    const IcuCharClassifier classifier;
    for (const auto& [cp, text] : cases) {
        TypeList list;
        DescribeCharType(cp, classifier, FixedWidthMeasure{7}, 10000, list);
        EXPECT_EQ(list.type_text, text) << std::hex << cp;
    }
}

TEST(IcuNameService, NamesInWordCapitalsCutToTheBuffer) {
    const auto name = [](char16_t cp, std::size_t size = NameService::kBufferSize) {
        std::string buffer(size, '#');
        return buffer.substr(0, IcuNameService{}.GetUName(cp, buffer));
    };
    EXPECT_EQ(name(0x00A0), "No-Break Space");
    EXPECT_EQ(name(0xFA70), "CJK Compatibility Ideograph-FA70");
    EXPECT_EQ(name(0xAC01), "Hangul Syllable Gag");
    EXPECT_EQ(name(0x0000), "<Control>");
    EXPECT_EQ(name(0x0378), "Undefined");
    EXPECT_EQ(name(0xE000), "");  // private use: left to the algorithmic ranges
    EXPECT_EQ(name(0x0041, 5), "Latin");
    NameTable table;
    table.LoadCharData(IcuNameService{}, builtin::NameData(), builtin::EntityData());
    EXPECT_EQ(table.CharName(0x0084), "Index");  // the data file fills what ICU leaves
    EXPECT_LE(table.MemoryBytes(), 3u << 20);
}

}  // namespace
}  // namespace glyphora

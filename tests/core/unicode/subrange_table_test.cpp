#include "unicode/subrange_table.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace glyphora {
namespace {

TEST(SubrangeTable, RowsAscendWithoutOverlapInWholeTableRows) {
    const auto& table = SubrangeTable();
    ASSERT_EQ(table.size(), 162u);
    long next_free = 0;
    for (std::size_t i = 0; i < table.size(); ++i) {
        const Subrange& row = table[i];
        SCOPED_TRACE(std::string(row.name));
        EXPECT_GE(row.first, next_free);
        EXPECT_LE(row.first, row.last);
        EXPECT_EQ(row.first % 16, 0);
        EXPECT_EQ((row.last - row.first + 1) % 16, 0);
        EXPECT_GE(row.bit, -1);
        EXPECT_LE(row.bit, 84);
        next_free = row.last + 1;
    }
    EXPECT_EQ(next_free, 0x10000);
}

TEST(SubrangeTable, LeavesExactlyTheTwoKnownGapsAndCovers65424CodePoints) {
    std::vector<std::pair<long, long>> gaps;
    long next_free = 0;
    long total = 0;
    for (const Subrange& row : SubrangeTable()) {
        if (row.first > next_free) gaps.emplace_back(next_free, row.first - 1);
        next_free = row.last + 1;
        total += row.last - row.first + 1;
    }
    const std::vector<std::pair<long, long>> expected = {{0x0860, 0x089F}, {0x1C90, 0x1CBF}};
    EXPECT_EQ(gaps, expected);
    EXPECT_EQ(total, 65424);
}

TEST(SubrangeTable, HasSixtyThreeRowsWithoutBitAndUniqueNames) {
    int without_bit = 0;
    std::set<std::string_view> names;
    for (const Subrange& row : SubrangeTable()) {
        if (row.bit == -1) ++without_bit;
        EXPECT_TRUE(names.insert(row.name).second) << row.name;
    }
    EXPECT_EQ(without_bit, 63);
}

TEST(SubrangeTable, SpotChecksRows) {
    struct Case {
        std::size_t number;  // 1-based row number
        int bit;
        long first, last;
        std::string_view name;
    } cases[] = {
        {1, 0, 0x0000, 0x007F, "Basic Latin"},
        {8, 7, 0x0370, 0x03FF, "Greek and Coptic"},
        {12, 11, 0x0590, 0x05FF, "Basic Hebrew"},
        {13, 13, 0x0600, 0x06FF, "Basic Arabic"},
        {20, -1, 0x08A0, 0x08FF, "Arabic Extended-A"},
        {49, -1, 0x18B0, 0x18FF, "Canadian Aboriginal Syllabics Extended"},
        {62, -1, 0x1C80, 0x1C8F, "Cyrillic Extended-C"},
        {63, -1, 0x1CC0, 0x1CCF, "Sundanese Supplement"},
        {87, 38, 0x27C0, 0x27EF, "Miscellaneous Mathematical Symbols-A"},
        {104, -1, 0x2FE0, 0x2FEF, "<undefined>"},
        {119, 59, 0x4E00, 0x9FFF, "CJK Unified Ideographs"},
        {146, 56, 0xAC00, 0xD7AF, "Hangul Syllables"},
        {149, 57, 0xDB80, 0xDBFF, "High Private Use Surrogates"},
        {154, 63, 0xFB50, 0xFDFF, "Arabic Presentation Forms-A"},
        {161, 68, 0xFF00, 0xFFEF, "Halfwidth and Fullwidth Forms"},
        {162, 69, 0xFFF0, 0xFFFF, "Specials"},
    };
    for (const auto& c : cases) {
        const Subrange& row = SubrangeTable().at(c.number - 1);
        EXPECT_EQ(row.bit, c.bit) << c.name;
        EXPECT_EQ(row.first, c.first) << c.name;
        EXPECT_EQ(row.last, c.last) << c.name;
        EXPECT_EQ(row.name, c.name);
    }
}

TEST(SubrangeTable, SharedBitsGroupTheExpectedRows) {
    std::map<int, std::vector<std::string_view>> by_bit;
    for (const Subrange& row : SubrangeTable()) by_bit[row.bit].push_back(row.name);
    EXPECT_EQ(by_bit[84],
              (std::vector<std::string_view>{"Tagalog", "Hanunoo", "Buhid", "Tagbanwa"}));
    EXPECT_EQ(by_bit[57], (std::vector<std::string_view>{
                              "High Surrogates", "High Private Use Surrogates", "Low Surrogates"}));
    EXPECT_EQ(by_bit[9], (std::vector<std::string_view>{"Cyrillic", "Cyrillic Supplement"}));
    EXPECT_EQ(by_bit[59].size(), 6u);
}

TEST(Coverage, NeedsANonZeroDigitAtBitPlusOne) {
    struct Case {
        std::string_view coverage;
        int bit;
        bool covered;
    } cases[] = {
        {"1", 0, true},  {"0", 0, false}, {"01", 1, true},  {"10", 1, false},
        {"1", 1, false}, {"", 0, false},  {"1", -1, false}, {"2", 0, true},
        {"x", 0, false}, {"9", 0, true},  {" 1", 0, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsCovered(c.coverage, c.bit), c.covered)
            << "'" << c.coverage << "' bit " << c.bit;
    const std::string all(128, '1');
    EXPECT_TRUE(IsCovered(all, 127));
    EXPECT_FALSE(IsCovered(all, 128));
}

}  // namespace
}  // namespace glyphora

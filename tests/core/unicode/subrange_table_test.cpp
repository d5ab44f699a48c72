#include "unicode/subrange_table.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <tuple>

namespace glyphora {
namespace {

// 162 rows in order, in whole table rows, leaving exactly the two known gaps; 63 rows without a
// coverage bit; the names unique.
TEST(SubrangeTable, RowsAscendInWholeTableRowsWithTheTwoKnownGaps) {
    const auto& table = SubrangeTable();
    ASSERT_EQ(table.size(), 162u);
    std::vector<std::pair<long, long>> gaps;
    std::set<std::string_view> names;
    long next_free = 0, total = 0;
    int without_bit = 0;
    for (const Subrange& row : table) {
        EXPECT_TRUE(row.first >= next_free && row.first <= row.last) << row.name;
        EXPECT_TRUE(row.first % 16 == 0 && (row.last + 1) % 16 == 0) << row.name;
        EXPECT_TRUE(row.bit >= -1 && row.bit <= 84) << row.name;
        EXPECT_TRUE(names.insert(row.name).second) << row.name;
        if (row.first > next_free) gaps.emplace_back(next_free, row.first - 1);
        without_bit += row.bit == -1;
        total += row.last - row.first + 1;
        next_free = row.last + 1;
    }
    EXPECT_EQ(next_free, 0x10000);
    EXPECT_EQ(total, 65424);
    EXPECT_EQ(without_bit, 63);
    EXPECT_EQ(gaps, (std::vector<std::pair<long, long>>{{0x0860, 0x089F}, {0x1C90, 0x1CBF}}));
}

TEST(SubrangeTable, SpotChecksRowsAndSharedBits) {
    const struct {
        std::size_t number;  // 1-based row number
        int bit;
        long first, last;
        std::string_view name;
    } cases[] = {
        {8, 7, 0x0370, 0x03FF, "Greek and Coptic"}, {20, -1, 0x08A0, 0x08FF, "Arabic Extended-A"},
        {104, -1, 0x2FE0, 0x2FEF, "<undefined>"},   {146, 56, 0xAC00, 0xD7AF, "Hangul Syllables"},
        {162, 69, 0xFFF0, 0xFFFF, "Specials"},
    };
    for (const auto& c : cases) {
        const Subrange& row = SubrangeTable().at(c.number - 1);
        EXPECT_EQ(std::tie(row.bit, row.first, row.last, row.name),
                  std::tie(c.bit, c.first, c.last, c.name));
    }
    std::map<int, std::vector<std::string_view>> by_bit;
    for (const Subrange& row : SubrangeTable()) by_bit[row.bit].push_back(row.name);
    EXPECT_EQ(by_bit[84],
              (std::vector<std::string_view>{"Tagalog", "Hanunoo", "Buhid", "Tagbanwa"}));
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
    EXPECT_TRUE(IsCovered(std::string(128, '1'), 127));
    EXPECT_FALSE(IsCovered(std::string(128, '1'), 128));
}

}  // namespace
}  // namespace glyphora

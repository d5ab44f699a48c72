#include "unicode/subrange_views.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <tuple>

#include "base/text.h"
#include "unicode/subrange_table.h"

namespace glyphora {
namespace {

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

const std::string kAllCovered(128, '1');

// A coverage string with only the given bits set.
std::string CoverageWith(std::initializer_list<int> bits) {
    std::string coverage(128, '0');
    for (int bit : bits) coverage[static_cast<std::size_t>(bit)] = '1';
    return coverage;
}

SubrangeViews Filled(bool show_all, std::string_view coverage, int view_width = 100) {
    SubrangeViews views;
    views.list.view_width = view_width;
    FillSubranges(views, show_all, coverage, FixedWidthMeasure{7});
    return views;
}

std::vector<std::string> Names(const SubrangeViews& views) {
    std::vector<std::string> names;
    for (const auto& item : views.list.items) names.push_back(Utf16ToUtf8(item.text));
    return names;
}

TEST(FillSubranges, ShowAllListsEveryRowInTableOrderCheckingCoveredRowsWithABit) {
    // Even bits covered; rows without a bit never carry the icon, whatever the string says.
    std::string coverage(128, '0');
    for (std::size_t k = 0; k < coverage.size(); k += 2) coverage[k] = '1';
    const SubrangeViews views = Filled(true, coverage);
    ASSERT_EQ(views.list.items.size(), 162u);
    for (std::size_t i = 0; i < 162; ++i) {
        const Subrange& row = SubrangeTable()[i];
        const ListItem& item = views.list.items[i];
        EXPECT_EQ(item.key + Utf16ToUtf8(item.text),
                  "D." + std::to_string(row.first) + std::string(row.name));
        EXPECT_EQ(item.tag, row.last);
        EXPECT_EQ(item.check, row.bit >= 0 && row.bit % 2 == 0) << row.name;
    }
    EXPECT_EQ(views.listed_count, 65424);
    EXPECT_EQ(views.scroll_max, 4088);
    // The combo box holds all but "Undefined", sorted ignoring case, each with its item's key.
    ASSERT_EQ(views.combo.entries.size(), 161u);
    EXPECT_LT(CompareNoCase(u"Cherokee", u"CJK Strokes"), 0);
    for (std::size_t i = 1; i < views.combo.entries.size(); ++i)
        EXPECT_LT(CompareNoCase(views.combo.entries[i - 1].text, views.combo.entries[i].text), 0);
}

TEST(FillSubranges, CoveredOnlyListsTheRowsOfTheCoveredBits) {
    const SubrangeViews all = Filled(false, kAllCovered);
    EXPECT_EQ(all.list.items.size(), 162u - 63u);
    EXPECT_TRUE(std::all_of(all.list.items.begin(), all.list.items.end(),
                            [](const ListItem& item) { return item.check && item.sub_item >= 0; }));
    EXPECT_EQ(all.combo.entries.size(), all.list.items.size());
    long total = 0;
    for (const auto& item : all.list.items) total += item.tag - *KeyNumber(item.key) + 1;
    EXPECT_EQ(all.listed_count, total);
    EXPECT_EQ(all.scroll_max, total / 16 - 1);
    // Rows sharing a bit are listed together.
    const SubrangeViews tagalog = Filled(false, CoverageWith({84}));
    EXPECT_EQ(Names(tagalog),
              (std::vector<std::string>{"Tagalog", "Hanunoo", "Buhid", "Tagbanwa"}));
    EXPECT_EQ(tagalog.listed_count, 4 * 32);
    EXPECT_EQ(tagalog.scroll_max, 7);
    // Ten characters reach bits 0..9: Cyrillic and its supplement are the last rows listed.
    EXPECT_EQ(Names(Filled(false, "1111111111")).back(), "Cyrillic Supplement");
    const SubrangeViews none = Filled(false, "");
    EXPECT_TRUE(none.list.items.empty() && none.combo.entries.empty());
    EXPECT_EQ(none.scroll_max, -1);
}

TEST(FillSubranges, ColumnIsAsWideAsTheViewOrTheWidestNamePlusPadding) {
    // "Combining Diacritical Marks for Symbols" (39 characters, bit 34) is the longest name.
    struct Case {
        bool show_all;
        std::string coverage;
        int view_width;
        int expected;
    } cases[] = {
        {true, kAllCovered, 100, 39 * 7 + 12},         {true, kAllCovered, 1000, 1000},
        {false, CoverageWith({77}), 100, 29 * 7 + 12},  // "Canadian Aboriginal Syllabics"
        {false, CoverageWith({7}), 123, 124},           // "Greek and Coptic": 16 * 7 + 12
        {false, CoverageWith({7}), 125, 125},          {false, "", 100, 100},
    };
    for (const auto& c : cases) {
        SubrangeViews views;
        views.list.view_width = c.view_width;
        views.list.column_width = 5000;  // a stale width from an earlier fill must not survive
        FillSubranges(views, c.show_all, c.coverage, FixedWidthMeasure{7});
        EXPECT_EQ(views.list.column_width, c.expected) << c.view_width;
    }
}

// The start of the listed subrange holding a code point: clamped to the ends of the list, 0 in a
// gap between listed subranges or in an empty list.
TEST(FindSubrangeStart, FindsTheListedSubrangeClampsToTheEndsAndGivesZeroInGaps) {
    const SubrangeViews all = Filled(true, kAllCovered);
    const SubrangeViews some = Filled(false, CoverageWith({9, 63}));  // Cyrillic; Arabic Forms-A
    const SubrangeViews none = Filled(false, "");
    const std::tuple<const SubrangeViews*, long, long> cases[] = {
        {&all, 0x007F, 0},      {&all, 0x0080, 0x0080},  {&all, 0x0870, 0},
        {&all, 0x1C8F, 0x1C80}, {&all, 0x10000, 0xFFF0}, {&all, -5, 0},
        {&some, 0x0041, 0x400}, {&some, 0xFFF0, 0xFB50}, {&some, 0x052F, 0x500},
        {&some, 0x0530, 0},     {&some, 0xFB50, 0xFB50}, {&none, 0x0041, 0},
    };
    for (const auto& [views, cp, start] : cases)
        EXPECT_EQ(FindSubrangeStart(views->list, cp), start) << std::hex << cp;
    EXPECT_EQ(ScrollMaximum(16L * 40000), 32767);  // capped at a short range
}

}  // namespace
}  // namespace glyphora

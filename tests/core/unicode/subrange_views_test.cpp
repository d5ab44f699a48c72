#include "unicode/subrange_views.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "base/text.h"

namespace glyphora {
namespace {

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
        EXPECT_EQ(item.key, "D." + std::to_string(row.first));
        EXPECT_EQ(Utf16ToUtf8(item.text), row.name);
        EXPECT_EQ(item.tag, row.last);
        EXPECT_EQ(item.sub_item, row.bit);
        EXPECT_EQ(item.check, row.bit >= 0 && row.bit % 2 == 0) << row.name;
    }
    EXPECT_EQ(views.listed_count, 65424);
    EXPECT_EQ(views.scroll_max, 4088);
    EXPECT_EQ(Filled(true, "").list.items.size(), 162u);
}

TEST(FillSubranges, ComboHoldsAllButUndefinedSortedIgnoringCase) {
    const SubrangeViews views = Filled(true, kAllCovered);
    const auto& entries = views.combo.entries;
    ASSERT_EQ(entries.size(), 161u);
    for (std::size_t i = 1; i < entries.size(); ++i)
        EXPECT_LT(CompareNoCase(entries[i - 1].text, entries[i].text), 0);
    for (const auto& entry : entries) {
        // Column 1 is the key of the list item carrying the same name.
        const auto index = views.list.FindText(entry.text);
        ASSERT_TRUE(index.has_value()) << Utf16ToUtf8(entry.text);
        EXPECT_EQ(entry.key, views.list.items[*index].key);
    }
    // Case must not decide the order: "CJK ..." sorts among the "C"s.
    const auto pos = [&](std::u16string_view name) {
        return std::find_if(entries.begin(), entries.end(),
                            [&](const ComboEntry& e) { return e.text == name; }) -
               entries.begin();
    };
    EXPECT_LT(pos(u"Cherokee"), pos(u"CJK Strokes"));
    EXPECT_LT(pos(u"CJK Strokes"), pos(u"Combining Half Marks"));
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
    EXPECT_EQ(none.listed_count, 0);
    EXPECT_EQ(none.scroll_max, -1);
}

TEST(FillSubranges, RebuildReplacesEverythingAndDropsTheSelection) {
    SubrangeViews views = Filled(true, kAllCovered);
    views.list.selected = 5;
    views.combo.selected = 3;
    FillSubranges(views, false, CoverageWith({7}), FixedWidthMeasure{7});
    EXPECT_EQ(Names(views), std::vector<std::string>{"Greek and Coptic"});
    EXPECT_EQ(views.combo.entries.size(), 1u);
    EXPECT_FALSE(views.list.selected.has_value() || views.combo.selected.has_value());
    EXPECT_EQ(views.listed_count, 144);
    EXPECT_EQ(views.scroll_max, 8);
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

TEST(ScrollMaximum, IsLastRowIndexCappedAtShortRange) {
    EXPECT_EQ(ScrollMaximum(0), -1);
    EXPECT_EQ(ScrollMaximum(16), 0);
    EXPECT_EQ(ScrollMaximum(65424), 4088);
    EXPECT_EQ(ScrollMaximum(16L * 40000), 32767);
}

TEST(FindSubrangeStart, AllListed) {
    const SubrangeViews views = Filled(true, kAllCovered);
    struct Case {
        long cp, start;
    } cases[] = {
        {0x0041, 0},      {0x0000, 0},      {0x007F, 0},      {0x0080, 0x0080}, {0x0870, 0},
        {0x0860, 0},      {0x089F, 0},      {0x08A0, 0x08A0}, {0x1CA0, 0},      {0x1C8F, 0x1C80},
        {0x1CC0, 0x1CC0}, {0x2FE5, 0x2FE0}, {0xFFFF, 65520},  {0x10000, 65520}, {-5, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FindSubrangeStart(views.list, c.cp), c.start) << std::hex << c.cp;
}

TEST(FindSubrangeStart, ClampsToTheEndsAndGivesZeroInGaps) {
    const SubrangeViews views = Filled(false, CoverageWith({9, 63}));
    ASSERT_EQ(Names(views), (std::vector<std::string>{"Cyrillic", "Cyrillic Supplement",
                                                      "Arabic Presentation Forms-A"}));
    struct Case {
        long cp, start;
    } cases[] = {
        {0x0041, 1024}, {0xFFF0, 64336}, {0x2000, 0},     {0x0510, 1280},
        {0x0400, 1024}, {0x04FF, 1024},  {0x052F, 1280},  {0x0530, 0},
        {0xFB4F, 0},    {0xFB50, 64336}, {0xFDFF, 64336}, {0xFE00, 64336},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FindSubrangeStart(views.list, c.cp), c.start) << std::hex << c.cp;
}

TEST(FindSubrangeStart, AnEmptyListGivesZeroAndASingleSubrangeTakesEveryCodePoint) {
    EXPECT_EQ(FindSubrangeStart(Filled(false, "").list, 0x0041), 0);
    const SubrangeViews views = Filled(false, CoverageWith({69}));
    EXPECT_EQ(FindSubrangeStart(views.list, 0), 0xFFF0);
    EXPECT_EQ(FindSubrangeStart(views.list, 0xFFF5), 0xFFF0);
}

}  // namespace
}  // namespace glyphora

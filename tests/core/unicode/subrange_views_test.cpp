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

TEST(FillSubranges, ShowAllListsEveryRowInTableOrder) {
    const SubrangeViews views = Filled(true, kAllCovered);
    ASSERT_EQ(views.list.items.size(), 162u);
    for (std::size_t i = 0; i < 162; ++i) {
        const Subrange& row = SubrangeTable()[i];
        const ListItem& item = views.list.items[i];
        EXPECT_EQ(item.key, "D." + std::to_string(row.first));
        EXPECT_EQ(Utf16ToUtf8(item.text), row.name);
        EXPECT_EQ(item.tag, row.last);
        EXPECT_EQ(item.sub_item, row.bit);
    }
    EXPECT_EQ(views.list.items[7].key, "D.880");
    EXPECT_EQ(views.listed_count, 65424);
    EXPECT_EQ(views.scroll_max, 4088);
}

TEST(FillSubranges, ComboHoldsAllButUndefinedSortedIgnoringCase) {
    const SubrangeViews views = Filled(true, kAllCovered);
    const auto& entries = views.combo.entries;
    ASSERT_EQ(entries.size(), 161u);
    for (std::size_t i = 1; i < entries.size(); ++i)
        EXPECT_LT(CompareNoCase(entries[i - 1].text, entries[i].text), 0)
            << Utf16ToUtf8(entries[i - 1].text) << " / " << Utf16ToUtf8(entries[i].text);
    for (const auto& entry : entries) {
        EXPECT_NE(entry.text, u"<undefined>");
        // Column 1 is the key of the list item carrying the same name.
        const auto index = views.list.FindText(entry.text);
        ASSERT_TRUE(index.has_value()) << Utf16ToUtf8(entry.text);
        EXPECT_EQ(entry.key, views.list.items[*index].key);
    }
    // Case must not decide the order: "CJK ..." sorts among the "C"s, before "Combining".
    EXPECT_EQ(entries.front().text, u"Alphabetic Presentation Forms");
    EXPECT_EQ(entries.back().text, u"Yijing Hexagram Symbols");
    const auto pos = [&](std::u16string_view name) {
        return std::find_if(entries.begin(), entries.end(),
                            [&](const ComboEntry& e) { return e.text == name; }) -
               entries.begin();
    };
    EXPECT_LT(pos(u"CJK Strokes"), pos(u"Combining Half Marks"));
    EXPECT_LT(pos(u"Cherokee"), pos(u"CJK Strokes"));
    EXPECT_LT(pos(u"Ideographic Description"), pos(u"IPA Extensions"));
}

TEST(FillSubranges, ShowAllChecksCoveredRowsWithABitOnly) {
    // Even bits covered; bit -1 rows must never carry the icon, whatever the string says.
    std::string coverage(128, '0');
    for (std::size_t k = 0; k < coverage.size(); k += 2) coverage[k] = '1';
    const SubrangeViews views = Filled(true, coverage);
    ASSERT_EQ(views.list.items.size(), 162u);
    int checked_without_bit = 0;
    for (const auto& item : views.list.items) {
        if (item.sub_item < 0) {
            checked_without_bit += item.check;
            continue;
        }
        EXPECT_EQ(item.check, item.sub_item % 2 == 0) << Utf16ToUtf8(item.text);
    }
    EXPECT_EQ(checked_without_bit, 0);
}

TEST(FillSubranges, ShowAllWithEmptyCoverageListsEverythingUnchecked) {
    const SubrangeViews views = Filled(true, "");
    EXPECT_EQ(views.list.items.size(), 162u);
    EXPECT_TRUE(std::none_of(views.list.items.begin(), views.list.items.end(),
                             [](const ListItem& item) { return item.check; }));
    EXPECT_EQ(views.listed_count, 65424);
}

TEST(FillSubranges, CoveredOnlyLeavesOutRowsWithoutBitAndChecksTheRest) {
    const SubrangeViews views = Filled(false, kAllCovered);
    EXPECT_EQ(views.list.items.size(), 162u - 63u);
    for (const auto& item : views.list.items) {
        EXPECT_GE(item.sub_item, 0) << Utf16ToUtf8(item.text);
        EXPECT_TRUE(item.check) << Utf16ToUtf8(item.text);
    }
    EXPECT_FALSE(views.list.FindText(u"<undefined>").has_value());
    EXPECT_EQ(views.combo.entries.size(), views.list.items.size());
    long total = 0;
    for (const auto& item : views.list.items) total += item.tag - *KeyNumber(item.key) + 1;
    EXPECT_EQ(views.listed_count, total);
    EXPECT_EQ(views.scroll_max, total / 16 - 1);
}

TEST(FillSubranges, RowsSharingABitAreListedTogether) {
    const SubrangeViews tagalog = Filled(false, CoverageWith({84}));
    EXPECT_EQ(Names(tagalog),
              (std::vector<std::string>{"Tagalog", "Hanunoo", "Buhid", "Tagbanwa"}));
    EXPECT_EQ(tagalog.listed_count, 4 * 32);
    EXPECT_EQ(tagalog.scroll_max, 7);

    const SubrangeViews surrogates = Filled(false, CoverageWith({57}));
    EXPECT_EQ(Names(surrogates),
              (std::vector<std::string>{"High Surrogates", "High Private Use Surrogates",
                                        "Low Surrogates"}));
    EXPECT_EQ(surrogates.listed_count, 2048);

    const SubrangeViews without = Filled(false, CoverageWith({0, 1}));
    EXPECT_FALSE(without.list.FindText(u"Tagalog").has_value());
    EXPECT_FALSE(without.list.FindText(u"Low Surrogates").has_value());
}

TEST(FillSubranges, ShortCoverageStringListsOnlyBitsItReaches) {
    // Ten characters reach bits 0..9: bit 9 (Cyrillic) is the last one that can be covered.
    const SubrangeViews views = Filled(false, "1111111111");
    const std::vector<std::string> expected = {"Basic Latin",
                                               "Latin-1 Supplement",
                                               "Latin Extended-A",
                                               "Latin Extended-B",
                                               "IPA Extensions",
                                               "Spacing Modifier Letters",
                                               "Combining Diacritical Marks",
                                               "Greek and Coptic",
                                               "Cyrillic",
                                               "Cyrillic Supplement"};
    EXPECT_EQ(Names(views), expected);
}

TEST(FillSubranges, EmptyCoverageListsNothing) {
    const SubrangeViews views = Filled(false, "");
    EXPECT_TRUE(views.list.items.empty());
    EXPECT_TRUE(views.combo.entries.empty());
    EXPECT_EQ(views.listed_count, 0);
    EXPECT_EQ(views.scroll_max, -1);
    EXPECT_EQ(views.list.column_width, 100);
}

TEST(FillSubranges, RebuildReplacesEverythingAndDropsTheSelection) {
    SubrangeViews views = Filled(true, kAllCovered);
    views.list.selected = 5;
    views.combo.selected = 3;
    FillSubranges(views, false, CoverageWith({7}), FixedWidthMeasure{7});
    EXPECT_EQ(Names(views), std::vector<std::string>{"Greek and Coptic"});
    EXPECT_EQ(views.combo.entries.size(), 1u);
    EXPECT_FALSE(views.list.selected.has_value());
    EXPECT_FALSE(views.combo.selected.has_value());
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
        {true, kAllCovered, 100, 39 * 7 + 12},
        {true, kAllCovered, 1000, 1000},
        {false, kAllCovered, 100, 39 * 7 + 12},
        {false, CoverageWith({77}), 100, 29 * 7 + 12},  // "Canadian Aboriginal Syllabics"
        {false, CoverageWith({7}), 100, 16 * 7 + 12},   // "Greek and Coptic"
        {false, CoverageWith({7}), 123, 124},
        {false, CoverageWith({7}), 124, 124},
        {false, CoverageWith({7}), 125, 125},
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

TEST(FindSubrangeStart, EmptyListGivesZero) {
    const SubrangeViews views = Filled(false, "");
    EXPECT_EQ(FindSubrangeStart(views.list, 0x0041), 0);
    EXPECT_EQ(FindSubrangeStart(views.list, 0xFFFF), 0);
}

TEST(FindSubrangeStart, SingleListedSubrangeTakesEveryCodePoint) {
    const SubrangeViews views = Filled(false, CoverageWith({69}));
    EXPECT_EQ(FindSubrangeStart(views.list, 0), 0xFFF0);
    EXPECT_EQ(FindSubrangeStart(views.list, 0xFFF5), 0xFFF0);
}

}  // namespace
}  // namespace glyphora

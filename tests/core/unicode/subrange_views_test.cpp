#include "unicode/subrange_views.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "../table/model_fixture.h"
#include "base/text.h"
#include "unicode/subrange_table.h"

namespace glyphora {
namespace {

using testing::CoverageWith;

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

TEST(FillSubranges, CoveredOnlyListsTheRowsOfTheCoveredBits) {
    const SubrangeViews all = Filled(false, std::string(128, '1'));
    EXPECT_EQ(all.list.items.size(), 162u - 63u);
    EXPECT_TRUE(std::all_of(all.list.items.begin(), all.list.items.end(),
                            [](const ListItem& item) { return item.check && item.bit >= 0; }));
    EXPECT_EQ(all.combo.entries.size(), all.list.items.size());
    long total = 0;
    for (const auto& item : all.list.items) total += item.last - item.id + 1;
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

}  // namespace
}  // namespace glyphora

#include "platform/drop_down_width.h"

#include <gtest/gtest.h>

namespace glyphora {
namespace {

TEST(FitDropDownWidth, WidensToTheWidestItemOnly) {
    struct Case {
        std::vector<int> widths;
        int box;
        int expected;
    } cases[] = {
        {{40, 120, 80}, 100, 130},              // widest + 10
        {{40, 60}, 100, 100},                   // already wide enough: left alone
        {{}, 50, 50},                           // an empty list
        {std::vector<int>(9, 200), 100, 210},   // nine rows show without a scroll bar
        {std::vector<int>(10, 200), 100, 227},  // ten need one (17 pixels here)
    };
    for (const auto& c : cases) {
        DropDownMeasure measure{c.widths, 17, 0};
        EXPECT_EQ(FitDropDownWidth(measure, c.box), c.expected) << c.widths.size();
    }
}

TEST(FitDropDownWidth, AnImageComboAddsItsIndentAndImage) {
    EXPECT_EQ(FitDropDownWidth({{100}, 17, 20}, 0), 130);
}

}  // namespace
}  // namespace glyphora

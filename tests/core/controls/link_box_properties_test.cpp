#include "controls/link_box_properties.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace glyphora {
namespace {

LinkBoxProperties Current() {
    LinkBoxProperties current;
    current.back_color = RgbValue(1, 2, 3);
    current.caption = "current caption";
    current.fore_color = RgbValue(4, 5, 6);
    current.path = "current path";
    return current;
}

// Every field as text, so that two property sets compare in one line.
std::string Text(const LinkBoxProperties& p) {
    PropertyBag bag;
    WriteLinkBoxProperties(bag, p);
    std::string text;
    for (const auto& [key, value] : bag.Entries()) text += key + "=" + value + ";";
    return text;
}

TEST(LinkBoxProperties, SaveWritesAllTenKeysInOrderAndReadsBackEvenEmptyTexts) {
    LinkBoxProperties saved;
    saved.alignment = 2;
    saved.auto_size = true;
    saved.back_color = kThemeBase;
    saved.caption_is_path = saved.enabled = saved.hot_tracking = false;
    saved.font = "Serif,12,-1,5,700,0,1,0,0,0";
    saved.fore_color = RgbValue(0, 0, 255);
    EXPECT_EQ(Text(saved),
              "Alignment=2;AutoSize=True;BackColor=2147483653;Caption=;"
              "CaptionIsPath=False;Enabled=False;Font=Serif,12,-1,5,700,0,1,0,0,0;"
              "ForeColor=16711680;HotTracking=False;Path=;");
    PropertyBag bag;
    WriteLinkBoxProperties(bag, saved);
    // Empty caption and path are stored too, so they do not fall back to the current values.
    EXPECT_EQ(Text(ReadLinkBoxProperties(bag, Current())), Text(saved));
    EXPECT_EQ(Text(ReadLinkBoxProperties(PropertyBag{}, Current())), Text(Current()));
}

TEST(PropertyBag, KeysMatchInAnyCaseAndKeepTheirPlace) {
    PropertyBag bag;
    bag.WriteProperty("caption", "a");
    bag.WriteProperty("Path", "b");
    bag.WriteProperty("Caption", "c");
    EXPECT_EQ(bag.ReadProperty("CAPTION"), "c");
    EXPECT_EQ(bag.ReadProperty("Font"), std::nullopt);
    EXPECT_EQ(bag.Entries(), (std::vector<PropertyBag::Entry>{{"caption", "c"}, {"Path", "b"}}));
}

}  // namespace
}  // namespace glyphora

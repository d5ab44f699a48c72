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
    current.font = "DejaVu Sans,9";
    current.fore_color = RgbValue(4, 5, 6);
    current.path = "current path";
    return current;
}

TEST(PropertyBag, KeysMatchInAnyCaseAndKeepTheirPlace) {
    PropertyBag bag;
    bag.WriteProperty("caption", "a");
    bag.WriteProperty("Path", "b");
    EXPECT_EQ(bag.ReadProperty("CAPTION"), "a");
    EXPECT_EQ(bag.ReadProperty("path"), "b");
    EXPECT_EQ(bag.ReadProperty("Font"), std::nullopt);
    bag.WriteProperty("Caption", "c");
    ASSERT_EQ(bag.Entries().size(), 2u);
    EXPECT_EQ(bag.Entries()[0], (PropertyBag::Entry{"caption", "c"}));
    EXPECT_EQ(bag.Entries()[1], (PropertyBag::Entry{"Path", "b"}));
}

TEST(LinkBoxProperties, EmptyBagGivesTheDefaults) {
    const LinkBoxProperties read = ReadLinkBoxProperties(PropertyBag{}, Current());
    EXPECT_EQ(read.alignment, 0);
    EXPECT_FALSE(read.auto_size);
    EXPECT_EQ(read.back_color, RgbValue(1, 2, 3));
    EXPECT_EQ(read.caption, "current caption");
    EXPECT_TRUE(read.caption_is_path);
    EXPECT_TRUE(read.enabled);
    EXPECT_EQ(read.font, "DejaVu Sans,9");
    EXPECT_EQ(read.fore_color, RgbValue(4, 5, 6));
    EXPECT_TRUE(read.hot_tracking);
    EXPECT_EQ(read.path, "current path");
}

TEST(LinkBoxProperties, SaveWritesAllTenKeysInOrderAndRoundTrips) {
    LinkBoxProperties saved;
    saved.alignment = 2;
    saved.auto_size = true;
    saved.back_color = kSystemWindowBackground;
    saved.caption = "";
    saved.caption_is_path = false;
    saved.enabled = false;
    saved.font = "Serif,12,-1,5,700,0,1,0,0,0";
    saved.fore_color = RgbValue(0, 0, 255);
    saved.hot_tracking = false;
    saved.path = "";
    PropertyBag bag;
    WriteLinkBoxProperties(bag, saved);

    std::vector<std::string> keys;
    for (const auto& [key, value] : bag.Entries()) keys.push_back(key);
    EXPECT_EQ(keys, (std::vector<std::string>{"Alignment", "AutoSize", "BackColor", "Caption",
                                              "CaptionIsPath", "Enabled", "Font", "ForeColor",
                                              "HotTracking", "Path"}));
    EXPECT_EQ(bag.ReadProperty("ForeColor"), "16711680");
    EXPECT_EQ(bag.ReadProperty("HotTracking"), "False");

    // Empty caption and path are stored too, so they do not fall back to the current values.
    const LinkBoxProperties read = ReadLinkBoxProperties(bag, Current());
    EXPECT_EQ(read.alignment, 2);
    EXPECT_TRUE(read.auto_size);
    EXPECT_EQ(read.back_color, kSystemWindowBackground);
    EXPECT_EQ(read.caption, "");
    EXPECT_FALSE(read.caption_is_path);
    EXPECT_FALSE(read.enabled);
    EXPECT_EQ(read.font, saved.font);
    EXPECT_EQ(read.fore_color, RgbValue(0, 0, 255));
    EXPECT_FALSE(read.hot_tracking);
    EXPECT_EQ(read.path, "");
}

TEST(LinkBoxProperties, LowerCaseKeysReadTheSame) {
    PropertyBag bag;
    const std::pair<const char*, const char*> stored[] = {
        {"alignment", "1"},     {"autosize", "-1"},     {"backcolor", "2147483663"},
        {"caption", "http://"}, {"captionispath", "0"}, {"enabled", "true"},
        {"font", "Sans,8"},     {"forecolor", "255"},   {"hottracking", "FALSE"},
        {"path", "mailto:"},
    };
    for (const auto& [key, value] : stored) bag.WriteProperty(key, value);
    const LinkBoxProperties read = ReadLinkBoxProperties(bag, Current());
    EXPECT_EQ(read.alignment, 1);
    EXPECT_TRUE(read.auto_size);
    EXPECT_EQ(read.back_color, kSystemButtonFace);
    EXPECT_EQ(read.caption, "http://");
    EXPECT_FALSE(read.caption_is_path);
    EXPECT_TRUE(read.enabled);
    EXPECT_EQ(read.font, "Sans,8");
    EXPECT_EQ(read.fore_color, RgbValue(255, 0, 0));
    EXPECT_FALSE(read.hot_tracking);
    EXPECT_EQ(read.path, "mailto:");
}

TEST(LinkBoxProperties, UnreadableValuesGiveTheDefaults) {
    PropertyBag bag;
    bag.WriteProperty("Alignment", "7");
    bag.WriteProperty("AutoSize", "maybe");
    bag.WriteProperty("BackColor", "-5");
    bag.WriteProperty("CaptionIsPath", "");
    bag.WriteProperty("ForeColor", "0x00FF");
    bag.WriteProperty("HotTracking", "2");
    const LinkBoxProperties read = ReadLinkBoxProperties(bag, Current());
    EXPECT_EQ(read.alignment, 0);
    EXPECT_FALSE(read.auto_size);
    EXPECT_EQ(read.back_color, RgbValue(1, 2, 3));
    EXPECT_TRUE(read.caption_is_path);
    EXPECT_EQ(read.fore_color, RgbValue(4, 5, 6));
    EXPECT_TRUE(read.hot_tracking);
}

}  // namespace
}  // namespace glyphora

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

TEST(PropertyBag, KeysMatchInAnyCaseAndKeepTheirPlace) {
    PropertyBag bag;
    bag.WriteProperty("caption", "a");
    bag.WriteProperty("Path", "b");
    bag.WriteProperty("Caption", "c");
    EXPECT_EQ(bag.ReadProperty("CAPTION"), "c");
    EXPECT_EQ(bag.ReadProperty("Font"), std::nullopt);
    EXPECT_EQ(bag.Entries(), (std::vector<PropertyBag::Entry>{{"caption", "c"}, {"Path", "b"}}));
}

TEST(LinkBoxProperties, SaveWritesAllTenKeysInOrderAndReadsBackEvenEmptyTexts) {
    LinkBoxProperties saved;
    saved.alignment = 2;
    saved.auto_size = true;
    saved.back_color = kSystemWindowBackground;
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

TEST(LinkBoxProperties, KeysReadInAnyCaseAndUnreadableValuesGiveTheDefaults) {
    PropertyBag bag;
    for (const auto& [key, value] : {std::pair{"alignment", "1"},
                                     {"autosize", "-1"},
                                     {"backcolor", "2147483663"},
                                     {"captionispath", "0"},
                                     {"enabled", "true"},
                                     {"forecolor", "255"},
                                     {"hottracking", "FALSE"},
                                     {"path", "mailto:"}})
        bag.WriteProperty(key, value);
    LinkBoxProperties read = ReadLinkBoxProperties(bag, Current());
    EXPECT_EQ(read.alignment, 1);
    EXPECT_TRUE(read.auto_size && read.enabled);
    EXPECT_FALSE(read.caption_is_path || read.hot_tracking);
    EXPECT_EQ(read.back_color, kSystemButtonFace);
    EXPECT_EQ(read.fore_color, RgbValue(255, 0, 0));
    EXPECT_EQ(read.path, "mailto:");

    PropertyBag bad;
    for (const auto& [key, value] : {std::pair{"Alignment", "7"},
                                     {"AutoSize", "maybe"},
                                     {"BackColor", "-5"},
                                     {"CaptionIsPath", ""},
                                     {"ForeColor", "0x00FF"},
                                     {"HotTracking", "2"}})
        bad.WriteProperty(key, value);
    read = ReadLinkBoxProperties(bad, Current());
    EXPECT_EQ(read.alignment, 0);
    EXPECT_FALSE(read.auto_size);
    EXPECT_TRUE(read.caption_is_path && read.hot_tracking);
    EXPECT_EQ(read.back_color, RgbValue(1, 2, 3));
    EXPECT_EQ(read.fore_color, RgbValue(4, 5, 6));
}

}  // namespace
}  // namespace glyphora

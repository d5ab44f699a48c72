#include "fonts/font_choice.h"

#include <gtest/gtest.h>

#include "../app/temp_folder.h"
#include "fonts/fixed_font_source.h"

namespace glyphora {
namespace {

TEST(FontFilePath, JoinsRelativeNamesToTheFontsFolder) {
    struct Case {
        const char *folder, *file, *path;
    } cases[] = {
        {"/fonts/", "arial.ttf", "/fonts/arial.ttf"},
        {"/fonts", "arial.ttf", "/fonts/arial.ttf"},
        {"", "arial.ttf", "arial.ttf"},
        {"/fonts/", "/opt/fonts/x.ttf", "/opt/fonts/x.ttf"},
        {"", "/usr/share/fonts/a.ttf", "/usr/share/fonts/a.ttf"},
    };
    for (const auto& c : cases) EXPECT_EQ(FontFilePath(c.folder, c.file), c.path) << c.file;
}

class FontChoiceTest : public ::testing::Test {
protected:
    void SetUp() override {
        testing::WriteBytes(folder_ / "arial.ttf", "font");
        source_.fonts_folder = folder_.path().string() + "/";
        source_.installed = {{{kTrueTypeKind, "Arial", "arial.ttf"},
                              {kTrueTypeKind, "Gone", "gone.ttf"},
                              {kTrueTypeKind, "Nameless", ""}}};
        source_.reports = {{"Arial", "Arial", kTrueTypeKind, {0x200, 0, 0, 0}},
                           {"Gone", "Gone", kTrueTypeKind, {}},
                           {"Nameless", "Nameless", kTrueTypeKind, {}}};
        GlyphRanges ranges;
        ranges.range_count = 1;
        ranges.ranges = {{0x20, 0x5F}};
        source_.glyph_ranges["Arial"] = ranges;
        BuildFontList(source_, FixedWidthMeasure{}, table_, list_);
    }

    const ListItem& Item(const std::u16string& text) { return list_.items[*list_.FindText(text)]; }

    testing::TempFolder folder_;
    FixedFontSource source_;
    FontTable table_;
    ListViewModel list_;
};

TEST_F(FontChoiceTest, LoadsRecordCoverageRangesAndPropertiesTarget) {
    const auto choice = ChooseFontItem(table_, Item(u"Arial"), source_);
    ASSERT_TRUE(choice);
    EXPECT_EQ(choice->record_index, 1);
    EXPECT_EQ(choice->family, "Arial");
    EXPECT_EQ(choice->record.coverage.substr(0, 11), "00000000010");
    EXPECT_EQ(choice->file_path, (folder_ / "arial.ttf").string());
    EXPECT_EQ(choice->properties_target, choice->file_path);
    EXPECT_EQ(choice->glyph_ranges, source_.glyph_ranges["Arial"]);
    // A missing file leaves the properties target empty; no ranges known: every glyph.
    for (const char16_t* family : {u"Gone", u"Nameless"}) {
        const auto missing = ChooseFontItem(table_, Item(family), source_);
        ASSERT_TRUE(missing);
        EXPECT_TRUE(missing->properties_target.empty());
        EXPECT_EQ(missing->glyph_ranges.range_count, -1);
    }
    for (const char* key : {"", "D.", "D.0", "D.4", "D.-1", "X", "D.99999999999"})
        EXPECT_FALSE(ChooseFontItem(table_, ListItem{key, u"Arial", 0, 0, false}, source_)) << key;
}

}  // namespace
}  // namespace glyphora

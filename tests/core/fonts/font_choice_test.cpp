#include "fonts/font_choice.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>

#include "base/text.h"
#include "fonts/fixed_font_source.h"
#include "fonts/installed_font_catalog.h"

namespace glyphora {
namespace {

TEST(FontFilePath, JoinsRelativeNamesToTheFontsFolder) {
    struct Case {
        const char* folder;
        const char* file;
        const char* path;
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
        char pattern[] = "/tmp/glyphora-fonts-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern), nullptr);
        folder_ = pattern;
        std::ofstream(folder_ / "arial.ttf") << "font";
        source_.fonts_folder = folder_.string() + "/";
        source_.installed = {{{kTrueTypeKind, "Arial", "arial.ttf"},
                              {kTrueTypeKind, "Gone", "gone.ttf"},
                              {kTrueTypeKind, "Nameless", ""},
                              {kTrueTypeKind, "C059 Roman", "c059.otf"}}};
        source_.reports = {{"Arial", "Arial", kTrueTypeKind, {0x200, 0, 0, 0}},
                           {"Gone", "Gone", kTrueTypeKind, {}},
                           {"Nameless", "Nameless", kTrueTypeKind, {}},
                           {"C059", "C059 Roman", kTrueTypeKind, {}}};
        GlyphRanges ranges;
        ranges.range_count = 1;
        ranges.ranges = {{0x20, 0x5F}};
        source_.glyph_ranges["Arial"] = ranges;
        ranges.ranges = {{0x20, 0x160}};
        source_.glyph_ranges["C059"] = ranges;
        BuildFontList(source_, FixedWidthMeasure{}, table_, list_);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    const ListItem& Item(const std::u16string& text) { return list_.items[*list_.FindText(text)]; }

    std::filesystem::path folder_;
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
    EXPECT_TRUE(HasGlyph(choice->glyph_ranges, 0x41));
    EXPECT_FALSE(HasGlyph(choice->glyph_ranges, 0x416));
}

TEST_F(FontChoiceTest, MissingFileLeavesThePropertiesTargetEmpty) {
    for (const char16_t* family : {u"Gone", u"Nameless"}) {
        const auto choice = ChooseFontItem(table_, Item(family), source_);
        ASSERT_TRUE(choice);
        EXPECT_TRUE(choice->properties_target.empty());
        EXPECT_EQ(choice->glyph_ranges.range_count, -1) << "no ranges known: every glyph";
    }
}

// The table of the window and of "page" asks the catalogue; "glyphs" asks ChooseFontItem. Both
// must give the family's ranges, also when the record is named by a full name of its own.
TEST_F(FontChoiceTest, TheCatalogGivesTheSameRangesAsTheChoice) {
    InstalledFontCatalog catalog(source_);
    const ListViewModel list = catalog.BuildFontList(FixedWidthMeasure{}, 100);
    for (const char16_t* family : {u"Arial", u"C059"}) {
        const ListItem& item = list.items[*list.FindText(family)];
        const GlyphRanges ranges = catalog.Ranges(item.key);
        EXPECT_EQ(ranges, ChooseFontItem(table_, Item(family), source_)->glyph_ranges);
        EXPECT_EQ(ranges.range_count, 1) << Utf16ToUtf8(family);
    }
}

TEST_F(FontChoiceTest, KeysWithoutARecordChooseNothing) {
    for (const char* key : {"", "D.", "D.0", "D.5", "D.-1", "X", "D.99999999999"})
        EXPECT_FALSE(ChooseFontItem(table_, ListItem{key, u"Arial", 0, 0, false}, source_)) << key;
}

}  // namespace
}  // namespace glyphora

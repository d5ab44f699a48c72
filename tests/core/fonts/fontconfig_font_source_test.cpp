#include "fonts/fontconfig_font_source.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "base/text.h"
#include "fonts/font_choice.h"
#include "fonts/font_table.h"

// These run on the fonts that scripts/setup installs (fonts-dejavu-core).
namespace glyphora {
namespace {

const std::string kDejaVu = "/usr/share/fonts/truetype/dejavu/";

class InstalledFontsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        source_ = new FontconfigFontSource;
        table_ = new FontTable;
        list_ = new ListViewModel;
        BuildFontList(*source_, FixedWidthMeasure{}, *table_, *list_);
    }
    static void TearDownTestSuite() {
        delete list_;
        delete table_;
        delete source_;
    }
    void SetUp() override {
        if (!std::filesystem::exists(kDejaVu + "DejaVuSans.ttf"))
            GTEST_SKIP() << "fonts-dejavu-core is not installed (scripts/setup)";
    }

    static std::optional<FontChoice> Choose(const std::u16string& family) {
        const auto at = list_->FindText(family);
        if (!at) return std::nullopt;
        return ChooseFontItem(*table_, list_->items[*at], *source_);
    }

    static FontconfigFontSource* source_;
    static FontTable* table_;
    static ListViewModel* list_;
};

FontconfigFontSource* InstalledFontsTest::source_ = nullptr;
FontTable* InstalledFontsTest::table_ = nullptr;
ListViewModel* InstalledFontsTest::list_ = nullptr;

TEST_F(InstalledFontsTest, ListsEachDejaVuFamilyOnceWithItsRegularFace) {
    const std::map<std::u16string, std::string> regular = {
        {u"DejaVu Sans", "DejaVuSans.ttf"},
        {u"DejaVu Sans Mono", "DejaVuSansMono.ttf"},
        {u"DejaVu Serif", "DejaVuSerif.ttf"},
    };
    for (const auto& [family, file] : regular) {
        int listed = 0;
        for (const ListItem& item : list_->items) listed += item.text == family;
        EXPECT_EQ(listed, 1) << Utf16ToUtf8(family);
        const auto choice = Choose(family);
        ASSERT_TRUE(choice) << Utf16ToUtf8(family);
        EXPECT_EQ(choice->file_path, kDejaVu + file);
        EXPECT_EQ(choice->properties_target, kDejaVu + file);
        EXPECT_EQ(choice->record.coverage.size(), 128u);
        EXPECT_EQ(choice->record.face_name, Utf16ToUtf8(family)) << "its full name";
    }
    // Condensed and light faces are styles of DejaVu Sans, not families of their own.
    EXPECT_FALSE(list_->FindText(u"DejaVu Sans Condensed"));
}

TEST_F(InstalledFontsTest, DejaVuSansCoversCyrillicButNotHangulAndMonoHasFewerGlyphs) {
    const auto sans = Choose(u"DejaVu Sans");
    const auto mono = Choose(u"DejaVu Sans Mono");
    ASSERT_TRUE(sans && mono);
    EXPECT_EQ(sans->record.coverage[9], '1') << "bit 9, Cyrillic";
    EXPECT_EQ(sans->record.coverage[56], '0') << "bit 56, Hangul syllables";
    const GlyphRanges& ranges = sans->glyph_ranges;
    ASSERT_GT(ranges.range_count, 0);
    EXPECT_TRUE(HasGlyph(ranges, 0x0416));
    EXPECT_FALSE(HasGlyph(ranges, 0xAC00));
    EXPECT_FALSE(HasGlyph(ranges, 0x0000));
    for (int i = 1; i < ranges.range_count; ++i) {
        const auto& before = ranges.ranges[static_cast<std::size_t>(i - 1)];
        const auto& range = ranges.ranges[static_cast<std::size_t>(i)];
        EXPECT_GT(range.first, before.first + before.count) << "ascending, apart, joined runs";
    }
    auto glyphs = [](const GlyphRanges& r) {
        long total = 0;
        for (const auto& range : r.ranges) total += range.count;
        return total;
    };
    EXPECT_LT(glyphs(mono->glyph_ranges), glyphs(sans->glyph_ranges));
    EXPECT_EQ(source_->FamilyGlyphRanges("dejavu sans"), source_->FamilyGlyphRanges("DejaVu Sans"));
    EXPECT_EQ(source_->FamilyGlyphRanges("No Such Family").range_count, -1);
}

TEST_F(InstalledFontsTest, InstalledListKeepsTypeOneFontsAsAnotherKind) {
    const auto entries = source_->InstalledFonts();
    ASSERT_TRUE(entries);
    bool dejavu_sans = false;
    for (const auto& entry : *entries) {
        if (entry.file_name == kDejaVu + "DejaVuSans.ttf") {
            dejavu_sans = true;
            EXPECT_EQ(entry.kind, kTrueTypeKind);
            EXPECT_EQ(entry.face_names, "DejaVu Sans");
        }
        const std::string extension = std::filesystem::path(entry.file_name).extension();
        if (extension == ".pfb" || extension == ".t1" || extension == ".pcf" ||
            extension == ".gz") {
            EXPECT_EQ(entry.kind, kOtherFontKind) << entry.file_name;
        }
        EXPECT_EQ(entry.file_name.front(), '/') << entry.file_name;
    }
    EXPECT_TRUE(dejavu_sans);
    // Every listed item names a TrueType record with a coverage string.
    for (const ListItem& item : list_->items) {
        const FontRecord* record = table_->Record(*KeyNumber(item.key));
        ASSERT_NE(record, nullptr) << item.key;
        EXPECT_EQ(record->kind, kTrueTypeKind);
        EXPECT_EQ(record->coverage.size(), 128u);
    }
}

}  // namespace
}  // namespace glyphora

#include "fonts/font_table.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "../app/temp_folder.h"
#include "base/text.h"
#include "fonts/coverage_string.h"
#include "fonts/fixed_font_source.h"
#include "fonts/font_choice.h"
#include "fonts/glyph_ranges.h"
#include "fonts/installed_font_catalog.h"

namespace glyphora {
namespace {

using Bitmap = std::array<std::uint32_t, kBmpBitmapWords>;

constexpr std::array<std::uint32_t, 4> kLatin = {0x7, 0, 0, 0};
constexpr std::array<std::uint32_t, 4> kCyrillic = {0x200, 0, 0, 0};

EnumeratedFace Report(std::string family, std::string full,
                      std::array<std::uint32_t, 4> subset = kLatin,
                      FontKind kind = FontKind::Outline) {
    return EnumeratedFace{std::move(family), std::move(full), kind, subset};
}

std::vector<std::string> Texts(const ListViewModel& list) {
    std::vector<std::string> texts;
    for (const ListItem& item : list.items) texts.push_back(Utf16ToUtf8(item.text));
    return texts;
}

std::vector<long> Ids(const ListViewModel& list) {
    std::vector<long> ids;
    for (const ListItem& item : list.items) ids.push_back(item.id);
    return ids;
}

class FontTableTest : public ::testing::Test {
protected:
    FixedFontSource source_;
    FontTable table_;
    ListViewModel list_;
    FixedWidthMeasure measure_{7};

    // Loads TrueType entries, one per face list, with made-up file names.
    void Install(std::initializer_list<const char*> faces) {
        source_.installed.emplace();
        for (const char* face : faces)
            source_.installed->push_back({FontKind::Outline, {face}, std::string(face) + ".ttf"});
        table_.LoadInstalledFonts(source_);
    }
    void Enumerate(const std::vector<EnumeratedFace>& reports) {
        for (const auto& report : reports)
            EXPECT_TRUE(table_.AddEnumeratedFont(report, list_, measure_));
    }
};

TEST_F(FontTableTest, FindsTheRecordByFullNameElseByTheLastRecordOfTheFamily) {
    Install({"Gill", "Gill Sans", "Gill", "Gill Sans", "Lucida"});
    // The full name wins over the family name, and the first record of that name is taken.
    Enumerate({Report("Gill", "Gill Sans")});
    EXPECT_EQ(Ids(list_), (std::vector<long>{2}));
    EXPECT_FALSE(table_.Record(2)->coverage.empty());
    EXPECT_TRUE(table_.Record(4)->coverage.empty());

    // Without a full-name match: the last record of the family, while it has no coverage.
    list_.Clear();
    Enumerate({Report("Gill", "Gill Regular", kCyrillic)});
    EXPECT_EQ(Ids(list_), (std::vector<long>{3}));
    EXPECT_EQ(table_.Record(3)->coverage, CoverageString(kCyrillic));
    EXPECT_TRUE(table_.Record(1)->coverage.empty()) << "an earlier record is not taken instead";

    list_.Clear();
    Enumerate({Report("Gill", "Gill Italic")});
    EXPECT_TRUE(list_.items.empty()) << "the family's last record already has its coverage";

    Enumerate({Report("Verdana", "Verdana")});
    EXPECT_TRUE(list_.items.empty()) << "a family the installed list does not name";
    Enumerate({Report("Lucida", "Lucida", kLatin, FontKind::Other)});
    EXPECT_TRUE(list_.items.empty()) << "not an outline face";
    EXPECT_TRUE(table_.Record(5)->coverage.empty());
}

// Both passes on a clean list, then the choice of an item: its record, coverage, file and ranges.
TEST(BuildFontList, RunsBothPassesAndChoosesAnItemsFile) {
    testing::TempFolder folder;
    testing::WriteBytes(folder / "arial.ttf", "font");
    FixedFontSource source;
    source.fonts_folder = folder.path().string();
    source.installed = {{{FontKind::Outline, {"Arial"}, "arial.ttf"},
                         {FontKind::Other, {"Courier"}, "coure.fon"},
                         {FontKind::Outline, {"Symbol"}, "/elsewhere/symbol.ttf"}}};
    source.reports = {Report("Symbol", "Symbol", {0, 0, 0, 0x80000000u}),
                      Report("Courier", "Courier", kLatin, FontKind::Other),
                      Report("Arial", "Arial")};
    source.glyph_ranges["Arial"].range_count = 0;
    FontTable table;
    ListViewModel list;
    list.items.push_back({1, u"stale"});
    list.view_width = 200;
    BuildFontList(source, FixedWidthMeasure{7}, table, list);
    EXPECT_EQ(Texts(list), (std::vector<std::string>{"Arial", "Symbol"}));
    EXPECT_EQ(Ids(list), (std::vector<long>{1, 2}));
    EXPECT_EQ(list.column_width, 196);
    const auto arial = ChooseFontItem(table, list.items[0], source);
    ASSERT_TRUE(arial);
    EXPECT_EQ(arial->record.coverage, CoverageString(kLatin));
    EXPECT_EQ(arial->properties_target, (folder / "arial.ttf").string());
    EXPECT_EQ(arial->glyph_ranges.range_count, 0);
    const auto symbol = ChooseFontItem(table, list.items[1], source);
    EXPECT_EQ(symbol->file_path, "/elsewhere/symbol.ttf");
    EXPECT_TRUE(symbol->properties_target.empty()) << "no such file";
    EXPECT_EQ(symbol->glyph_ranges.range_count, -1) << "no ranges known: every glyph";
    for (const long id : {0L, 4L, -1L, 99999999999L})
        EXPECT_FALSE(ChooseFontItem(table, ListItem{id, u"Arial"}, source)) << id;
}

// The table of the window and of "page" asks the catalogue; "glyphs" asks ChooseFontItem. Both
// must give the family's ranges, also when the record is named by a full name of its own.
TEST(InstalledFontCatalog, GivesTheFamilysRangesAsTheChoiceDoes) {
    FixedFontSource source;
    source.installed = {{{FontKind::Outline, {"Arial"}, "arial.ttf"},
                         {FontKind::Outline, {"C059 Roman"}, "c059.otf"}}};
    source.reports = {Report("Arial", "Arial"), Report("C059", "C059 Roman")};
    source.glyph_ranges["Arial"] = {1, {{0x20, 0x5F}}};
    source.glyph_ranges["C059"] = {1, {{0x20, 0x160}}};
    InstalledFontCatalog catalog(source);
    const ListViewModel list = catalog.BuildFontList(FixedWidthMeasure{}, 100);
    FontTable table;
    ListViewModel chosen;
    BuildFontList(source, FixedWidthMeasure{}, table, chosen);
    for (const char16_t* family : {u"Arial", u"C059"}) {
        const ListItem& item = list.items[*list.FindText(family)];
        EXPECT_EQ(catalog.Ranges(item.id), source.glyph_ranges[Utf16ToUtf8(family)]);
        EXPECT_EQ(catalog.Ranges(item.id), ChooseFontItem(table, item, source)->glyph_ranges);
    }
    EXPECT_EQ(catalog.Ranges(9).range_count, -1);
}

TEST_F(FontTableTest, EntryNamingThreeFacesGivesThreeRecordsOfOneFileFromIndexOne) {
    source_.installed = {
        {{FontKind::Outline, {"Cambria", "Cambria Math", "Cambria Bold"}, " cambria.ttc "},
         {FontKind::Outline, {"Arial"}, "arial.ttf"}}};
    table_.LoadInstalledFonts(source_);
    ASSERT_EQ(table_.Records().size(), 5u);
    EXPECT_EQ(table_.Record(0), nullptr);
    EXPECT_EQ(table_.Record(5), nullptr);
    const char* faces[] = {"Cambria", "Cambria Math", "Cambria Bold", "Arial"};
    for (long i = 1; i <= 4; ++i) EXPECT_EQ(table_.Record(i)->face_name, faces[i - 1]);
    EXPECT_EQ(table_.Record(3)->file_name, "cambria.ttc") << "trimmed";
    EXPECT_EQ(table_.Record(4)->file_name, "arial.ttf");

    // Each face is listed once it is reported; the one never reported is not.
    Enumerate({Report("Cambria Math", "Cambria Math", kCyrillic), Report("Cambria", "Cambria"),
               Report("Arial", "Arial")});
    EXPECT_EQ(Texts(list_), (std::vector<std::string>{"Arial", "Cambria", "Cambria Math"}));
    EXPECT_EQ(Ids(list_), (std::vector<long>{4, 1, 2}));
    EXPECT_EQ(table_.Record(2)->coverage, CoverageString(kCyrillic));
    EXPECT_TRUE(table_.Record(3)->coverage.empty());
}

TEST(HasGlyph, ReadsOnlyTheCountedRangesAndNoDataHoldsEverything) {
    GlyphRanges ranges;
    ranges.ranges = {{0x20, 0x10}, {0x41, 1}};
    ranges.range_count = 1;  // the second range lies beyond the count
    EXPECT_TRUE(HasGlyph(ranges, 0x2F));
    EXPECT_FALSE(HasGlyph(ranges, 0x41));
    ranges.range_count = 0;
    EXPECT_FALSE(HasGlyph(ranges, 0x20));
    EXPECT_TRUE(HasGlyph(GlyphRanges{}, 0x41));
    // A short bitmap counts the missing words as empty.
    const GlyphRanges short_bitmap =
        GlyphRangesFromBitmap(std::vector<std::uint32_t>{0, 0xF0000000u});
    EXPECT_EQ(short_bitmap.ranges, (std::vector<GlyphRange>{{60, 4}}));
    // A range counts at most 0xFFFF code points; more than 5001 ranges are no data.
    Bitmap bitmap;
    bitmap.fill(0xFFFFFFFFu);
    EXPECT_EQ(GlyphRangesFromBitmap(bitmap).ranges,
              (std::vector<GlyphRange>{{0, 0xFFFF}, {0xFFFF, 1}}));
    bitmap.fill(0x55555555u);
    EXPECT_EQ(GlyphRangesFromBitmap(bitmap).range_count, -1);
}

}  // namespace
}  // namespace glyphora

#pragma once

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "table/main_window_model.h"
#include "unicode/builtin_data.h"
#include "unicode/icu_char_classifier.h"
#include "unicode/icu_name_service.h"
#include "unicode/name_table.h"

namespace glyphora::testing {

// A coverage string with the given signature bits set.
inline std::string CoverageWith(std::initializer_list<int> bits) {
    std::string coverage(128, '0');
    for (int bit : bits) coverage[bit] = '1';
    return coverage;
}

// Glyph ranges holding the given inclusive (first, last) runs.
inline GlyphRanges RangesOf(std::initializer_list<std::pair<int, int>> runs) {
    GlyphRanges ranges;
    ranges.range_count = 0;
    for (auto [first, last] : runs) {
        ranges.ranges.push_back(
            {static_cast<std::uint16_t>(first), static_cast<std::uint16_t>(last - first + 1)});
        ++ranges.range_count;
    }
    return ranges;
}

struct FakeFont {
    std::u16string family;
    std::string coverage;
    GlyphRanges ranges;  // range_count -1: every code point has a glyph
};

class FakeFontCatalog final : public FontCatalog {
public:
    std::vector<FakeFont> fonts;

    ListViewModel BuildFontList(const TextMeasure&, int view_width) override {
        ListViewModel list;
        list.view_width = view_width;
        for (std::size_t i = 0; i < fonts.size(); ++i)
            list.items.push_back({static_cast<long>(i + 1), fonts[i].family});
        return list;
    }
    std::optional<FontDescription> Describe(long id) override {
        if (id < 1 || id > static_cast<long>(fonts.size())) return std::nullopt;
        return FontDescription{fonts[id - 1].coverage, "/fonts/font.ttf", true};
    }
    GlyphRanges Ranges(long id) override {
        if (id < 1 || id > static_cast<long>(fonts.size())) return {};
        return fonts[id - 1].ranges;
    }
};

class FakeGlyphMetrics final : public GlyphMetrics {
public:
    std::map<char16_t, GlyphBearings> widths;  // anything else: 1, 10, 1
    std::u16string family;

    void SetFamily(const std::u16string& f) override { family = f; }
    GlyphBearings SideBearings(char16_t unit) override {
        const auto it = widths.find(unit);
        return it == widths.end() ? GlyphBearings{1, 10, 1} : it->second;
    }
    // Set: the view font's height, internal leading and widest glyph in thousandths of its em.
    std::optional<ViewTextMetrics> per_mille_em;

    ViewTextMetrics Metrics(int point_size) override {
        const int size = point_size > 0 ? point_size : 48;
        if (per_mille_em) {
            const int em = size * 4 / 3;  // at 96 pixels per inch
            return {em * per_mille_em->height / 1000, em * per_mille_em->internal_leading / 1000,
                    em * per_mille_em->max_char_width / 1000};
        }
        return {size * 4 / 3, size / 6, size};
    }
    int ViewInnerHeight() override { return 100; }
    int ViewInnerWidth() override { return 100; }
    int DotsPerInchY() override { return 96; }
};

// One name table for the whole test binary: loading it costs a few milliseconds.
inline const NameTable& SharedNames() {
    static const NameTable* table = [] {
        auto* names = new NameTable;
        names->LoadCharData(IcuNameService{}, builtin::NameData(), builtin::EntityData());
        return names;
    }();
    return *table;
}

// A model with an "all glyphs" font, a font without Cyrillic and a font that covers nothing
// listable, as start-up leaves it: fonts loaded, the first font chosen.
class ModelTest : public ::testing::Test {
protected:
    void SetUp() override {
        fonts_.fonts = {
            {u"Every", CoverageWith({0, 1, 2, 3, 7, 9, 31, 57, 60, 68, 69}), GlyphRanges{}},
            {u"Latin Only", CoverageWith({0, 1, 2, 3}), RangesOf({{0x20, 0x7E}, {0xA0, 0x17F}})},
            {u"Nothing", std::string(128, '0'), GlyphRanges{}},
            {u"Cyrillic Only", CoverageWith({9}), GlyphRanges{}},
        };
        model_ = std::make_unique<MainWindowModel>(
            MainWindowModel::Services{&SharedNames(), &classifier_, &measure_, &metrics_, &fonts_});
        model_->LoadFonts();
        model_->SelectFont(0);
    }

    MainWindowModel& M() { return *model_; }
    long Cp(int cell) const { return model_->Page().Cells()[cell].code_point; }
    long Current() const { return model_->Page().CurrentCodePoint(); }
    void ShowAll(bool on) { model_->SetShowAll(on); }
    void ChooseFont(const std::u16string& name) {
        model_->SelectFont(model_->Fonts().ItemByName(name));
    }
    std::size_t ItemOf(long first) const { return *model_->Subranges().Views().list.FindId(first); }

    IcuCharClassifier classifier_;
    FixedWidthMeasure measure_;
    FakeGlyphMetrics metrics_;
    FakeFontCatalog fonts_;
    std::unique_ptr<MainWindowModel> model_;
};

}  // namespace glyphora::testing

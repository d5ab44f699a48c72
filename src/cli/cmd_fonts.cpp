// fonts, glyphs: the font list and a family's glyph ranges, from the installed fonts.
#include <numeric>
#include <optional>
#include <vector>

#include "base/list_model.h"
#include "base/text.h"
#include "base/text_measure.h"
#include "cli_common.h"
#include "cli_fonts.h"
#include "fonts/family_glyph_index.h"
#include "fonts/font_choice.h"
#include "fonts/font_table.h"
#include "fonts/fontconfig_font_source.h"
#include "fonts/glyph_ranges.h"
#include "fonts/installed_font_catalog.h"

namespace glyphora::cli {
namespace {

// The font list as the window builds it at start-up.
struct InstalledFontList {
    FontconfigFontSource source;
    FontTable table;
    ListViewModel list;

    InstalledFontList() { BuildFontList(source, FixedWidthMeasure{}, table, list); }

    const ListItem& Family(const std::string& family) const {
        const std::u16string wanted = Utf8ToUtf16(family);
        if (const auto exact = list.FindText(wanted)) return list.items[*exact];
        for (const ListItem& item : list.items)
            if (CompareNoCase(item.text, wanted) == 0) return item;
        throw UsageError{"unknown font family: '" + family + "'"};
    }

    FontChoice Choose(const ListItem& item) const {
        // Every listed item names a record, so this only fails if the list was built wrongly.
        auto choice = ChooseFontItem(table, item, source);
        if (!choice) throw UsageError{"font list item without a record: " + ItemKey(item.id)};
        return *choice;
    }
};

void RequireOperands(const CliArgs& args, std::size_t count, const char* usage) {
    if (args.operands.size() != count) throw UsageError{std::string("usage: ") + usage};
}

}  // namespace

std::string CoverageOfFamily(const std::string& family) {
    const InstalledFontList fonts;
    return fonts.Choose(fonts.Family(family)).record.coverage;
}

GlyphRanges TableGlyphRangesOfFamily(const std::string& family) {
    const FontconfigFontSource source;
    InstalledFontCatalog catalog(source);
    const ListViewModel list = catalog.BuildFontList(FixedWidthMeasure{}, 0);
    const std::u16string wanted = Utf8ToUtf16(family);
    auto item = list.FindText(wanted);
    for (std::size_t i = 0; !item && i < list.items.size(); ++i)
        if (CompareNoCase(list.items[i].text, wanted) == 0) item = i;
    if (!item) throw UsageError{"unknown font family: '" + family + "'"};
    return catalog.Ranges(list.items[*item].id);
}

int RunFonts(const CliArgs& args, std::ostream& out) {
    RequireOperands(args, 0, "fonts [--covering CODE]");
    std::optional<long> covering;
    if (const auto code = args.Option("--covering")) covering = RequireCode(*code);

    // The window's own catalogue and query, so both answer alike.
    const FontconfigFontSource source;
    InstalledFontCatalog catalog(source);
    const ListViewModel list = catalog.BuildFontList(FixedWidthMeasure{}, 0);
    std::vector<std::size_t> items(list.items.size());
    std::iota(items.begin(), items.end(), std::size_t{0});
    if (covering) items = FamilyGlyphIndex(list, catalog).FamiliesCovering(*covering);
    for (const std::size_t i : items) {
        const ListItem& item = list.items[i];
        const auto description = catalog.Describe(item.id);
        if (!description) throw UsageError{"font list item without a record: " + ItemKey(item.id)};
        out << ItemKey(item.id) << '\t' << Utf16ToUtf8(item.text) << '\t' << description->file_path
            << '\t' << description->coverage << '\n';
    }
    return 0;
}

int RunGlyphs(const CliArgs& args, std::ostream& out) {
    RequireOperands(args, 1, "glyphs FAMILY");
    const InstalledFontList fonts;
    const GlyphRanges ranges = fonts.Choose(fonts.Family(args.operands[0])).glyph_ranges;
    out << ranges.range_count << '\n';
    for (int i = 0; i < ranges.range_count; ++i) {
        const GlyphRange& range = ranges.ranges[static_cast<std::size_t>(i)];
        out << Hex4(range.first) << '\t' << Hex4(range.first + range.count - 1) << '\n';
    }
    return 0;
}

}  // namespace glyphora::cli

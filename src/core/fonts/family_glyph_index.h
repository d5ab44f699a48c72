#pragma once

#include <cstddef>
#include <vector>

#include "base/list_model.h"
#include "fonts/font_catalog.h"
#include "fonts/glyph_ranges.h"

namespace glyphora {

// Which listed families have a glyph for a code point. The glyph ranges of every font list item
// are asked from the catalogue once, when the index is built: the font list does not change while
// the program runs, and a query then only searches ranges already in memory.
class FamilyGlyphIndex {
public:
    FamilyGlyphIndex() = default;
    // The ranges of each item of font_list, in list order, as the catalogue gives them for the
    // table (FontCatalog::Ranges of the item's key).
    FamilyGlyphIndex(const ListViewModel& font_list, FontCatalog& catalog);

    std::size_t FamilyCount() const { return ranges_.size(); }

    // The font list items, ascending, whose ranges hold cp: the test the table makes for its
    // cells, so a family without range data counts as having every glyph.
    std::vector<std::size_t> FamiliesCovering(long cp) const;

private:
    std::vector<GlyphRanges> ranges_;
};

}  // namespace glyphora

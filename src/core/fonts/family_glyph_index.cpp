#include "fonts/family_glyph_index.h"

namespace glyphora {

FamilyGlyphIndex::FamilyGlyphIndex(const ListViewModel& font_list, FontCatalog& catalog) {
    ranges_.reserve(font_list.items.size());
    for (const ListItem& item : font_list.items) ranges_.push_back(catalog.Ranges(item.id));
}

std::vector<std::size_t> FamilyGlyphIndex::FamiliesCovering(long cp) const {
    std::vector<std::size_t> covering;
    if (cp < 0 || cp > 0xFFFF) return covering;  // glyph ranges cover the plane only
    for (std::size_t i = 0; i < ranges_.size(); ++i)
        if (HasGlyph(ranges_[i], cp)) covering.push_back(i);
    return covering;
}

}  // namespace glyphora

#include "table/font_list.h"

namespace glyphora {

void FontList::Load(FontCatalog* catalog, const TextMeasure& measure) {
    const int view_width = list_.view_width;
    list_ = ListViewModel{};
    list_.view_width = view_width;
    item_coverage_.clear();
    if (!catalog) return;
    list_ = catalog->BuildFontList(measure, view_width);
    item_coverage_.reserve(list_.items.size());
    for (const auto& item : list_.items) {
        const auto description = catalog->Describe(item.id);
        item_coverage_.push_back(description ? description->coverage : std::string());
    }
}

bool FontList::Choose(std::size_t k, FontCatalog& catalog) {
    if (k >= list_.items.size()) return false;
    const ListItem& font = list_.items[k];
    const auto description = catalog.Describe(font.id);
    if (!description) return false;
    list_.selected = k;
    properties_target_ = description->file_exists ? description->file_path : std::string();
    family_ = font.text;
    coverage_ = description->coverage;
    glyph_ranges_ = catalog.Ranges(font.id);
    return true;
}

void FontList::ShowCoverageIcons(int bit) {
    for (std::size_t i = 0; i < list_.items.size(); ++i) {
        const std::string& coverage = item_coverage_[i];
        list_.items[i].check =
            bit >= 0 && static_cast<std::size_t>(bit) < coverage.size() && coverage[bit] == '1';
    }
}

}  // namespace glyphora

#include "table/fonts_with_char.h"

#include "base/text.h"
#include "table/main_window_model.h"

namespace glyphora {

FontsWithChar::FontsWithChar(MainWindowModel& model, FontCatalog& catalog)
    : model_(model), catalog_(catalog) {}

bool FontsWithChar::Refresh() {
    if (!index_) index_.emplace(model_.Fonts().Items(), catalog_);
    std::optional<long> cp;
    if (!model_.Page().RowLabels()[static_cast<std::size_t>(model_.Page().Current() / 16)].empty())
        cp = model_.Page().CurrentCodePoint();
    if (cp == code_point_) return false;
    code_point_ = cp;
    families_ = cp ? index_->FamiliesCovering(*cp) : std::vector<std::size_t>{};
    return true;
}

const std::u16string& FontsWithChar::FamilyName(std::size_t row) const {
    return model_.Fonts().Items().items[families_.at(row)].text;
}

std::optional<std::size_t> FontsWithChar::ChosenRow() const {
    const auto& chosen = model_.Fonts().Items().selected;
    if (!chosen) return std::nullopt;
    for (std::size_t row = 0; row < families_.size(); ++row)
        if (families_[row] == *chosen) return row;
    return std::nullopt;
}

std::u16string FontsWithChar::Title() const {
    const std::size_t all = index_ ? index_->FamilyCount() : model_.Fonts().Items().items.size();
    return Utf8ToUtf16(std::to_string(families_.size()) + " of " + std::to_string(all) + " fonts");
}

void FontsWithChar::Choose(std::size_t row) {
    if (row >= families_.size() || !code_point_) return;
    const long cp = *code_point_;
    model_.SelectFont(families_[row]);
    const auto& cells = model_.Page().Cells();
    const int cell = model_.Page().Current();
    if (!model_.Page().RowLabels()[static_cast<std::size_t>(cell / 16)].empty() &&
        cells[static_cast<std::size_t>(cell)].code_point == cp)
        return;
    if (!model_.Subranges().ShowAll()) {
        bool listed = false;
        for (const ListItem& item : model_.Subranges().Views().list.items)
            listed = listed || (item.id <= cp && cp <= item.last);
        if (!listed) model_.SetShowAll(true);
    }
    model_.GoToCodePoint(cp);
}

}  // namespace glyphora

#include "table/subrange_list.h"

#include <algorithm>

namespace glyphora {

std::optional<std::size_t> SubrangeList::ItemByStart(long start) const {
    const auto it = std::lower_bound(item_first_.begin(), item_first_.end(), start);
    if (it == item_first_.end() || *it != start) return std::nullopt;
    return static_cast<std::size_t>(it - item_first_.begin());
}

std::optional<std::size_t> SubrangeList::ItemHolding(long cp) const {
    if (item_first_.empty()) return std::nullopt;
    for (std::size_t k = 0; k < Count(); ++k)
        if (cp <= Last(k)) return k;
    return Count() - 1;
}

std::optional<std::size_t> SubrangeList::ItemForComboEntry(std::size_t entry) const {
    if (entry >= views_.combo.entries.size()) return std::nullopt;
    const ComboEntry& chosen = views_.combo.entries[entry];
    const auto& list = views_.list;
    if (list.selected && *list.selected < list.items.size() &&
        list.items[*list.selected].text == chosen.text)
        return std::nullopt;
    return list.FindId(chosen.id);
}

long SubrangeList::ListedBefore(std::size_t k) const {
    long before = 0;
    for (std::size_t j = 0; j < k && j < Count(); ++j) before += Last(j) - First(j) + 1;
    return before;
}

void SubrangeList::Refill(std::string_view coverage, const TextMeasure& measure) {
    FillSubranges(views_, show_all_, coverage, measure);
    item_first_.clear();
    item_first_.reserve(Count());
    for (const auto& item : views_.list.items) item_first_.push_back(item.id);
}

void SubrangeList::Select(std::size_t k) {
    if (k >= Count()) return;
    current_start_ = First(k);
    item_to_show_ = k;
    views_.list.selected = k;
    // Keep the compact mode's combo box on the same subrange.
    views_.combo.selected.reset();
    for (std::size_t e = 0; e < views_.combo.entries.size(); ++e)
        if (views_.combo.entries[e].id == views_.list.items[k].id) views_.combo.selected = e;
}

}  // namespace glyphora

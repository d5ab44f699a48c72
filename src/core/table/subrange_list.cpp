#include "table/subrange_list.h"

#include <algorithm>

namespace glyphora {

std::optional<std::size_t> SubrangeList::ItemByStart(long start) const {
    // Listed in table order, so the starts ascend.
    const auto& items = views_.list.items;
    const auto it = std::lower_bound(items.begin(), items.end(), start,
                                     [](const ListItem& item, long s) { return item.id < s; });
    if (it == items.end() || it->id != start) return std::nullopt;
    return static_cast<std::size_t>(it - items.begin());
}

std::optional<std::size_t> SubrangeList::ItemHolding(long cp) const {
    if (Count() == 0) return std::nullopt;
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

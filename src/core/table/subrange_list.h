#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "base/text_measure.h"
#include "unicode/subrange_views.h"

namespace glyphora {

// The Subranges list (lvRange, and cbRange in the compact layout): which subranges are listed,
// which one is current, and "Show All". The table pages only through the subranges listed here,
// so every paging step asks this list for item bounds.
class SubrangeList {
public:
    const SubrangeViews& Views() const { return views_; }
    std::size_t Count() const { return views_.list.items.size(); }
    long First(std::size_t k) const { return views_.list.items[k].id; }
    long Last(std::size_t k) const { return views_.list.items[k].last; }
    // The item of the subrange that starts at `start`, if listed.
    std::optional<std::size_t> ItemByStart(long start) const;
    // The listed subrange holding cp, else the next one after it, else the last one.
    std::optional<std::size_t> ItemHolding(long cp) const;
    // The first code point of the listed subrange holding cp (see FindSubrangeStart).
    long StartOf(long cp) const { return FindSubrangeStart(views_.list, cp); }
    // The item cbRange's entry stands for, unless it is the list's selected item already.
    std::optional<std::size_t> ItemForComboEntry(std::size_t entry) const;
    long ListedCount() const { return views_.listed_count; }
    // Listed code points before item k's first.
    long ListedBefore(std::size_t k) const;

    bool ShowAll() const { return show_all_; }
    void SetShowAll(bool on) { show_all_ = on; }
    long CurrentStart() const { return current_start_; }
    void SetCurrentStart(long start) { current_start_ = start < 0 ? 0 : start; }
    // The item the list should scroll into view, once the window has shown the last one.
    std::optional<std::size_t> ItemToShow() const { return item_to_show_; }
    void SetViewWidth(int pixels) { views_.list.view_width = pixels; }

    // Lists the subranges again for the font's coverage (every one with "Show All").
    void Refill(std::string_view coverage, const TextMeasure& measure);
    // Item k becomes current and selected, in the list and in the combo box.
    void Select(std::size_t k);

private:
    SubrangeViews views_;
    long current_start_ = 0;
    std::optional<std::size_t> item_to_show_;
    bool show_all_ = false;
};

}  // namespace glyphora

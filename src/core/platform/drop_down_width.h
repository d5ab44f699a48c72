#pragma once

#include <algorithm>
#include <vector>

namespace glyphora {

// How wide a combo box's drop-down list opens: wide enough for its widest item.
struct DropDownMeasure {
    std::vector<int> item_widths;  // pixels, every column of an item together
    int scroll_bar_width = 0;      // the width a vertical scroll bar takes
    int extra = 0;                 // indentation and image width of an image combo
};

// The widest item plus 10 pixels, plus the scroll bar when the list holds more than 9 items, plus
// the extra; never narrower than the box itself (a list already wide enough is left alone).
inline constexpr int kDropDownPadding = 10;
inline constexpr std::size_t kDropDownRowsWithoutScrollBar = 9;

inline int FitDropDownWidth(const DropDownMeasure& measure, int box_width) {
    int widest = 0;
    for (int width : measure.item_widths) widest = std::max(widest, width);
    int needed = widest + kDropDownPadding + measure.extra;
    if (measure.item_widths.size() > kDropDownRowsWithoutScrollBar)
        needed += measure.scroll_bar_width;
    return std::max(needed, box_width);
}

}  // namespace glyphora

#pragma once

#include <string_view>

#include "base/list_model.h"
#include "base/text_measure.h"
#include "unicode/subrange_table.h"

namespace glyphora {

// The two views of the listed subranges and what follows from them, without the widgets. The
// main window's table model owns one of these and rebuilds it whenever "Show A&ll" or the font
// changes; the character table pages only through the subranges listed here.
struct SubrangeViews {
    // lvRange: listed subranges in table order (never sorted by name; FindSubrangeStart relies
    // on it). Item id the first code point, text the name, last the last one, bit the signature
    // bit, check the "Check" icon. column_width follows view_width and the widest listed name.
    ListViewModel list;
    // cbRange: names in case-insensitive order, each with its item's id; "<undefined>" never
    // enters.
    ComboModel combo;
    // Sum of (last - first + 1) over the listed subranges: 65,424 when all are listed.
    long listed_count = 0;
    // Maximum of the character table's scroll bar: the index of the last listed table row,
    // -1 when nothing is listed.
    int scroll_max = -1;
};

// Extra room beside the widest name in the Subranges list's column, in pixels.
inline constexpr int kSubrangeColumnPadding = 12;

// Rebuilds both views, the listed count and the scroll maximum from the subrange table. With
// show_all every row is listed; otherwise only rows whose bit the coverage string covers. The
// list's view_width is kept (the window sets it); the column is made at least that wide.
void FillSubranges(SubrangeViews& views, bool show_all, std::string_view coverage,
                   const TextMeasure& measure);

// Lists one row at the end of the views if the filter lets it through: one step of
// FillSubranges, which calls it once per row in table order.
void AddSubrange(SubrangeViews& views, const Subrange& row, bool show_all,
                 std::string_view coverage, const TextMeasure& measure);

// The scroll maximum for a listed count: listed / 16 - 1, at most 32767.
int ScrollMaximum(long listed_count);

// The first code point of the listed subrange holding cp. A code point before the first listed
// subrange gives the first one, one after the last gives the last one; a code point in a gap
// between listed subranges, or an empty list, gives 0.
long FindSubrangeStart(const ListViewModel& list, long cp);

}  // namespace glyphora

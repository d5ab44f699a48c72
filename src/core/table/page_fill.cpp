// Paging of the character table: which code points a page shows, the row and page movements and
// the scroll bar that follows them.
#include <algorithm>
#include <cstdio>

#include "table/main_window_model.h"
#include "unicode/name_table.h"

namespace glyphora {

namespace {

// a / b rounded to the nearest whole number, halves to even (b > 0, a >= 0).
long long RoundHalfEven(long long a, long long b) {
    const long long q = a / b;
    const long long r = a % b;
    if (2 * r > b || (2 * r == b && (q % 2) != 0)) return q + 1;
    return q;
}

// The copy of the empty-cell pattern a cell in this paint state shows.
int EmptyPatternFor(PaintState state) { return state == PaintState::SelectedInactive ? 1 : 0; }

std::string RowLabel(long row) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%03lX", row & 0xFFF);
    return buf;
}

}  // namespace

MainWindowModel::MainWindowModel(Services services)
    : services_(services),
      search_(search_link_, services.names),
      copy_({services.names, services.clipboard,
             [this](std::u16string text) { message_panel_ = std::move(text); }},
            update_busy_),
      picture_(search_.Filter(), copy_, update_busy_, picture_max_size_) {
    for (auto& cell : cells_) cell.pattern = 0;
}

std::optional<SearchHost::Span> MainWindowModel::SearchLink::ListedSpan() const {
    if (window_.ItemCount() == 0) return std::nullopt;
    return Span{window_.First(0), window_.Last(window_.ItemCount() - 1)};
}

long MainWindowModel::First(std::size_t k) const { return item_first_[k]; }

long MainWindowModel::Last(std::size_t k) const { return subranges_.list.items[k].tag; }

std::optional<std::size_t> MainWindowModel::ItemByStart(long start) const {
    const auto it = std::lower_bound(item_first_.begin(), item_first_.end(), start);
    if (it == item_first_.end() || *it != start) return std::nullopt;
    return static_cast<std::size_t>(it - item_first_.begin());
}

std::optional<std::size_t> MainWindowModel::ItemHolding(long cp) const {
    // The listed subrange holding cp, else the next one after it, else the last one.
    if (item_first_.empty()) return std::nullopt;
    for (std::size_t k = 0; k < ItemCount(); ++k)
        if (cp <= Last(k)) return k;
    return ItemCount() - 1;
}

void MainWindowModel::RebuildItemIndex() {
    item_first_.clear();
    item_first_.reserve(ItemCount());
    for (const auto& item : subranges_.list.items)
        item_first_.push_back(KeyNumber(item.key).value_or(0));
}

bool MainWindowModel::PageIsFull() const { return !row_labels_[kRows - 1].empty(); }

long MainWindowModel::PageEndCodePoint() const {
    for (int row = kRows - 1; row >= 0; --row)
        if (!row_labels_[row].empty()) return cells_[row * 16 + 15].code_point;
    return -1;
}

bool MainWindowModel::HasGlyph(long cp) const { return glyphora::HasGlyph(glyph_ranges_, cp); }

void MainWindowModel::ClearPage() {
    view_caption_.clear();
    hex_panel_.clear();
    name_panel_.clear();
    type_.type_text.clear();
    row_labels_.fill({});
    separators_.fill(false);
    for (int i = 0; i < kCells; ++i) {
        Cell& cell = cells_[i];
        cell.code_point = 0;
        cell.caption.clear();
        cell.pattern = -1;
        MarkDirty(i);
    }
}

void MainWindowModel::FillPage(long cp) {
    ClearPage();
    const long old = cells_[current_cell_].code_point;
    long start = (cp / 16) * 16;

    // The page's subrange: the current one when it holds the start (the normal case); anything
    // else is a request the list cannot serve as asked, so take the nearest listed subrange.
    std::optional<std::size_t> k0 = ItemByStart(current_subrange_start_);
    if (k0 && (start < First(*k0) || start > Last(*k0))) k0 = ItemHolding(start);
    if (!k0) k0 = ItemHolding(start);
    if (!k0) {
        // Nothing listed: an empty, quiet table.
        for (int i = 0; i < kCells; ++i) cells_[i].pattern = 0;
        return;
    }
    if (start < First(*k0)) start = First(*k0);

    long total = 0;
    for (std::size_t k = *k0; k < ItemCount() && total < kCells; ++k) {
        const long f = k == *k0 ? start : First(k);
        total += Last(k) - f + 1;
    }
    if (total < kCells) {
        // Too few listed code points follow: end the page with the last one instead.
        PaintCell(current_cell_, PaintState::Normal);
        current_cell_ = static_cast<int>(kCells - total);
        start = PageBack(*k0, start - 1, kCells - total, false);
        ++update_busy_;
        scroll_.value = scroll_.max;
        last_scroll_value_ = scroll_.value;
        --update_busy_;
        k0 = ItemHolding(start);
    }

    const int row = FillRows(*k0, start);
    // Rows the page leaves unfilled show the pattern too.
    for (int i = (row + 1) * 16; i < kCells; ++i)
        cells_[i].pattern = EmptyPatternFor(cells_[i].state);

    SelectCell(current_cell_);
    if (cells_[current_cell_].code_point != old && !keep_search_text_) ClearSearchBoxes();
}

// Fills the page's rows from `start` in listed subrange k0 on, a separator after each
// subrange that ends inside the page; returns the last row filled (-1: none).
int MainWindowModel::FillRows(std::size_t k0, long start) {
    int row = -1;
    for (std::size_t k = k0; k < ItemCount() && row < kRows - 1; ++k) {
        const long f = k == k0 ? start : First(k);
        const long rows = (Last(k) - f + 1) / 16;
        for (long j = 0; j < rows; ++j) {
            ++row;
            row_labels_[row] = RowLabel(f / 16 + j);
            for (int c = 0; c < 16; ++c) {
                const long x = f + j * 16 + c;
                FillCell(row * 16 + c, x, First(k) <= x);
            }
            if (row >= kRows - 1) break;
        }
        if (row >= 0 && row < kRows - 1) separators_[row] = true;
    }
    return row;
}

// One cell: its code point, and the character or, for an undefined code point, one without a
// glyph or one before its subrange's start, a space over the empty-cell pattern.
void MainWindowModel::FillCell(int i, long x, bool in_subrange) {
    Cell& cell = cells_[i];
    cell.code_point = x;
    // The caption alone cannot tell U+0020, a character like any other, from the space an
    // undefined or glyphless code point shows over the pattern.
    bool shown = false;
    if (services_.names && services_.names->CharName(x) == "Undefined") {
        cell.caption.assign(1, u' ');
    } else if (HasGlyph(x)) {
        if (in_subrange && x <= 0xFFFF) {
            cell.caption.assign(1, static_cast<char16_t>(x));
            shown = true;
        }
    } else {
        cell.caption.assign(1, u' ');
    }
    cell.pattern = shown ? -1 : EmptyPatternFor(cell.state);
}

long MainWindowModel::PageBack(std::size_t item, long from, long count, bool fill) {
    if (item >= ItemCount()) return 0;
    if (from == 0) from = Last(item);
    long acc = 0;
    long f = First(item);
    std::size_t visited = item;
    for (std::size_t k = item + 1; k-- > 0;) {
        visited = k;
        f = First(k);
        const long l = k == item ? from : Last(k);
        acc += std::max(0L, l - f + 1);
        if (acc >= count) break;
    }
    const bool ran_out = acc < count;
    // Running out of listed code points starts the page at the first listed one: clamping at 0
    // would show the rows of unlisted subranges before it.
    const long result = ran_out ? f : acc + f - count;
    if (fill) {
        SetCurrentSubrange(visited);
        FillPage(result);
    }
    if (ran_out) {
        if (fill) {
            SelectCell(current_cell_ % 16);
        } else {
            PaintCell(current_cell_, PaintState::Normal);
            current_cell_ %= 16;
        }
    }
    return result;
}

bool MainWindowModel::ScrollRowUp() {
    if (ItemCount() == 0 || row_labels_[0].empty()) return false;
    const long first = cells_[0].code_point;
    const long s = FindSubrangeStart(subranges_.list, first);
    const auto item = ItemByStart(s);
    if (!item) return false;
    if (first > s) {
        FillPage(first - 16);
        return true;
    }
    if (*item > 0) {
        const std::size_t p = *item - 1;
        SetCurrentSubrange(p);
        FillPage(Last(p) - 15);
        return true;
    }
    return false;
}

bool MainWindowModel::ScrollRowDown() {
    if (ItemCount() == 0 || !PageIsFull()) return false;
    if (cells_[255].code_point >= Last(ItemCount() - 1)) return false;
    const long x = cells_[16].code_point;
    const long s = FindSubrangeStart(subranges_.list, x);
    if (s != current_subrange_start_) {
        if (const auto item = ItemByStart(s)) SetCurrentSubrange(*item);
    }
    FillPage(x);
    return true;
}

void MainWindowModel::PageDown() {
    if (ItemCount() == 0 || !PageIsFull()) return;
    const long x = cells_[255].code_point;
    const long s = FindSubrangeStart(subranges_.list, x);
    const auto item = ItemByStart(s);
    if (!item) return;
    if (Last(*item) > x) {
        if (s != current_subrange_start_) SetCurrentSubrange(*item);
        FillPage(x + 1);
    } else if (*item + 1 < ItemCount()) {
        const std::size_t next = *item + 1;
        SetCurrentSubrange(next);
        FillPage(First(next));
    }
}

bool MainWindowModel::PageUp() {
    if (ItemCount() == 0 || row_labels_[0].empty()) return false;
    // The walk starts in the subrange of the page's first code point: the selected list item
    // follows the selected cell, which may lie in a later subrange of the same page.
    const long first = cells_[0].code_point;
    const auto item = ItemByStart(FindSubrangeStart(subranges_.list, first));
    if (!item) return false;
    PageBack(*item, first - 1, kCells, true);
    return true;
}

void MainWindowModel::SetCurrentSubrange(std::size_t item) {
    if (item >= ItemCount()) return;
    current_subrange_start_ = First(item);
    range_item_to_show_ = item;
    RefreshFontIcons(subranges_.list.items[item].sub_item);
    subranges_.list.selected = item;
    // Keep the compact mode's combo box on the same subrange.
    subranges_.combo.selected.reset();
    for (std::size_t e = 0; e < subranges_.combo.entries.size(); ++e)
        if (subranges_.combo.entries[e].key == subranges_.list.items[item].key)
            subranges_.combo.selected = e;
}

void MainWindowModel::RefreshFontIcons(int bit) {
    for (std::size_t i = 0; i < font_list_.items.size(); ++i) {
        const std::string& coverage = font_coverage_[i];
        font_list_.items[i].check =
            bit >= 0 && static_cast<std::size_t>(bit) < coverage.size() && coverage[bit] == '1';
    }
}

void MainWindowModel::SyncScrollBar(long cp) {
    const long s = FindSubrangeStart(subranges_.list, cp);
    const auto item = ItemByStart(s);
    const long listed = subranges_.listed_count;
    if (!item || listed <= 0) return;
    long before = 0;
    for (std::size_t k = 0; k < *item; ++k) before += Last(k) - First(k) + 1;
    const long pos = std::clamp(before + cp - s + 1, 1L, listed);

    ++update_busy_;
    // The position as a fixed-point number with four decimals, then to a whole row.
    const long long max = std::max(scroll_.max, 0);
    long long ten_thousandths = RoundHalfEven((max + 1) * pos * 10000LL, listed);
    ten_thousandths = std::min(ten_thousandths, max * 10000LL);
    scroll_.value = static_cast<int>(std::max(0LL, RoundHalfEven(ten_thousandths, 10000)));
    AdjustScrollEnds();
    --update_busy_;
}

void MainWindowModel::AdjustScrollEnds() {
    const int step =
        static_cast<int>(RoundHalfEven(std::max(scroll_.max, 0), scroll_track_pixels_));
    if (ItemCount() > 0 && !row_labels_[0].empty()) {
        if (scroll_.value == 0 && First(0) < cells_[0].code_point) {
            scroll_.value = step;
        } else if (scroll_.value == scroll_.max && Last(ItemCount() - 1) > PageEndCodePoint()) {
            scroll_.value = std::max(0, scroll_.max - step);
        }
    }
    last_scroll_value_ = scroll_.value;
}

void MainWindowModel::ScrollBarScroll() { last_scroll_value_ = -1; }

void MainWindowModel::ScrollBarChange(int value) {
    scroll_.value = std::clamp(value, 0, std::max(scroll_.max, 0));
    if (update_busy_ > 0) return;
    ++update_busy_;
    const long before_move = cells_[0].code_point;
    bool selected = false;
    if (last_scroll_value_ >= 0) {
        const long delta = scroll_.value - last_scroll_value_;
        if (delta == ScrollBarState::kSmallChange) {
            // Keep the selection on the same character when it stays on the page.
            if (ScrollRowDown() && current_cell_ >= 16) {
                --update_busy_;
                SelectCell(current_cell_ - 16);
                ++update_busy_;
                selected = true;
            }
        } else if (delta == -ScrollBarState::kSmallChange) {
            if (ScrollRowUp() && current_cell_ < kCells - 16) {
                --update_busy_;
                SelectCell(current_cell_ + 16);
                ++update_busy_;
                selected = true;
            }
        } else if (delta >= 2 && delta <= ScrollBarState::kLargeChange) {
            PageDown();
        } else if (delta <= -2 && delta >= -ScrollBarState::kLargeChange) {
            PageUp();
        }
    } else if (ItemCount() > 0) {
        FillPageAtThumb();
    }
    // The page fills above ran while selection was held off: show the new current character.
    // A page up at the top fills the same page again, which leaves the panels empty too.
    if (!selected &&
        (cells_[0].code_point != before_move || (hex_panel_.empty() && ItemCount() > 0))) {
        --update_busy_;
        SelectCell(current_cell_);
        ++update_busy_;
    }
    AdjustScrollEnds();
    --update_busy_;
}

// Fills the page the thumb's place stands for: the listed code point as far into the listed
// ones as the value is into the bar.
void MainWindowModel::FillPageAtThumb() {
    const long listed = subranges_.listed_count;
    const long pos = scroll_.max > 0
                         ? static_cast<long>(RoundHalfEven(
                               static_cast<long long>(scroll_.value) * listed, scroll_.max))
                         : 0;
    std::size_t item = ItemCount() - 1;
    long before = 0;
    long sum = 0;
    bool found = false;
    for (std::size_t k = 0; k < ItemCount(); ++k) {
        const long size = Last(k) - First(k) + 1;
        if (sum + size > pos) {
            item = k;
            before = sum;
            found = true;
            break;
        }
        sum += size;
    }
    if (!found) before = sum;
    SetCurrentSubrange(item);
    FillPage(pos + First(item) - before);
}

void MainWindowModel::PaintCell(int i, PaintState state) {
    if (i < 0 || i >= kCells) return;
    Cell& cell = cells_[i];
    cell.state = state;
    if (cell.pattern >= 0) cell.pattern = EmptyPatternFor(state);
    MarkDirty(i);
}

void MainWindowModel::ClearSearchBoxes() {
    requested_code_point_ = 0;
    search_.ClearBoxes();
}

}  // namespace glyphora

// Paging of the character table: which code points a page shows, the row and page movements and
// the scroll bar that follows them.
#include <algorithm>

#include "table/main_window_model.h"
#include "unicode/name_table.h"

namespace glyphora {

MainWindowModel::MainWindowModel(Services services)
    : services_(services),
      status_({services.names, services.classifier, services.measure, services.metrics}),
      search_(search_link_, services.names),
      copy_({services.names, services.clipboard,
             [this](std::u16string text) { status_.SetMessage(std::move(text)); }},
            update_busy_),
      picture_(search_.Filter(), copy_, update_busy_, fonts_.PictureMaxSize()) {}

std::optional<SearchHost::Span> MainWindowModel::SearchLink::ListedSpan() const {
    const SubrangeList& list = window_.subranges_;
    if (list.Count() == 0) return std::nullopt;
    return Span{list.First(0), list.Last(list.Count() - 1)};
}

void MainWindowModel::ClearPage() {
    status_.Clear();
    page_.Clear();
}

void MainWindowModel::FillPage(long cp) {
    ClearPage();
    const long old = page_.CurrentCodePoint();
    long start = (cp / 16) * 16;

    // The page's subrange: the current one when it holds the start (the normal case); anything
    // else is a request the list cannot serve as asked, so take the nearest listed subrange.
    std::optional<std::size_t> k0 = subranges_.ItemByStart(subranges_.CurrentStart());
    if (k0 && (start < First(*k0) || start > Last(*k0))) k0 = subranges_.ItemHolding(start);
    if (!k0) k0 = subranges_.ItemHolding(start);
    if (!k0) {
        // Nothing listed: an empty, quiet table.
        page_.ShowEmpty();
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
        page_.Paint(page_.Current(), PaintState::Normal);
        page_.SetCurrent(static_cast<int>(kCells - total));
        start = PageBack(*k0, start - 1, kCells - total, false);
        scroll_bar_.ToEnd();
        k0 = subranges_.ItemHolding(start);
    }

    const int row = FillRows(*k0, start);
    // Rows the page leaves unfilled show the pattern too.
    page_.ShowPatternFrom((row + 1) * 16);

    SelectCell(page_.Current());
    if (page_.CurrentCodePoint() != old && !keep_search_text_) ClearSearchBoxes();
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
            page_.LabelRow(row, f + j * 16);
            for (int c = 0; c < 16; ++c) {
                const long x = f + j * 16 + c;
                FillCell(row * 16 + c, x, First(k) <= x);
            }
            if (row >= kRows - 1) break;
        }
        if (row >= 0 && row < kRows - 1) page_.SetSeparator(row);
    }
    return row;
}

// One cell: its code point, and the character or, for an undefined code point, one without a
// glyph or one before its subrange's start, a space over the empty-cell pattern.
void MainWindowModel::FillCell(int i, long x, bool in_subrange) {
    // The caption alone cannot tell U+0020, a character like any other, from the space an
    // undefined or glyphless code point shows over the pattern.
    if (services_.names && services_.names->CharName(x) == "Undefined") {
        page_.FillCell(i, x, u" ", false);
    } else if (fonts_.HasGlyph(x)) {
        const bool shown = in_subrange && x <= 0xFFFF;
        page_.FillCell(i, x, shown ? std::u16string(1, static_cast<char16_t>(x)) : u"", shown);
    } else {
        page_.FillCell(i, x, u" ", false);
    }
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
            SelectCell(page_.Current() % 16);
        } else {
            page_.Paint(page_.Current(), PaintState::Normal);
            page_.SetCurrent(page_.Current() % 16);
        }
    }
    return result;
}

bool MainWindowModel::ScrollRowUp() {
    if (ItemCount() == 0 || !page_.Filled()) return false;
    const long first = page_.CodePointAt(0);
    const long s = subranges_.StartOf(first);
    const auto item = subranges_.ItemByStart(s);
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
    if (ItemCount() == 0 || !page_.Full()) return false;
    if (page_.CodePointAt(kCells - 1) >= Last(ItemCount() - 1)) return false;
    const long x = page_.CodePointAt(16);
    const long s = subranges_.StartOf(x);
    if (s != subranges_.CurrentStart()) {
        if (const auto item = subranges_.ItemByStart(s)) SetCurrentSubrange(*item);
    }
    FillPage(x);
    return true;
}

void MainWindowModel::PageDown() {
    if (ItemCount() == 0 || !page_.Full()) return;
    const long x = page_.CodePointAt(kCells - 1);
    const long s = subranges_.StartOf(x);
    const auto item = subranges_.ItemByStart(s);
    if (!item) return;
    if (Last(*item) > x) {
        if (s != subranges_.CurrentStart()) SetCurrentSubrange(*item);
        FillPage(x + 1);
    } else if (*item + 1 < ItemCount()) {
        const std::size_t next = *item + 1;
        SetCurrentSubrange(next);
        FillPage(First(next));
    }
}

bool MainWindowModel::PageUp() {
    if (ItemCount() == 0 || !page_.Filled()) return false;
    // The walk starts in the subrange of the page's first code point: the selected list item
    // follows the selected cell, which may lie in a later subrange of the same page.
    const long first = page_.CodePointAt(0);
    const auto item = subranges_.ItemByStart(subranges_.StartOf(first));
    if (!item) return false;
    PageBack(*item, first - 1, kCells, true);
    return true;
}

void MainWindowModel::SetCurrentSubrange(std::size_t item) {
    if (item >= ItemCount()) return;
    subranges_.Select(item);
    fonts_.ShowCoverageIcons(subranges_.Views().list.items[item].bit);
}

void MainWindowModel::SyncScrollBar(long cp) {
    const long s = subranges_.StartOf(cp);
    const auto item = subranges_.ItemByStart(s);
    const long listed = subranges_.ListedCount();
    if (!item || listed <= 0) return;
    const long place = std::clamp(subranges_.ListedBefore(*item) + cp - s + 1, 1L, listed);
    ++update_busy_;
    scroll_bar_.ShowPlace(place, listed);
    AdjustScrollEnds();
    --update_busy_;
}

void MainWindowModel::AdjustScrollEnds() {
    const int step = scroll_bar_.EndStep();
    if (ItemCount() > 0 && page_.Filled()) {
        if (scroll_bar_.Value() == 0 && First(0) < page_.CodePointAt(0)) {
            scroll_bar_.SetValue(step);
        } else if (scroll_bar_.Value() == scroll_bar_.Max() &&
                   Last(ItemCount() - 1) > page_.EndCodePoint()) {
            scroll_bar_.SetValue(std::max(0, scroll_bar_.Max() - step));
        }
    }
    scroll_bar_.Settle();
}

void MainWindowModel::ScrollBarChange(int value) {
    scroll_bar_.SetValue(value);
    if (update_busy_ > 0) return;
    ++update_busy_;
    const long before_move = page_.CodePointAt(0);
    bool selected = false;
    if (!scroll_bar_.Dragging()) {
        const long delta = scroll_bar_.Step();
        if (delta == ScrollBarState::kSmallChange) {
            // Keep the selection on the same character when it stays on the page.
            if (ScrollRowDown() && page_.Current() >= 16) {
                --update_busy_;
                SelectCell(page_.Current() - 16);
                ++update_busy_;
                selected = true;
            }
        } else if (delta == -ScrollBarState::kSmallChange) {
            if (ScrollRowUp() && page_.Current() < kCells - 16) {
                --update_busy_;
                SelectCell(page_.Current() + 16);
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
        (page_.CodePointAt(0) != before_move || (status_.HexPanel().empty() && ItemCount() > 0))) {
        --update_busy_;
        SelectCell(page_.Current());
        ++update_busy_;
    }
    AdjustScrollEnds();
    --update_busy_;
}

// Fills the page the thumb's place stands for: the listed code point as far into the listed
// ones as the value is into the bar.
void MainWindowModel::FillPageAtThumb() {
    const long place = scroll_bar_.PlaceAtValue(subranges_.ListedCount());
    std::size_t item = ItemCount() - 1;
    long before = 0;
    long sum = 0;
    bool found = false;
    for (std::size_t k = 0; k < ItemCount(); ++k) {
        const long size = Last(k) - First(k) + 1;
        if (sum + size > place) {
            item = k;
            before = sum;
            found = true;
            break;
        }
        sum += size;
    }
    if (!found) before = sum;
    SetCurrentSubrange(item);
    FillPage(place + First(item) - before);
}

void MainWindowModel::ClearSearchBoxes() {
    requested_code_point_ = 0;
    search_.ClearBoxes();
}

}  // namespace glyphora

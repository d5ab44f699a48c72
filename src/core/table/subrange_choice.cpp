// Choosing a subrange, a code point or a font: the handlers that move the whole table.
#include <algorithm>
#include <cmath>

#include "base/scale.h"
#include "base/text.h"
#include "table/main_window_model.h"

namespace glyphora {

namespace {

// Sets a flag for the duration of a scope and puts back what it was.
class FlagScope {
public:
    explicit FlagScope(bool& flag) : flag_(flag), previous_(flag) { flag_ = true; }
    ~FlagScope() { flag_ = previous_; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

private:
    bool& flag_;
    bool previous_;
};

}  // namespace

void MainWindowModel::ChooseSubrange(std::size_t item) {
    if (item >= ItemCount()) return;
    page_.Paint(page_.Current(), PaintState::Normal);
    page_.SetCurrent(0);
    SetCurrentSubrange(item);
    SyncScrollBar(First(item));
    {
        FlagScope quiet(quiet_select_);
        FillPage(subranges_.CurrentStart());
    }
    // The focus stays in the list, so the selection is drawn inactive.
    page_.Paint(page_.Current(), PaintState::SelectedInactive);
}

void MainWindowModel::ShowAllChanged() {
    if (update_busy_ > 0) return;
    subranges_.Refill(fonts_.Coverage(), *services_.measure);
    scroll_bar_.SetMax(subranges_.Views().scroll_max);

    if (ItemCount() == 0) {
        // The font covers nothing that can be listed: an empty table, nothing current.
        FillPage(0);
        scroll_bar_.ToTop();
        return;
    }
    const long s = subranges_.StartOf(subranges_.CurrentStart());
    std::optional<std::size_t> item = subranges_.ItemByStart(s);
    // A start in a gap gives 0, which may not be listed: take the nearest listed subrange.
    if (!item) item = subranges_.ItemHolding(subranges_.CurrentStart());
    subranges_.SetCurrentStart(First(*item));

    const long first = page_.CodePointAt(0);
    const bool page_filled = page_.Filled();
    const int keep = page_.Current();
    ChooseSubrange(*item);
    if (page_filled && First(*item) <= first && first <= Last(*item)) {
        {
            FlagScope quiet(quiet_select_);
            FillPage(first);
        }
        SelectCell(keep);
    }
    if (!quiet_select_) RequestFocus(FocusTarget::RangeList);
}

void MainWindowModel::SetShowAll(bool on) {
    subranges_.SetShowAll(on);
    ShowAllChanged();
}

void MainWindowModel::ComboSubrangeChosen(std::size_t entry) {
    if (const auto item = subranges_.ItemForComboEntry(entry)) ChooseSubrange(*item);
}

void MainWindowModel::NotSupportedMessage(long cp) {
    status_.SetMessage(Utf8ToUtf16("Character " + Hex4(cp) + " not supported by selected font."));
}

bool MainWindowModel::GoToCodePoint(long cp) {
    requested_code_point_ = cp;
    const long requested = cp;
    if (ItemCount() == 0) {
        NotSupportedMessage(requested);
        return false;
    }
    // The list is in ascending order, so a forward jump can start at the current subrange.
    const auto& selected = subranges_.Views().list.selected;
    std::size_t from = 0;
    if (page_.CurrentCodePoint() < cp && selected && *selected < ItemCount()) from = *selected;

    bool found = false;
    std::size_t target = ItemCount() - 1;
    for (std::size_t k = from; k < ItemCount(); ++k) {
        if (First(k) <= cp && cp <= Last(k)) {
            found = true;
            target = k;
            break;
        }
        if (cp < First(k)) {
            target = k == 0 ? 0 : k - 1;
            break;
        }
    }
    if (!found) cp = Last(target);

    {
        FlagScope keep(keep_search_text_);
        ChooseSubrange(target);
        FillPage(cp);
        SelectCell(page_.Current() + static_cast<int>(cp % 16));
        // The thumb follows the character, as it does for the keys.
        SyncScrollBar(cp);
    }
    if (found) return true;
    NotSupportedMessage(requested);
    return false;
}

void MainWindowModel::LoadFonts() { fonts_.Load(services_.fonts, *services_.measure); }

// The largest size at which the view's character cell fits the view.
void MainWindowModel::FitPictureSize() {
    GlyphMetrics& metrics = *services_.metrics;
    metrics.SetFamily(fonts_.Family());
    const ViewTextMetrics current = metrics.Metrics(0);
    int size = ScaleRounded(metrics.ViewInnerHeight(), 72, metrics.DotsPerInchY());
    size = ScaleRounded(size, current.height, current.height + current.internal_leading);
    // The widest glyph must fit the view's width as well. (Measured against the line height
    // with its leading, which is taller than the square view, the widest glyphs of a wide
    // font overflowed on both sides.)
    const int width = metrics.ViewInnerWidth();
    if (const int widest = metrics.Metrics(size).max_char_width; widest > width) {
        const int tallest = size;
        size = size * width / widest;
        // The estimate in whole points and pixels, corrected to the largest size that fits.
        while (size > 1 && metrics.Metrics(size).max_char_width > width) --size;
        while (size < tallest && metrics.Metrics(size + 1).max_char_width <= width) ++size;
    }
    fonts_.SetPictureMaxSize(std::max(size, 1));
}

void MainWindowModel::SelectFont(std::optional<std::size_t> item) {
    if (!item || !services_.fonts) return;
    // Whether the font covers the current subrange, as its list icon said before the choice.
    const bool covers_current =
        *item < fonts_.Items().items.size() && fonts_.Items().items[*item].check;
    if (!fonts_.Choose(*item, *services_.fonts)) return;
    copy_.SetRtfFontFamily(Utf16ToUtf8(fonts_.Family()));
    if (services_.metrics) FitPictureSize();
    picture_.ApplyPictureSettings();

    const long first = page_.CodePointAt(0);
    const bool page_filled = page_.Filled();
    const int keep = covers_current || subranges_.ShowAll() ? page_.Current() : -1;
    {
        FlagScope quiet(quiet_select_);
        ShowAllChanged();
    }
    const auto current = subranges_.ItemByStart(subranges_.CurrentStart());
    if (keep >= 0 && page_filled && current && First(*current) <= first &&
        first <= Last(*current)) {
        {
            FlagScope quiet(quiet_select_);
            FillPage(first);
        }
        SelectCell(keep);
    }
    RequestFocus(FocusTarget::FontList);
}

}  // namespace glyphora

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
    PaintCell(current_cell_, PaintState::Normal);
    current_cell_ = 0;
    SetCurrentSubrange(item);
    SyncScrollBar(First(item));
    {
        FlagScope quiet(quiet_select_);
        FillPage(current_subrange_start_);
    }
    // The focus stays in the list, so the selection is drawn inactive.
    PaintCell(current_cell_, PaintState::SelectedInactive);
}

void MainWindowModel::ShowAllChanged() {
    if (update_busy_ > 0) return;
    FillSubranges(subranges_, show_all_, coverage_, *services_.measure);
    RebuildItemIndex();
    scroll_.max = subranges_.scroll_max;
    scroll_.value = std::clamp(scroll_.value, 0, std::max(scroll_.max, 0));

    if (ItemCount() == 0) {
        // The font covers nothing that can be listed: an empty table, nothing current.
        FillPage(0);
        scroll_.value = 0;
        last_scroll_value_ = 0;
        return;
    }
    const long s = FindSubrangeStart(subranges_.list, current_subrange_start_);
    std::optional<std::size_t> item = ItemByStart(s);
    // A start in a gap gives 0, which may not be listed: take the nearest listed subrange.
    if (!item) item = ItemHolding(current_subrange_start_);
    current_subrange_start_ = First(*item);

    const long first = cells_[0].code_point;
    const bool page_filled = !row_labels_[0].empty();
    const int keep = current_cell_;
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
    show_all_ = on;
    ShowAllChanged();
}

void MainWindowModel::ComboSubrangeChosen(std::size_t entry) {
    if (entry >= subranges_.combo.entries.size()) return;
    const ComboEntry& chosen = subranges_.combo.entries[entry];
    const auto& list = subranges_.list;
    if (list.selected && *list.selected < list.items.size() &&
        list.items[*list.selected].text == chosen.text)
        return;
    if (const auto item = list.FindKey(chosen.key)) ChooseSubrange(*item);
}

bool MainWindowModel::GoToCodePoint(long cp) {
    requested_code_point_ = cp;
    const long requested = cp;
    if (ItemCount() == 0) {
        message_panel_ =
            Utf8ToUtf16("Character " + Hex4(requested) + " not supported by selected font.");
        return false;
    }
    // The list is in ascending order, so a forward jump can start at the current subrange.
    std::size_t from = 0;
    if (CurrentCodePoint() < cp && subranges_.list.selected &&
        *subranges_.list.selected < ItemCount())
        from = *subranges_.list.selected;

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
        SelectCell(current_cell_ + static_cast<int>(cp % 16));
        // The thumb follows the character, as it does for the keys.
        SyncScrollBar(cp);
    }
    if (found) return true;
    message_panel_ =
        Utf8ToUtf16("Character " + Hex4(requested) + " not supported by selected font.");
    return false;
}

void MainWindowModel::LoadFonts() {
    const int view_width = font_list_.view_width;
    font_list_ = ListViewModel{};
    font_list_.view_width = view_width;
    font_coverage_.clear();
    if (!services_.fonts) return;
    font_list_ = services_.fonts->BuildFontList(*services_.measure, view_width);
    font_coverage_.reserve(font_list_.items.size());
    for (const auto& item : font_list_.items) {
        const auto description = services_.fonts->Describe(item.key);
        font_coverage_.push_back(description ? description->coverage : std::string());
    }
}

std::optional<std::size_t> MainWindowModel::FontItemByName(const std::u16string& name) const {
    return font_list_.FindText(name);
}

void MainWindowModel::SelectFont(std::optional<std::size_t> item) {
    if (!item || *item >= font_list_.items.size() || !services_.fonts) return;
    const ListItem& font = font_list_.items[*item];
    const auto description = services_.fonts->Describe(font.key);
    if (!description) return;

    font_list_.selected = *item;
    properties_target_ = description->file_exists ? description->file_path : std::string();
    font_family_ = font.text;
    copy_.SetRtfFontFamily(Utf16ToUtf8(font_family_));

    if (services_.metrics) {
        // The largest size at which the view's character cell fits the view.
        GlyphMetrics& metrics = *services_.metrics;
        metrics.SetFamily(font_family_);
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
        picture_max_size_ = std::max(size, 1);
    }
    picture_.ApplyPictureSettings();

    const long first = cells_[0].code_point;
    const bool page_filled = !row_labels_[0].empty();
    int keep = current_cell_;
    if (!font.check && !show_all_) keep = -1;

    coverage_ = description->coverage;
    glyph_ranges_ = services_.fonts->Ranges(font.key);
    {
        FlagScope quiet(quiet_select_);
        ShowAllChanged();
    }
    const auto current = ItemByStart(current_subrange_start_);
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

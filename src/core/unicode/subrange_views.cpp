#include "unicode/subrange_views.h"

#include <algorithm>

#include "base/text.h"

namespace glyphora {

namespace {

constexpr std::string_view kUndefinedName = "<undefined>";
// The scroll bar takes 16-bit values.
constexpr long kScrollLimit = 32767;

}  // namespace

void FillSubranges(SubrangeViews& views, bool show_all, std::string_view coverage,
                   const TextMeasure& measure) {
    views.combo.Clear();
    views.list.Clear();
    views.list.column_width = views.list.view_width;
    views.listed_count = 0;
    for (const Subrange& row : SubrangeTable())
        AddSubrange(views, row, show_all, coverage, measure);
    views.scroll_max = ScrollMaximum(views.listed_count);
}

void AddSubrange(SubrangeViews& views, const Subrange& row, bool show_all,
                 std::string_view coverage, const TextMeasure& measure) {
    const bool covered = IsCovered(coverage, row.bit);
    if (!show_all && (row.bit < 0 || !covered)) return;

    const std::u16string name = Utf8ToUtf16(row.name);

    if (row.name != kUndefinedName) {
        // Insert before the first entry that does not sort below the name, so the combo box
        // stays in name order while rows arrive in code point order.
        auto& entries = views.combo.entries;
        const auto at = std::find_if(entries.begin(), entries.end(), [&](const ComboEntry& e) {
            return CompareNoCase(e.text, name) >= 0;
        });
        entries.insert(at, ComboEntry{name, row.first});
    }

    ListItem item;
    item.id = row.first;
    item.text = name;
    item.last = row.last;
    item.bit = row.bit;
    // Without "Show A&ll" every listed row passed the coverage filter, so all carry the icon.
    item.check = !show_all || (row.bit >= 0 && covered);
    views.list.items.push_back(std::move(item));

    views.listed_count += row.last - row.first + 1;

    const int needed = measure.TextWidth(name) + kSubrangeColumnPadding;
    views.list.column_width = std::max(views.list.column_width, needed);
}

int ScrollMaximum(long listed_count) {
    return static_cast<int>(std::min(listed_count / 16 - 1, kScrollLimit));
}

long FindSubrangeStart(const ListViewModel& list, long cp) {
    const std::size_t n = list.items.size();
    for (std::size_t i = 0; i < n; ++i) {
        const ListItem& item = list.items[i];
        const long first = item.id;
        const long last = item.last;
        if (i == 0 && cp < first) return first;
        if (i + 1 == n && cp > last) return first;
        if (first <= cp && cp <= last) return first;
        if (cp < first) break;  // in a gap between listed subranges
    }
    return 0;
}

}  // namespace glyphora

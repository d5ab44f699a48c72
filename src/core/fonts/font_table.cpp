#include "fonts/font_table.h"

#include <algorithm>
#include <string_view>

#include "base/text.h"
#include "fonts/coverage_string.h"

namespace glyphora {
namespace {

constexpr int kColumnPadding = 12;
constexpr int kListInnerMargin = 4;

// Names and file names end at the first zero byte, as the platform's text fields do.
std::string_view UpToNul(std::string_view text) { return text.substr(0, text.find('\0')); }

// Case-insensitive order, exact order among names that differ only in case, so the list's order
// never depends on the order of the reports.
bool ListsBefore(const std::u16string& a, const std::u16string& b) {
    const int folded = CompareNoCase(a, b);
    return folded != 0 ? folded < 0 : a < b;
}

}  // namespace

void FontTable::LoadInstalledFonts(const FontSource& source) {
    const auto entries = source.InstalledFonts();
    if (!entries) return;
    records_.assign(1, FontRecord{});
    for (const InstalledFontEntry& entry : *entries) {
        if (entry.kind != FontKind::Outline) continue;
        const std::string file_name(TrimSpaces(UpToNul(entry.file_name)));
        for (const std::string& face : entry.face_names)
            records_.push_back(FontRecord{entry.kind, std::string(UpToNul(face)), file_name, {}});
    }
}

bool FontTable::AddEnumeratedFont(const EnumeratedFace& face, ListViewModel& list,
                                  const TextMeasure& measure) {
    if (face.kind != FontKind::Outline) return true;

    const std::string_view family = UpToNul(face.face_name);
    const std::string_view full = UpToNul(face.full_name);
    std::size_t match = 0;
    std::size_t same_family = 0;
    for (std::size_t i = 1; i < records_.size(); ++i) {
        if (records_[i].face_name == full) {
            match = i;
            break;
        }
        if (records_[i].face_name == family) same_family = i;
    }
    if (match == 0) {
        if (same_family == 0 || !records_[same_family].coverage.empty()) return true;
        match = same_family;
    }

    // Every report of one face carries the same signature; keeping the first coverage a record
    // received means a later report of another face with the same full name cannot change what
    // an already listed family shows.
    FontRecord& record = records_[match];
    if (record.coverage.empty()) record.coverage = CoverageString(face.unicode_subset);

    const std::u16string text = Utf8ToUtf16(family);
    if (list.FindText(text)) return true;
    const auto at = std::upper_bound(
        list.items.begin(), list.items.end(), text,
        [](const std::u16string& t, const ListItem& item) { return ListsBefore(t, item.text); });
    const auto position = static_cast<std::size_t>(at - list.items.begin());
    list.items.insert(at, ListItem{static_cast<long>(match), text});
    if (list.selected && *list.selected >= position) ++*list.selected;

    const int needed = measure.TextWidth(text) + kColumnPadding;
    if (list.column_width < needed) list.column_width = needed;
    return true;
}

const FontRecord* FontTable::Record(long index) const {
    if (index < 1 || static_cast<std::size_t>(index) >= records_.size()) return nullptr;
    return &records_[static_cast<std::size_t>(index)];
}

void BuildFontList(const FontSource& source, const TextMeasure& measure, FontTable& table,
                   ListViewModel& list) {
    list.Clear();
    list.column_width = std::max(list.column_width, list.view_width - kListInnerMargin);
    table.LoadInstalledFonts(source);
    for (const EnumeratedFace& face : source.EnumerateFaces())
        if (!table.AddEnumeratedFont(face, list, measure)) break;
}

}  // namespace glyphora

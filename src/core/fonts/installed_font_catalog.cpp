#include "fonts/installed_font_catalog.h"

#include <filesystem>
#include <system_error>

#include "base/text.h"
#include "fonts/font_choice.h"

namespace glyphora {

ListViewModel InstalledFontCatalog::BuildFontList(const TextMeasure& measure, int view_width) {
    ListViewModel list;
    list.view_width = view_width;
    glyphora::BuildFontList(source_, measure, table_, list);
    families_.clear();
    for (const ListItem& item : list.items) families_[item.id] = Utf16ToUtf8(item.text);
    return list;
}

std::optional<FontDescription> InstalledFontCatalog::Describe(long id) {
    const FontRecord* record = table_.Record(id);
    if (!record) return std::nullopt;
    FontDescription description;
    description.coverage = record->coverage;
    description.file_path = FontFilePath(source_.FontsFolder(), record->file_name);
    std::error_code ec;
    description.file_exists = std::filesystem::is_regular_file(description.file_path, ec);
    return description;
}

GlyphRanges InstalledFontCatalog::Ranges(long id) {
    const auto family = families_.find(id);
    if (family == families_.end()) return {};
    return source_.FamilyGlyphRanges(family->second);
}

}  // namespace glyphora

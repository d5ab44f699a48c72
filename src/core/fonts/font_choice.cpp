#include "fonts/font_choice.h"

#include <filesystem>
#include <system_error>

#include "base/text.h"

namespace glyphora {

std::string FontFilePath(const std::string& fonts_folder, const std::string& file_name) {
    // Installed-font lists name files outside the fonts folder by their full path; putting the
    // folder in front of those would name a file that does not exist.
    if (!file_name.empty() && file_name.front() == '/') return file_name;
    if (fonts_folder.empty() || fonts_folder.back() == '/') return fonts_folder + file_name;
    return fonts_folder + "/" + file_name;
}

std::optional<FontChoice> ChooseFontItem(const FontTable& table, const ListItem& item,
                                         const FontSource& source) {
    const FontRecord* record = table.Record(item.id);
    if (record == nullptr) return std::nullopt;

    FontChoice choice;
    choice.record_index = item.id;
    choice.family = Utf16ToUtf8(item.text);
    choice.record = *record;
    choice.file_path = FontFilePath(source.FontsFolder(), record->file_name);
    // An empty file name would name the folder itself, which is no font to show.
    std::error_code error;
    if (!record->file_name.empty() && std::filesystem::exists(choice.file_path, error))
        choice.properties_target = choice.file_path;
    choice.glyph_ranges = source.FamilyGlyphRanges(choice.family);
    return choice;
}

}  // namespace glyphora

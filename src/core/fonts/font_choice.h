#pragma once

#include <optional>
#include <string>

#include "base/list_model.h"
#include "fonts/font_source.h"
#include "fonts/font_table.h"
#include "fonts/glyph_ranges.h"

namespace glyphora {

// What choosing a font list item loads: the family, its record, the file the Properties button
// opens and the glyph ranges that decide which cells show a glyph.
struct FontChoice {
    long record_index = 0;
    std::string family;  // the item's text
    FontRecord record;   // face name, file name, coverage string
    // Fonts folder + file name (the file name alone when it is an absolute path).
    std::string file_path;
    // file_path when that file exists, else empty: the Properties button is enabled exactly
    // when this is not empty.
    std::string properties_target;
    GlyphRanges glyph_ranges;
};

// The full path of a record's file: absolute file names stand as they are, others are taken
// relative to the fonts folder.
std::string FontFilePath(const std::string& fonts_folder, const std::string& file_name);

// The choice for a font list item (id = record index); nullopt when the id names no record of the
// table.
std::optional<FontChoice> ChooseFontItem(const FontTable& table, const ListItem& item,
                                         const FontSource& source);

}  // namespace glyphora

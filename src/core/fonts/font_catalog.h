#pragma once

#include <optional>
#include <string>

#include "base/list_model.h"
#include "base/text_measure.h"
#include "fonts/glyph_ranges.h"

namespace glyphora {

// One installed family as the font list shows it.
struct FontDescription {
    std::string coverage;   // 128 "0"/"1"
    std::string file_path;  // the face's file, for the Properties button
    bool file_exists = false;
};

// The installed fonts: the font list built at start-up and what a chosen item brings.
class FontCatalog {
public:
    virtual ~FontCatalog() = default;
    // lvFont's items (id = the face's record in the font table, text = family), once at start-up.
    virtual ListViewModel BuildFontList(const TextMeasure& measure, int view_width) = 0;
    // The record behind an item's id; nullopt for an id that names no record.
    virtual std::optional<FontDescription> Describe(long id) = 0;
    virtual GlyphRanges Ranges(long id) = 0;
};

}  // namespace glyphora

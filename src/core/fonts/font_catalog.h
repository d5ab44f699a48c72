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
    // lvFont's items (key "D." + record index, text = family), once at start-up.
    virtual ListViewModel BuildFontList(const TextMeasure& measure, int view_width) = 0;
    // The record behind a key; nullopt for a key that names no record.
    virtual std::optional<FontDescription> Describe(const std::string& key) = 0;
    virtual GlyphRanges Ranges(const std::string& key) = 0;
};

}  // namespace glyphora

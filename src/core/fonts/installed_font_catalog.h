#pragma once

#include <map>
#include <string>

#include "fonts/font_catalog.h"
#include "fonts/font_source.h"
#include "fonts/font_table.h"

namespace glyphora {

// The font list of the main window over a font source: the font table built at start-up and, for
// a chosen item, its record, file and glyph ranges.
class InstalledFontCatalog final : public FontCatalog {
public:
    explicit InstalledFontCatalog(const FontSource& source) : source_(source) {}

    ListViewModel BuildFontList(const TextMeasure& measure, int view_width) override;
    std::optional<FontDescription> Describe(long id) override;
    GlyphRanges Ranges(long id) override;

    const FontTable& Table() const { return table_; }

private:
    const FontSource& source_;
    FontTable table_;
    // The family each item of the built list shows, by id: glyph ranges belong to the family,
    // while a record is named by the face's full name ("C059 Roman", "Noto Sans Regular").
    std::map<long, std::string> families_;
};

}  // namespace glyphora

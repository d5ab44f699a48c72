#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "base/list_model.h"
#include "base/text_measure.h"
#include "fonts/font_catalog.h"
#include "fonts/glyph_ranges.h"

namespace glyphora {

// The font list (lvFont) and the font chosen in it: the family, the subranges it covers, which
// code points have a glyph, and the file the Properties button opens.
class FontList {
public:
    const ListViewModel& Items() const { return list_; }
    std::optional<std::size_t> ItemByName(const std::u16string& name) const {
        return list_.FindText(name);
    }
    void SetViewWidth(int pixels) { list_.view_width = pixels; }

    const std::u16string& Family() const { return family_; }
    const std::string& Coverage() const { return coverage_; }
    const GlyphRanges& Glyphs() const { return glyph_ranges_; }
    bool HasGlyph(long cp) const { return glyphora::HasGlyph(glyph_ranges_, cp); }
    const std::string& PropertiesTarget() const { return properties_target_; }  // bbFont's file
    bool PropertiesEnabled() const { return !properties_target_.empty(); }
    // The largest picture size at which the chosen font's character fits the view (0: unknown).
    // A reference: the picture panel reads it whenever it checks a size.
    const int& PictureMaxSize() const { return picture_max_size_; }
    void SetPictureMaxSize(int size) { picture_max_size_ = size; }

    // Fills the list from the catalogue (once, at start-up); without one the list stays empty.
    void Load(FontCatalog* catalog, const TextMeasure& measure);
    // Makes item k the chosen font; false (nothing changes) for an item the catalogue does not
    // describe.
    bool Choose(std::size_t k, FontCatalog& catalog);
    // Ticks the fonts that cover signature bit `bit` (the current subrange's).
    void ShowCoverageIcons(int bit);

private:
    ListViewModel list_;
    std::vector<std::string> item_coverage_;  // per item
    std::u16string family_;
    std::string coverage_;
    GlyphRanges glyph_ranges_;
    std::string properties_target_;
    int picture_max_size_ = 0;
};

}  // namespace glyphora

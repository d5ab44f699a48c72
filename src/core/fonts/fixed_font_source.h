#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "fonts/font_source.h"

namespace glyphora {

// A font source that answers from plain data: the tests' stand-in for the installed fonts.
class FixedFontSource final : public FontSource {
public:
    // nullopt: the installed-font list cannot be read.
    std::optional<std::vector<InstalledFontEntry>> installed = std::vector<InstalledFontEntry>{};
    std::vector<EnumeratedFace> reports;
    std::map<std::string, GlyphRanges> glyph_ranges;  // by family; missing families: count -1
    std::string fonts_folder;

    std::optional<std::vector<InstalledFontEntry>> InstalledFonts() const override {
        return installed;
    }
    std::vector<EnumeratedFace> EnumerateFaces() const override { return reports; }
    GlyphRanges FamilyGlyphRanges(const std::string& family) const override {
        const auto it = glyph_ranges.find(family);
        return it == glyph_ranges.end() ? GlyphRanges{} : it->second;
    }
    std::string FontsFolder() const override { return fonts_folder; }
};

}  // namespace glyphora

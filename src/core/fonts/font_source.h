#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "fonts/glyph_ranges.h"

namespace glyphora {

// Kind of an installed-font entry, and font type of an enumerated face, that stands for an
// outline font with an OS/2 table (TrueType or CFF/OpenType). Only such fonts are listed.
inline constexpr int kTrueTypeKind = 4;
// Any other installed font (Type 1, bitmap): kept in the source's answers, skipped by the filter.
inline constexpr int kOtherFontKind = 1;

// One entry of the installed-font list: a font file and the faces it holds.
struct InstalledFontEntry {
    int kind = kOtherFontKind;
    // One face name, or several joined by " & " when one file holds several faces.
    std::string face_names;
    // As the list gives it: relative to the fonts folder, or an absolute path.
    std::string file_name;
};

// One report of the font enumeration: a family and the face that stands for it.
struct EnumeratedFace {
    std::string face_name;  // the family name
    std::string full_name;  // the full name of the reported face
    int type = kOtherFontKind;
    // The Unicode subset field of the face's signature (OS/2 ulUnicodeRange1..4), word 0 first.
    std::array<std::uint32_t, 4> unicode_subset{};
};

// Where the installed fonts come from. The window, the CLI and the tests all go through this, so
// that everything above it can run on a fixed list.
class FontSource {
public:
    virtual ~FontSource() = default;
    // The installed font files; nullopt when the list cannot be read at all.
    virtual std::optional<std::vector<InstalledFontEntry>> InstalledFonts() const = 0;
    // Every enumeration report, in order (a family may be reported more than once).
    virtual std::vector<EnumeratedFace> EnumerateFaces() const = 0;
    // The covered code points of the BMP of the face a font of this family name is drawn with;
    // range count -1 when they are unknown (the family is not installed, or has too many ranges).
    virtual GlyphRanges FamilyGlyphRanges(const std::string& family) const = 0;
    // The folder that relative file names are relative to, ending in "/"; may be empty.
    virtual std::string FontsFolder() const = 0;
};

}  // namespace glyphora

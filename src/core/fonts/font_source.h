#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "fonts/glyph_ranges.h"

namespace glyphora {

// What kind of font a file or a face is. Only outline fonts with an OS/2 table (TrueType or
// CFF/OpenType) are listed; any other (Type 1, bitmap) stays in the source's answers and is
// skipped by the font table.
enum class FontKind : std::uint8_t { Other, Outline };

// One entry of the installed-font list: a font file and the faces it holds.
struct InstalledFontEntry {
    FontKind kind = FontKind::Other;
    // The faces' full names: several when the file is a collection or a variable font with named
    // instances.
    std::vector<std::string> face_names;
    // As the list gives it: relative to the fonts folder, or an absolute path.
    std::string file_name;
};

// One report of the font enumeration: a family and the face that stands for it.
struct EnumeratedFace {
    std::string face_name;  // the family name
    std::string full_name;  // the full name of the reported face
    FontKind kind = FontKind::Other;
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

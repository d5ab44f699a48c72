#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "fonts/font_source.h"

namespace glyphora {

// The installed fonts as fontconfig lists them (its current configuration, shared with the GUI
// toolkit, so the list names what the window can draw).
//
// How the installed-font list and the enumeration map onto fontconfig:
// - Installed-font list: one entry per font file, naming the full names of the file's faces
//   (several faces of a collection or named instances of a variable font, in face order) and
//   the file's absolute path. Outline for TrueType and CFF/OpenType files (the sfnt fonts, which
//   carry an OS/2 table), Other for Type 1 and bitmap fonts.
// - Enumeration: one report per family (the first family name fontconfig gives a face), made
//   for the family's face closest to upright, normal width and regular weight. Its full name
//   matches that face's own record, so the listed family's coverage string and file are those
//   of its regular face, the face the toolkit draws for the plain family name. The Unicode subset
//   words are read from that face's OS/2 table; a family without an sfnt face is reported with
//   type 1 and so stays unlisted.
// - Glyph ranges: the BMP part of the same face's fontconfig charset.
class FontconfigFontSource final : public FontSource {
public:
    // Lists the installed faces and reads the reported faces' OS/2 tables once (on the thread
    // that builds the source: at start-up a worker); later calls answer from that list.
    FontconfigFontSource();
    // Loads fontconfig's current configuration (scanning the fonts when its cache is cold) unless
    // it is loaded already. The toolkit uses the same configuration: loaded once here before
    // the toolkit asks, it is not loaded twice side by side.
    static void LoadConfiguration();
    ~FontconfigFontSource() override;
    FontconfigFontSource(const FontconfigFontSource&) = delete;
    FontconfigFontSource& operator=(const FontconfigFontSource&) = delete;

    std::optional<std::vector<InstalledFontEntry>> InstalledFonts() const override;
    std::vector<EnumeratedFace> EnumerateFaces() const override;
    // Exact family name first, then ASCII case-insensitively (as the toolkit matches names).
    GlyphRanges FamilyGlyphRanges(const std::string& family) const override;
    // Every file comes with its absolute path.
    std::string FontsFolder() const override { return {}; }

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace glyphora

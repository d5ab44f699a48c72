#pragma once

#include <string>
#include <string_view>

namespace glyphora {

// How the whole text of a rich-text copy looks: the font chosen in the font list with the size
// and styles of the character view.
struct RtfCharFormat {
    std::string family;     // UTF-8
    double point_size = 0;  // 0 or less: no size is written (readers use 12 points)
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeout = false;
};

// The characters of an RTF document, as a rich-text box would read them: \uN (signed or
// unsigned N, with its \ucN fallback skipped), \'hh bytes of the Windows-1252, \\ \{ \}, plain
// characters; \par and \line become CR, \tab a tab; destinations (font table, colour table,
// {\* ...} groups and the like) and every other control word are left out. Any input is read
// without failing; unbalanced braces are tolerated.
std::u16string RtfPlainText(std::string_view rtf);

// A complete RTF document of the text in one paragraph with the format applied to all of it:
// a header, a font table with the family as font 0, then the text. Printable ASCII is written as
// it is, everything else as \uN? (N signed, as the RTF standard has it); CR, LF and CR LF become
// \par, a tab \tab. No trailing \par, so pasting adds no line break.
std::string SerializeRtf(std::u16string_view text, const RtfCharFormat& format);

}  // namespace glyphora

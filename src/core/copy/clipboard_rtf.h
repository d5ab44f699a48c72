#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "copy/rtf_document.h"

namespace glyphora {

struct RgbColor {
    int red = 0;
    int green = 0;
    int blue = 0;
    friend bool operator==(const RgbColor&, const RgbColor&) = default;
};

// A colour value red + 256 * green + 65536 * blue split into its parts. Only the low 24 bits
// count: a value with a higher byte set (a system colour index) must be resolved to its RGB value
// before, since an RTF colour part above 255 is invalid.
RgbColor ColorToRgb(std::uint32_t colour);

// "{\colortbl;\redR\greenG\blueB;}\cf1": a colour table whose entry 1 is the colour, and the
// control word selecting it for the text that follows.
std::string ColorTableText(RgbColor colour);

// For 1 <= position <= length of s: the first position - 1 characters of s, then text, then the
// rest of s from position + count on (a negative count drops the whole rest). Any other position
// leaves s unchanged.
std::string InsertAt(std::string_view s, long position, long count, std::string_view text);

// The document a rich-text copy puts on the clipboard: the characters of simple_rtf (as written
// by EncodeCopyText or EncodeCodePoint in the RTF format) serialised with the format, and a
// colour table with the fore colour inserted right after the font table, selected for the text.
// A document without a font table, or whose font table ends it, gets no colour table.
std::string CompleteRtfDocument(std::u16string_view simple_rtf, const RtfCharFormat& format,
                                std::uint32_t fore_colour);

}  // namespace glyphora

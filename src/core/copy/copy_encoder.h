#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "copy/code_page_converter.h"
#include "copy/code_page_list.h"
#include "copy/copy_format.h"

namespace glyphora {

// The longest To-copy text, in UTF-16 code units.
inline constexpr std::size_t kMaxCopyTextLength = 32767;

// The name of a code unit, UTF-8 (the character-name lookup of the name table).
using CharNameLookup = std::function<std::string(char16_t)>;

// What the encoders need besides the format and the text.
struct CopyContext {
    CodePageConverter& converter;             // its descriptor cache fills as it is used
    int code_page_row = kDefaultCodePageRow;  // row of kCodePageList used by "Code Page:"
    CharNameLookup char_name;                 // used by "Char. Name"; empty gives empty names
};

// The result of an encoder. Formats "% Escape", "UTF-8", "UTF-7" and "Code Page:" give a byte
// string (is_bytes, in bytes) that must reach the clipboard byte for byte; "RTF", "UCN (\u)",
// "NCR (Hex)", "NCR (Dec)" and "Char. Name" give characters (in text). "Unicode",
// "Picture (BMP)" and "SGML:" give nothing here: the clipboard gets the characters, a picture or
// the entity instead.
struct EncodedText {
    bool is_bytes = false;
    std::string bytes;
    std::u16string text;

    bool empty() const { return is_bytes ? bytes.empty() : text.empty(); }
    // The result as characters: bytes as characters of the Windows-1252 (see
    // Cp1252BytesToText, lossless), text as it is.
    std::u16string AsText() const;

    friend bool operator==(const EncodedText&, const EncodedText&) = default;
};

// If the template is longer than the text, the template's first (template length - text length)
// characters followed by the text; otherwise the text, never cut.
std::string PadLeft(std::string_view text, std::string_view templ);
std::u16string PadLeft(std::u16string_view text, std::u16string_view templ);

// One code unit in a format:
//   RTF          "{\rtf1\ansi\f0\u" + decimal + "?}"
//   % Escape     below 256 "%" + two lower-case hex digits of the unit itself (%e9); else "%" +
//                upper-case hex per UTF-8 byte (%E2%82%AC)
//   UTF-8/UTF-7  ConvertToCodePage with 65001 / 65000
//   UCN (\u)     "\u" + four lower-case hex digits
//   NCR (Hex)    "&#x" + four lower-case hex digits + ";"
//   NCR (Dec)    "&#" + decimal + ";"
//   Code Page:   ConvertToCodePage with the code page of the context's row
//   Char. Name   the name + CR LF
EncodedText EncodeCodePoint(CopyFormat format, char16_t c, const CopyContext& context);

// The whole text: the units' EncodeCodePoint results joined, except that RTF is one document
// "{\rtf1\ansi\f0" + "\u" + decimal + "?" per unit + "}", and no frame at all for an empty text.
// Texts longer than kMaxCopyTextLength are encoded whole.
EncodedText EncodeCopyText(CopyFormat format, std::u16string_view text, const CopyContext& context);

}  // namespace glyphora

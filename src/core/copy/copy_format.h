#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace glyphora {

// The twelve ways the To-copy text can be put on the clipboard, in the order of the format
// buttons; the underlying value is the button index that the settings store keeps.
enum class CopyFormat {
    Unicode = 0,
    Rtf = 1,
    PercentEscape = 2,
    Utf8 = 3,
    Utf7 = 4,
    Ucn = 5,
    NcrHex = 6,
    NcrDec = 7,
    CodePage = 8,
    CharName = 9,
    Picture = 10,
    Sgml = 11,
};

inline constexpr int kCopyFormatCount = 12;

// Button captions, indexed by the format's value.
inline constexpr std::array<std::string_view, kCopyFormatCount> kCopyFormatCaptions = {
    "Unicode",   "RTF",       "% Escape",   "UTF-8",      "UTF-7",         "UCN (\\u)",
    "NCR (Hex)", "NCR (Dec)", "Code Page:", "Char. Name", "Picture (BMP)", "SGML:",
};

inline constexpr int CopyFormatIndex(CopyFormat format) { return static_cast<int>(format); }

inline constexpr std::string_view CopyFormatCaption(CopyFormat format) {
    return kCopyFormatCaptions[static_cast<std::size_t>(format)];
}

// The format of a button index; nullopt outside 0..11 (a damaged settings value, say).
inline constexpr std::optional<CopyFormat> CopyFormatFromIndex(int index) {
    if (index < 0 || index >= kCopyFormatCount) return std::nullopt;
    return static_cast<CopyFormat>(index);
}

// Formats whose result is a byte string of some code page rather than text: the clipboard must
// receive exactly those bytes.
inline constexpr bool CopyFormatGivesBytes(CopyFormat format) {
    return format == CopyFormat::PercentEscape || format == CopyFormat::Utf8 ||
           format == CopyFormat::Utf7 || format == CopyFormat::CodePage;
}

}  // namespace glyphora

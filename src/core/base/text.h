#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace glyphora {

// The UTF-8 sequence that starts at text[i]: its length and code point; length 0 when it is
// malformed (bad lead or continuation byte, truncated, overlong, above U+10FFFF, or an encoded
// surrogate unless allow_surrogates).
struct Utf8Sequence {
    std::size_t length = 0;
    char32_t code_point = 0;
};
Utf8Sequence DecodeUtf8At(std::string_view text, std::size_t i, bool allow_surrogates);

// UTF-8 <-> UTF-16. Invalid UTF-8 becomes U+FFFD per bad byte; lone surrogates in UTF-16 are
// written as their three-byte form so that every code unit survives the trip.
std::u16string Utf8ToUtf16(std::string_view utf8);
std::string Utf16ToUtf8(std::u16string_view utf16);

// Spaces (only U+0020) trimmed from both ends.
std::string_view TrimSpaces(std::string_view text);

// The value of a hexadecimal code field of the data files: every character must be a hex digit;
// empty text is 0. Returns nullopt for any other character or a value above 0x10FFFF.
std::optional<long> ParseHexField(std::string_view text);

// "0041": upper-case hex, at least four digits.
std::string Hex4(long code_point);

// ASCII case-insensitive comparison (<0, 0, >0).
int CompareNoCase(std::u16string_view a, std::u16string_view b);
bool EqualsNoCase(std::string_view a, std::string_view b);

}  // namespace glyphora

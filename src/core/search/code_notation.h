#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace glyphora {

// Character codes written in the notations that the copy formats produce (and that people paste
// from web pages and source code), read back into code points.

// One code found at a place in a text: how many bytes it takes and the code point (any plane;
// surrogate code points included, as the table shows them on their own).
struct CodeNotationMatch {
    std::size_t length = 0;  // 0: no notation starts there
    char32_t code_point = 0;
};

// The notation that starts at text[i], if any:
// - "U+20AC", "u+20ac": 4 to 6 hexadecimal digits;
// - "\u20ac": exactly 4 digits; a high and a low surrogate escape in a row are one code;
//   "\U0001F600": exactly 8 digits;
// - "&#x20AC;", "&#X20ac;": 1 to 6 hexadecimal digits; "&#8364;": 1 to 7 decimal digits;
// - "%E2%82%AC": the %-escaped bytes of one UTF-8 sequence (2 digits each, either case). A byte of
//   80..FF that begins no whole sequence stands for the Latin-1 character, which is how the
//   "% Escape" copy format writes U+0080..U+00FF ("%e9").
// Values above U+10FFFF are no code.
CodeNotationMatch MatchCodeNotation(std::string_view text, std::size_t i);

// The code when the whole text, spaces at its ends aside, is exactly one code in one of the
// notations above; nullopt for anything else, which is then a name or entity search as before.
std::optional<char32_t> ParseCodeNotation(std::u16string_view text);

// The entity lookup DecodeCodeNotations uses for "&name;": the code point, or nullopt.
using EntityLookup = std::function<std::optional<long>(std::string_view name)>;

// The UTF-8 text with every notation above, and every "&name;" that entity_code knows, replaced by
// its character. Everything else, and codes that UTF-8 cannot carry (surrogates), stays as
// written. text must be valid UTF-8.
std::string DecodeCodeNotations(std::string_view text, const EntityLookup& entity_code);

// The Message panel's text for a code beyond U+FFFF, which the table cannot show.
std::u16string OutsidePlaneMessage(char32_t code_point);

}  // namespace glyphora

#pragma once

#include <cstddef>
#include <span>
#include <string>

#include "unicode/name_service.h"

namespace glyphora {

// Names from ICU (u_charName, U_UNICODE_CHAR_NAME) in the capitalisation the data files use:
// "LATIN SMALL LETTER D WITH CURL" -> "Latin Small Letter D With Curl", with "CJK" and hexadecimal
// code suffixes ("IDEOGRAPH-FA70") kept in upper case. Controls (Cc) are "<Control>", unassigned
// code points (Cn) "Undefined"; private use and surrogates, which ICU leaves unnamed, give empty
// text.
class IcuNameService final : public NameService {
public:
    std::size_t GetUName(char16_t code_unit, std::span<char> buffer) const override;
};

// The same name for a code point of any plane; the window keeps to the plane, the command line
// does not. Empty text above U+10FFFF.
std::string IcuCharName(char32_t code_point);

// Capitalises an upper-case Unicode name in place by the rule above (the same rule as
// tools/unicode_names.py, so ICU's names and the generated files read alike).
void CapitaliseUnicodeName(std::span<char> name);

}  // namespace glyphora

#include "unicode/icu_name_service.h"

#include <unicode/uchar.h>

#include <algorithm>
#include <string_view>

namespace glyphora {

namespace {

std::size_t CopyName(std::string_view name, std::span<char> buffer) {
    const std::size_t n = std::min(name.size(), buffer.size());
    std::copy_n(name.data(), n, buffer.data());
    return n;
}

bool IsUpperHex(char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'); }

// One hyphen-separated part of a word; index is its position within the word.
void CapitalisePart(std::span<char> part, std::size_t index) {
    const std::string_view text(part.data(), part.size());
    if (text == "CJK") return;
    // "IDEOGRAPH-FA70": the code point in the name reads as a code, not as a word.
    if (index > 0 && part.size() >= 4 && part.size() <= 6 &&
        std::all_of(text.begin(), text.end(), IsUpperHex))
        return;
    for (std::size_t i = 0; i < part.size(); ++i) {
        char& c = part[i];
        if (i == 0 && c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        if (i > 0 && c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
}

}  // namespace

void CapitaliseUnicodeName(std::span<char> name) {
    std::size_t part_start = 0;
    std::size_t part_index = 0;
    for (std::size_t i = 0; i <= name.size(); ++i) {
        const bool end = i == name.size();
        const char c = end ? ' ' : name[i];
        if (c != ' ' && c != '-') continue;
        CapitalisePart(name.subspan(part_start, i - part_start), part_index);
        part_start = i + 1;
        part_index = c == ' ' ? 0 : part_index + 1;
    }
}

std::size_t IcuNameService::GetUName(char16_t code_unit, std::span<char> buffer) const {
    const UChar32 cp = code_unit;
    switch (u_charType(cp)) {
        case U_CONTROL_CHAR:
            return CopyName("<Control>", buffer);
        case U_UNASSIGNED:
            return CopyName("Undefined", buffer);
        default:
            break;
    }
    // BMP names are well under 100 bytes; the local buffer only guards a too-small caller buffer.
    char name[NameService::kBufferSize];
    UErrorCode status = U_ZERO_ERROR;
    const int32_t length = u_charName(cp, U_UNICODE_CHAR_NAME, name, sizeof name, &status);
    if (U_FAILURE(status) || length <= 0) return 0;
    const std::size_t n =
        CopyName(std::string_view(name, static_cast<std::size_t>(length)), buffer);
    CapitaliseUnicodeName(buffer.first(n));
    return n;
}

}  // namespace glyphora

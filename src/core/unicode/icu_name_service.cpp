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

bool IsUpper(char c) { return static_cast<unsigned char>(c - 'A') < 26; }
bool IsLower(char c) { return static_cast<unsigned char>(c - 'a') < 26; }

// One hyphen-separated part [first, last) of a word; index is its position within the word.
void CapitalisePart(char* first, char* last, std::size_t index) {
    const std::string_view part(first, static_cast<std::size_t>(last - first));
    if (part == "CJK") return;
    // "IDEOGRAPH-FA70": the code point in the name reads as a code, not as a word.
    if (index > 0 && part.size() >= 4 && part.size() <= 6 &&
        std::all_of(part.begin(), part.end(), IsUpperHex))
        return;
    if (first == last) return;
    if (IsLower(*first)) *first = static_cast<char>(*first - 'a' + 'A');
    for (char* p = first + 1; p != last; ++p) *p = static_cast<char>(*p + (IsUpper(*p) ? 32 : 0));
}

}  // namespace

void CapitaliseUnicodeName(std::span<char> name) {
    char* first = name.data();
    char* const end = first + name.size();
    std::size_t part_index = 0;
    for (;;) {
        char* last = first;
        while (last != end && *last != ' ' && *last != '-') ++last;
        CapitalisePart(first, last, part_index);
        if (last == end) break;
        part_index = *last == ' ' ? 0 : part_index + 1;
        first = last + 1;
    }
}

namespace {

std::size_t NameOf(UChar32 cp, std::span<char> buffer) {
    switch (u_charType(cp)) {
        case U_CONTROL_CHAR:
            return CopyName("<Control>", buffer);
        case U_UNASSIGNED:
            return CopyName("Undefined", buffer);
        default:
            break;
    }
    // Names are well under 100 bytes; the local buffer only guards a too-small caller buffer.
    char name[NameService::kBufferSize];
    UErrorCode status = U_ZERO_ERROR;
    const int32_t length = u_charName(cp, U_UNICODE_CHAR_NAME, name, sizeof name, &status);
    if (U_FAILURE(status) || length <= 0) return 0;
    const std::size_t n =
        CopyName(std::string_view(name, static_cast<std::size_t>(length)), buffer);
    CapitaliseUnicodeName(buffer.first(n));
    return n;
}

}  // namespace

std::size_t IcuNameService::GetUName(char16_t code_unit, std::span<char> buffer) const {
    return NameOf(code_unit, buffer);
}

std::string IcuCharName(char32_t code_point) {
    if (code_point > 0x10FFFF) return {};
    char buffer[NameService::kBufferSize];
    return std::string(buffer, NameOf(static_cast<UChar32>(code_point), buffer));
}

}  // namespace glyphora

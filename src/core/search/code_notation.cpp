#include "search/code_notation.h"

#include "base/text.h"

namespace glyphora {
namespace {

constexpr char32_t kLastCodePoint = 0x10FFFF;

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool StartsWith(std::string_view text, std::size_t i, std::string_view prefix) {
    return text.substr(i, prefix.size()) == prefix;
}

// The digits of base 16 or 10 at text[i], at most max_digits of them (more stop nothing: the
// caller checks what follows). Returns the number of digits read; value saturates above U+10FFFF.
std::size_t ReadDigits(std::string_view text, std::size_t i, int base, std::size_t max_digits,
                       char32_t& value) {
    value = 0;
    std::size_t n = 0;
    for (; n < max_digits && i + n < text.size(); ++n) {
        const char c = text[i + n];
        const int digit = base == 16 ? HexDigit(c) : (c >= '0' && c <= '9' ? c - '0' : -1);
        if (digit < 0) break;
        value = value * static_cast<char32_t>(base) + static_cast<char32_t>(digit);
        if (value > kLastCodePoint) value = kLastCodePoint + 1;
    }
    return n;
}

// Exactly `digits` hexadecimal digits at text[i].
std::optional<char32_t> FixedHex(std::string_view text, std::size_t i, std::size_t digits) {
    char32_t value = 0;
    if (ReadDigits(text, i, 16, digits, value) != digits) return std::nullopt;
    return value;
}

CodeNotationMatch Found(std::size_t length, char32_t cp) {
    if (cp > kLastCodePoint) return {};
    return {length, cp};
}

CodeNotationMatch MatchUPlus(std::string_view text, std::size_t i) {
    char32_t value = 0;
    const std::size_t digits = ReadDigits(text, i + 2, 16, 6, value);
    if (digits < 4) return {};
    return Found(2 + digits, value);
}

CodeNotationMatch MatchBackslash(std::string_view text, std::size_t i) {
    if (text[i + 1] == 'U') {
        const auto value = FixedHex(text, i + 2, 8);
        return value ? Found(10, *value) : CodeNotationMatch{};
    }
    const auto high = FixedHex(text, i + 2, 4);
    if (!high) return {};
    // JSON and JavaScript write a character beyond the plane as its two surrogate escapes.
    if (*high >= 0xD800 && *high <= 0xDBFF && StartsWith(text, i + 6, "\\u")) {
        const auto low = FixedHex(text, i + 8, 4);
        if (low && *low >= 0xDC00 && *low <= 0xDFFF)
            return Found(12, 0x10000 + ((*high - 0xD800) << 10) + (*low - 0xDC00));
    }
    return Found(6, *high);
}

CodeNotationMatch MatchReference(std::string_view text, std::size_t i) {
    const bool hex = i + 2 < text.size() && (text[i + 2] == 'x' || text[i + 2] == 'X');
    const std::size_t start = i + (hex ? 3 : 2);
    char32_t value = 0;
    const std::size_t digits = ReadDigits(text, start, hex ? 16 : 10, hex ? 6 : 7, value);
    if (digits == 0 || start + digits >= text.size() || text[start + digits] != ';') return {};
    return Found(start + digits + 1 - i, value);
}

// The byte of "%XX" at text[i], or -1.
int PercentByte(std::string_view text, std::size_t i) {
    if (i + 2 >= text.size() || text[i] != '%') return -1;
    const int high = HexDigit(text[i + 1]);
    const int low = HexDigit(text[i + 2]);
    return high < 0 || low < 0 ? -1 : high * 16 + low;
}

CodeNotationMatch MatchPercent(std::string_view text, std::size_t i) {
    const int lead = PercentByte(text, i);
    if (lead < 0) return {};
    if (lead < 0x80) return {3, static_cast<char32_t>(lead)};
    std::string bytes(1, static_cast<char>(lead));
    for (std::size_t k = i + 3; bytes.size() < 4; k += 3) {
        const int next = PercentByte(text, k);
        if (next < 0x80 || next > 0xBF) break;  // also no escape at all (-1)
        bytes.push_back(static_cast<char>(next));
    }
    // The longest whole sequence is the one meant; DecodeUtf8At reads exactly one from the start.
    const Utf8Sequence sequence = DecodeUtf8At(bytes, 0, false);
    if (sequence.length >= 2) return {3 * sequence.length, sequence.code_point};
    return {3, static_cast<char32_t>(lead)};
}

void AppendUtf8(char32_t cp, std::string& out) {
    std::u16string units;
    if (cp >= 0x10000) {
        units = {static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10)),
                 static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF))};
    } else {
        units = {static_cast<char16_t>(cp)};
    }
    out += Utf16ToUtf8(units);
}

}  // namespace

CodeNotationMatch MatchCodeNotation(std::string_view text, std::size_t i) {
    if (i + 1 >= text.size()) return {};
    const char c = text[i];
    if ((c == 'U' || c == 'u') && text[i + 1] == '+') return MatchUPlus(text, i);
    if (c == '\\' && (text[i + 1] == 'u' || text[i + 1] == 'U')) return MatchBackslash(text, i);
    if (c == '&' && text[i + 1] == '#') return MatchReference(text, i);
    if (c == '%') return MatchPercent(text, i);
    return {};
}

std::optional<char32_t> ParseCodeNotation(std::u16string_view text) {
    const auto first = text.find_first_not_of(u' ');
    if (first == std::u16string_view::npos) return std::nullopt;
    text = text.substr(first, text.find_last_not_of(u' ') - first + 1);
    std::string ascii;
    for (const char16_t unit : text) {
        if (unit >= 0x80) return std::nullopt;
        ascii.push_back(static_cast<char>(unit));
    }
    const CodeNotationMatch match = MatchCodeNotation(ascii, 0);
    if (match.length != ascii.size()) return std::nullopt;
    return match.code_point;
}

std::string DecodeCodeNotations(std::string_view text, const EntityLookup& entity_code) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        CodeNotationMatch match = MatchCodeNotation(text, i);
        if (match.length == 0 && text[i] == '&' && entity_code) {
            const std::size_t end = text.find_first_of("&; ", i + 1);
            if (end != std::string_view::npos && text[end] == ';' && end > i + 1) {
                if (const auto cp = entity_code(text.substr(i + 1, end - i - 1)))
                    match = {end + 1 - i, static_cast<char32_t>(*cp)};
            }
        }
        const bool surrogate = match.code_point >= 0xD800 && match.code_point <= 0xDFFF;
        if (match.length == 0 || surrogate) {
            out.push_back(text[i]);
            ++i;
            continue;
        }
        AppendUtf8(match.code_point, out);
        i += match.length;
    }
    return out;
}

std::u16string OutsidePlaneMessage(char32_t code_point) {
    return Utf8ToUtf16("Character " + Hex4(static_cast<long>(code_point)) +
                       " is outside the Basic Multilingual Plane.");
}

}  // namespace glyphora

#include "base/valid_utf8.h"

#include <cstddef>

namespace glyphora {

namespace {

// Length of the well-formed sequence that starts at text[i], or 0 when there is none.
std::size_t SequenceLength(std::string_view text, std::size_t i) {
    const auto b0 = static_cast<unsigned char>(text[i]);
    if (b0 < 0x80) return 1;
    std::size_t len;
    char32_t cp;
    char32_t min;
    if ((b0 & 0xE0) == 0xC0) {
        len = 2, cp = b0 & 0x1F, min = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        len = 3, cp = b0 & 0x0F, min = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        len = 4, cp = b0 & 0x07, min = 0x10000;
    } else {
        return 0;
    }
    if (text.size() - i < len) return 0;
    for (std::size_t k = 1; k < len; ++k) {
        const auto b = static_cast<unsigned char>(text[i + k]);
        if ((b & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (b & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
    return len;
}

// No early exit, so the loop vectorises; nearly all text is ASCII.
bool IsAscii(std::string_view text) {
    unsigned char bits = 0;
    for (char c : text) bits |= static_cast<unsigned char>(c);
    return bits < 0x80;
}

}  // namespace

void AppendValidUtf8(std::string& out, std::string_view text) {
    if (IsAscii(text)) {
        out.append(text);
        return;
    }
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t len = SequenceLength(text, i);
        if (len == 0) {
            out.append("\xEF\xBF\xBD");
            ++i;
        } else {
            out.append(text.substr(i, len));
            i += len;
        }
    }
}

bool IsValidUtf8(std::string_view text) {
    if (IsAscii(text)) return true;
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t len = SequenceLength(text, i);
        if (len == 0) return false;
        i += len;
    }
    return true;
}

}  // namespace glyphora

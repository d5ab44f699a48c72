#include "base/valid_utf8.h"

#include "base/text.h"

#include <cstddef>

namespace glyphora {

namespace {

// Length of the well-formed sequence that starts at text[i], or 0 when there is none.
std::size_t SequenceLength(std::string_view text, std::size_t i) {
    return DecodeUtf8At(text, i, false).length;
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

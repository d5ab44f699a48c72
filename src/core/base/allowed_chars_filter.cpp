#include "base/allowed_chars_filter.h"

#include <algorithm>

namespace glyphora {

namespace {

char16_t FoldAscii(char16_t c) { return c >= u'a' && c <= u'z' ? c - u'a' + u'A' : c; }

}  // namespace

bool AllowedCharsFilter::IsAllowed(char16_t c, std::u16string_view allowed) {
    // Only ASCII letters fold: a Unicode-wide fold would let the dotless i or the Kelvin sign pass
    // as I or K, which no code point field or name search can use.
    const char16_t folded = FoldAscii(c);
    return std::any_of(allowed.begin(), allowed.end(),
                       [folded](char16_t a) { return FoldAscii(a) == folded; });
}

bool AllowedCharsFilter::FilterAllowedChars(EditBox& box, std::u16string_view allowed,
                                            const std::function<void()>& raise_change) {
    if (nesting_ > 0) return false;
    std::u16string kept;
    kept.reserve(box.text.size());
    std::size_t removed = 0;
    for (char16_t c : box.text) {
        if (IsAllowed(c, allowed))
            kept += c;
        else
            ++removed;
    }
    if (removed == 0) return false;

    box.text = std::move(kept);
    box.caret = box.caret > removed ? box.caret - removed : 0;
    box.caret = std::min(box.caret, box.text.size());

    struct Nest {
        int& count;
        explicit Nest(int& c) : count(c) { ++count; }
        ~Nest() { --count; }
    } nest(nesting_);
    if (raise_change) raise_change();
    return true;
}

}  // namespace glyphora

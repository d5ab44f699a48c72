#pragma once

#include <string>
#include <string_view>

namespace glyphora {

// Appends text to out as well-formed UTF-8: every byte that does not belong to a well-formed
// sequence (stray continuation bytes, truncated or overlong sequences, surrogates, values above
// U+10FFFF) becomes U+FFFD, one per byte, the same rule as Utf8ToUtf16. Names and entity names
// read from user-editable files are shown on screen, so they are stored only in this form.
void AppendValidUtf8(std::string& out, std::string_view text);

// True when text is well-formed UTF-8 (surrogates and overlong forms are not).
bool IsValidUtf8(std::string_view text);

}  // namespace glyphora

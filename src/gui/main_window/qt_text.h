#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace glyphora {

// The core keeps text as UTF-16 (what the window shows) or UTF-8 (names, files).
inline QString Text(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}
inline QString Text(const std::string& utf8) { return QString::fromStdString(utf8); }

}  // namespace glyphora

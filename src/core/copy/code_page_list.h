#pragma once

#include <array>
#include <string_view>

namespace glyphora {

// Code page numbers with a meaning of their own besides the rows of the list.
inline constexpr int kDefaultCodePage = 0;  // the default 8-bit code page, Windows-1252
inline constexpr int kSymbolCodePage = 42;  // the Symbol font's own 8-bit encoding
inline constexpr int kUtf7CodePage = 65000;
inline constexpr int kUtf8CodePage = 65001;

// One row of the "Code Page:" list: what the user reads, the code page the characters are
// converted to, and the GDI character set the preview uses to show the resulting bytes.
struct CodePageRow {
    std::string_view name;
    int code_page;
    int charset;
};

inline constexpr std::array<CodePageRow, 16> kCodePageList = {{
    {"Thai (Windows)", 874, 222},
    {"Japanese (Windows)", 932, 128},
    {"Korean (Windows)", 949, 129},
    {"Korean Johab (Windows)", 1361, 130},
    {"Chinese Simplified (Windows)", 936, 134},
    {"Chinese Traditional (Windows)", 950, 136},
    {"Central European (Windows)", 1250, 238},
    {"Cyrillic (Windows)", 1251, 204},
    {"Western European (Windows)", 1252, 0},
    {"Greek (Windows)", 1253, 161},
    {"Turkish (Windows)", 1254, 162},
    {"Hebrew (Windows)", 1255, 177},
    {"Arabic (Windows)", 1256, 178},
    {"Baltic (Windows)", 1257, 186},
    {"Vietnamese (Windows)", 1258, 163},
    {"Symbol", kSymbolCodePage, 2},
}};

inline constexpr int kDefaultCodePageRow = 7;  // "Cyrillic (Windows)"

// A stored row index brought into the list (settings files may hold anything).
inline constexpr int ClampCodePageRow(int row) {
    if (row < 0) return 0;
    if (row >= static_cast<int>(kCodePageList.size()))
        return static_cast<int>(kCodePageList.size()) - 1;
    return row;
}

inline constexpr const CodePageRow& CodePageRowAt(int row) {
    return kCodePageList[static_cast<std::size_t>(ClampCodePageRow(row))];
}

}  // namespace glyphora

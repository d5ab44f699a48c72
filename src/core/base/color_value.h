#pragma once

#include <cstdint>

namespace glyphora {

// A colour as settings and control properties keep it: red + 256 * green + 65536 * blue, or, with
// the top bit set, the index of one of the desktop's own colours, which follow the theme.
using ColorValue = std::uint32_t;

constexpr ColorValue RgbValue(int red, int green, int blue) {
    return static_cast<ColorValue>((red & 0xFF) | (green & 0xFF) << 8 | (blue & 0xFF) << 16);
}
constexpr int RedOf(ColorValue value) { return static_cast<int>(value & 0xFF); }
constexpr int GreenOf(ColorValue value) { return static_cast<int>(value >> 8 & 0xFF); }
constexpr int BlueOf(ColorValue value) { return static_cast<int>(value >> 16 & 0xFF); }

constexpr bool IsSystemColor(ColorValue value) { return (value & 0x80000000u) != 0; }
constexpr int SystemColorIndex(ColorValue value) { return static_cast<int>(value & 0xFFFFFFu); }

inline constexpr ColorValue kSystemWindowBackground = 0x80000005u;
inline constexpr ColorValue kSystemWindowText = 0x80000008u;
inline constexpr ColorValue kSystemHighlight = 0x8000000Du;
inline constexpr ColorValue kSystemHighlightText = 0x8000000Eu;
inline constexpr ColorValue kSystemButtonFace = 0x8000000Fu;
inline constexpr ColorValue kSystemGrayText = 0x80000011u;
inline constexpr ColorValue kSystemButtonText = 0x80000012u;
// The desktop's colour of links (hot-tracked items), which the link label turns into its visited
// colour once it has been opened.
inline constexpr ColorValue kSystemHotLight = 0x8000001Au;

}  // namespace glyphora

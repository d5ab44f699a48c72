#pragma once

#include <cstdint>

namespace glyphora {

// A colour as settings and control properties keep it: red + 256 * green + 65536 * blue, or, with
// the top bit set, one of the desktop theme's colour roles, which follow the theme. The role
// numbers below are what settings files hold, so they stay as they are.
using ColorValue = std::uint32_t;

constexpr ColorValue RgbValue(int red, int green, int blue) {
    return static_cast<ColorValue>((red & 0xFF) | (green & 0xFF) << 8 | (blue & 0xFF) << 16);
}
constexpr int RedOf(ColorValue value) { return static_cast<int>(value & 0xFF); }
constexpr int GreenOf(ColorValue value) { return static_cast<int>(value >> 8 & 0xFF); }
constexpr int BlueOf(ColorValue value) { return static_cast<int>(value >> 16 & 0xFF); }

constexpr bool IsThemeColor(ColorValue value) { return (value & 0x80000000u) != 0; }

inline constexpr ColorValue kThemeBase = 0x80000005u;
inline constexpr ColorValue kThemeText = 0x80000008u;
inline constexpr ColorValue kThemeHighlight = 0x8000000Du;
inline constexpr ColorValue kThemeHighlightedText = 0x8000000Eu;
inline constexpr ColorValue kThemeWindow = 0x8000000Fu;
inline constexpr ColorValue kThemeDisabledText = 0x80000011u;
inline constexpr ColorValue kThemeWindowText = 0x80000012u;
// The theme's colour of links, which the link label turns into its visited colour once it has
// been opened.
inline constexpr ColorValue kThemeLink = 0x8000001Au;

}  // namespace glyphora

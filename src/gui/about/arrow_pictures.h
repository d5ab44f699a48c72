#pragma once

#include <QPixmap>
#include <array>

namespace glyphora {

// ibMouseIcon(1..4): arrows pointing left, up, right and down (index direction - 1), drawn at run
// time; a tile's pointer and the board's animated hint show them.
inline constexpr int kArrowPictureSize = 21;
std::array<QPixmap, 4> DrawArrowPictures();

}  // namespace glyphora

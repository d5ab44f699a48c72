#pragma once

#include <QColor>
#include <QPalette>

#include "base/color_value.h"

namespace glyphora {

// The colour a stored value stands for: an RGB value as it is, a desktop colour index through
// the palette (so it follows the theme). An index we do not know gives the fallback role.
QColor ColorFromValue(ColorValue value, const QPalette& palette, QPalette::ColorRole fallback);

// The stored value of an RGB colour (alpha is not kept).
ColorValue ValueFromColor(const QColor& color);

}  // namespace glyphora

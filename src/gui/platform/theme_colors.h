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

// a blended towards b by share_of_b (0: a, 1: b).
QColor Mix(const QColor& a, const QColor& b, qreal share_of_b);

// The contrast ratio of two colours as the Web Content Accessibility Guidelines define it, from
// 1 (the same) to 21 (black on white).
double ContrastRatio(const QColor& a, const QColor& b);

// colour, or the nearest colour of its hue towards black or white (whichever the background
// contrasts less with) that reaches the contrast ratio on background.
QColor ReadableOn(const QColor& colour, const QColor& background, double ratio);

}  // namespace glyphora

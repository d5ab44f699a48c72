#pragma once

#include <QColor>
#include <QIcon>
#include <QPixmap>

class QPainter;
class QRectF;

namespace glyphora {

// Side of the empty-cell pattern in logical pixels.
inline constexpr int kEmptyPatternSide = 16;

// The empty-cell pattern: a square frame hatched diagonally every fourth pixel, in colour, on a
// transparent ground so that the cell's background shows through. Drawn for the device pixel
// ratio so that it stays crisp on a scaled screen.
QPixmap EmptyCellPattern(const QColor& colour, qreal device_pixel_ratio);

// The "Check" icon of the font and subrange lists: a tick in the theme's grey-text colour.
QIcon CheckIcon(const QColor& colour);

// An icon-sized transparent picture, so that items without the tick keep their text in line.
QIcon BlankIcon();

// The character view's two pattern pictures, drawn where the base of a combining mark or the
// cell of an overhanging glyph lies: a dotted circle and a dotted square of the given box.
void PaintCombiningPattern(QPainter& painter, const QRectF& box, const QColor& colour);
void PaintOverhangPattern(QPainter& painter, const QRectF& box, const QColor& colour);

}  // namespace glyphora

#include "table/cell_patterns.h"

#include <QPainter>
#include <QPainterPath>
#include <QPen>

namespace glyphora {

namespace {
constexpr int kIconSide = 16;

// A transparent square of `side` logical pixels at this device pixel ratio.
QPixmap ClearPixmap(int side, qreal device_pixel_ratio) {
    QPixmap pixmap(QSize(side, side) * device_pixel_ratio);
    pixmap.setDevicePixelRatio(device_pixel_ratio);
    pixmap.fill(Qt::transparent);
    return pixmap;
}
}  // namespace

QPixmap EmptyCellPattern(const QColor& colour, qreal device_pixel_ratio) {
    const int side = kEmptyPatternSide;
    QPixmap pixmap = ClearPixmap(side, device_pixel_ratio);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing, false);
    // One logical pixel wide, centred on the pixel grid of the logical 16 x 16 square.
    QPen pen(colour, 1.0);
    pen.setCapStyle(Qt::SquareCap);
    painter.setPen(pen);
    painter.setClipRect(QRectF(0, 0, side, side));
    painter.drawRect(QRectF(0.5, 0.5, side - 1, side - 1));
    for (int k = 4; k < 2 * side; k += 4) {
        // The pixels with x + y = k, from the top edge down to the left edge.
        painter.drawLine(QPointF(k + 0.5, 0.5), QPointF(0.5, k + 0.5));
    }
    return pixmap;
}

QIcon CheckIcon(const QColor& colour) {
    QIcon icon;
    for (qreal dpr : {1.0, 2.0}) {
        QPixmap pixmap = ClearPixmap(kIconSide, dpr);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing, true);
        QPen pen(colour, 2.0);
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
        painter.setPen(pen);
        QPainterPath tick;
        tick.moveTo(3.5, 8.5);
        tick.lineTo(6.5, 11.5);
        tick.lineTo(12.5, 4.5);
        painter.drawPath(tick);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

QIcon BlankIcon() {
    QPixmap pixmap(kIconSide, kIconSide);
    pixmap.fill(Qt::transparent);
    return QIcon(pixmap);
}

namespace {

// Both view patterns are a dotted outline, thin enough not to hide the character under it.
template <typename Draw>
void PaintDottedOutline(QPainter& painter, const QRectF& box, const QColor& colour, Draw draw) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    QPen pen(colour, std::max(1.0, box.width() / 24.0));
    pen.setStyle(Qt::DotLine);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    const qreal inset = pen.widthF() / 2;
    draw(box.adjusted(inset, inset, -inset, -inset));
    painter.restore();
}

}  // namespace

void PaintCombiningPattern(QPainter& painter, const QRectF& box, const QColor& colour) {
    PaintDottedOutline(painter, box, colour, [&](const QRectF& r) { painter.drawEllipse(r); });
}

void PaintOverhangPattern(QPainter& painter, const QRectF& box, const QColor& colour) {
    PaintDottedOutline(painter, box, colour, [&](const QRectF& r) { painter.drawRect(r); });
}

}  // namespace glyphora

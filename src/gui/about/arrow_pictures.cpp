#include "about/arrow_pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QTransform>

namespace glyphora {
namespace {

// An arrow pointing left, in a box of kArrowPictureSize; the others are turns of it.
QPainterPath LeftArrow() {
    const double s = kArrowPictureSize;
    QPainterPath path;
    path.moveTo(1.5, s / 2);
    path.lineTo(s / 2, 2.5);
    path.lineTo(s / 2, s / 2 - 3.5);
    path.lineTo(s - 2.5, s / 2 - 3.5);
    path.lineTo(s - 2.5, s / 2 + 3.5);
    path.lineTo(s / 2, s / 2 + 3.5);
    path.lineTo(s / 2, s - 2.5);
    path.closeSubpath();
    return path;
}

}  // namespace

std::array<QPixmap, 4> DrawArrowPictures() {
    std::array<QPixmap, 4> pictures;
    const double centre = kArrowPictureSize / 2.0;
    const double turns[4] = {0, 90, 180, 270};  // left, up, right, down
    for (int i = 0; i < 4; ++i) {
        QPixmap picture(kArrowPictureSize, kArrowPictureSize);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing);
        QTransform turn;
        turn.translate(centre, centre).rotate(turns[i]).translate(-centre, -centre);
        // Black with a white rim, like a pointer: visible on letters and on the board alike.
        painter.setPen(QPen(Qt::white, 1.5));
        painter.setBrush(Qt::black);
        painter.drawPath(turn.map(LeftArrow()));
        painter.end();
        pictures[i] = picture;
    }
    return pictures;
}

}  // namespace glyphora

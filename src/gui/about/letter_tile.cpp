#include "about/letter_tile.h"

#include <QMouseEvent>

namespace glyphora {

LetterTile::LetterTile(int index, QWidget* parent) : QLabel(parent), index_(index) {
    setMouseTracking(true);
    setAlignment(Qt::AlignCenter);
    setTextFormat(Qt::PlainText);
}

void LetterTile::mouseMoveEvent(QMouseEvent* event) {
    emit PointerMoved(index_);
    QLabel::mouseMoveEvent(event);
}

void LetterTile::mousePressEvent(QMouseEvent* event) {
    // The second press of a double click arrives here too, so quick clicks each move the tile.
    pressed_ = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void LetterTile::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    QLabel::mouseReleaseEvent(event);
    if (click) emit Clicked(index_);
}

}  // namespace glyphora

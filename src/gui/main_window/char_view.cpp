#include "main_window/char_view.h"

#include <QFontMetricsF>
#include <QPainter>

#include "table/cell_patterns.h"

namespace glyphora {

CharView::CharView(QWidget* parent) : QFrame(parent) {
    setObjectName("pbView");
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setFixedSize(kSide, kSide);
    font_.setStyleStrategy(QFont::NoFontMerging);
    font_.setPointSize(48);
    // The view paints all of itself, so that a new character does not repaint the group box
    // around it as well.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CharView::Show(const QString& caption, bool drawable, ViewPattern pattern,
                    bool pattern_visible) {
    if (caption == caption_ && drawable == drawable_ && pattern == pattern_ &&
        pattern_visible == pattern_visible_)
        return;
    caption_ = caption;
    drawable_ = drawable;
    pattern_ = pattern;
    pattern_visible_ = pattern_visible;
    update();
}

void CharView::SetColours(const QColor& fore, const QColor& back) {
    fore_ = fore;
    back_ = back;
    update();
}

void CharView::SetPatternSide(int side) {
    if (side == pattern_side_) return;
    pattern_side_ = side;
    if (PatternShown()) update();
}

void CharView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    // What the window shows under the frame's edge.
    painter.fillRect(rect(), palette().window());
    painter.end();
    QFrame::paintEvent(event);
    painter.begin(this);
    const QRect inner = contentsRect();
    painter.fillRect(inner, back_);
    painter.setClipRect(inner);
    painter.setFont(font_);
    if (PatternShown()) {
        // As large as the font's "o", where a base letter would stand.
        const qreal side =
            pattern_side_ > 0
                ? pattern_side_
                : QFontMetricsF(font_).tightBoundingRect(QStringLiteral("o")).height();
        QRectF box(0, 0, side, side);
        box.moveCenter(QRectF(inner).center());
        QColor colour = fore_;
        colour.setAlphaF(0.45);
        if (pattern_ == ViewPattern::Combining)
            PaintCombiningPattern(painter, box, colour);
        else
            PaintOverhangPattern(painter, box, colour);
    }
    if (drawable_ && !caption_.trimmed().isEmpty()) {
        painter.setPen(fore_);
        painter.drawText(inner, Qt::AlignCenter | Qt::TextDontClip, caption_);
    }
}

}  // namespace glyphora

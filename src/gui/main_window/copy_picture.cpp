#include "main_window/copy_picture.h"

#include <QFontMetrics>
#include <QPainter>
#include <QString>
#include <algorithm>
#include <cmath>

namespace glyphora {

CopyPicture::CopyPicture(const QFont& font, const QColor& fore, const QColor& back)
    : font_(font), fore_(fore), back_(back) {
    // Only the chosen font's own glyphs are drawn: another font's glyph would be no picture of it.
    font_.setStyleStrategy(QFont::NoFontMerging);
    raw_ = QRawFont::fromFont(font_);
    const QFontMetrics metrics(font_);
    ascent_ = metrics.ascent();
    cell_height_ = metrics.ascent() + metrics.descent();
}

CopyPicture::Metrics CopyPicture::MetricsOf(char16_t unit) const {
    Metrics m;
    if (!raw_.isValid()) return m;
    // A unit the font lacks takes the place of the font's missing-glyph box, drawn empty.
    const QList<quint32> glyphs = raw_.glyphIndexesForString(QString(QChar(unit)));
    const quint32 glyph = glyphs.isEmpty() ? 0 : glyphs.first();
    const QList<QPointF> advances = raw_.advancesForGlyphIndexes(QList<quint32>{glyph});
    m.advance = advances.isEmpty() ? 0 : advances.first().x();
    const QRectF ink = raw_.boundingRect(glyph);
    m.left = ink.left();
    m.ink = ink.width();
    return m;
}

int CopyPicture::UnitWidth(char16_t unit) const {
    const Metrics m = MetricsOf(unit);
    const qreal right = m.advance - m.left - m.ink;  // C
    const int advance = qRound(m.advance);
    const int covered = qRound(std::abs(m.left) + std::abs(m.ink) + std::abs(right));
    return std::max(advance, covered);
}

QImage CopyPicture::Draw(std::u16string_view units) const {
    qint64 width = 0;
    for (char16_t unit : units) width += UnitWidth(unit);
    width = std::max<qint64>(width, 1);
    if (cell_height_ <= 0 || width * cell_height_ > kMaxPixels) return {};
    QImage picture(static_cast<int>(width), cell_height_, QImage::Format_RGB32);
    picture.fill(back_);
    int x = 0;
    for (char16_t unit : units) x = DrawCharIntoCopyPicture(picture, unit, x);
    return picture;
}

int CopyPicture::DrawCharIntoCopyPicture(QImage& picture, char16_t unit, int x) const {
    const Metrics m = MetricsOf(unit);
    const int width = UnitWidth(unit);
    if (raw_.isValid() && raw_.supportsCharacter(QChar(unit))) {
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::TextAntialiasing);
        painter.setFont(font_);
        painter.setPen(fore_);
        painter.setClipRect(QRect(x, 0, width, cell_height_));
        // A glyph whose ink starts left of its pen position (a combining mark) is moved right by
        // that much, so that the slot holds all of it.
        const qreal shift = m.left < 0 ? -m.left : 0;
        painter.drawText(QPointF(x + shift, ascent_), QString(QChar(unit)));
    }
    return x + width;
}

}  // namespace glyphora

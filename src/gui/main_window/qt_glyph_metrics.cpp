#include "main_window/qt_glyph_metrics.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <algorithm>

#include "table/cell_font.h"

namespace glyphora {

void QtGlyphMetrics::SetFamily(const std::u16string& family) {
    const QString name = QString::fromStdU16String(family);
    view_.ViewFont().setFamily(name);
    view_.FontChanged();
    if (const auto found = designs_.constFind(name); found != designs_.constEnd()) {
        design_ = *found;
        return;
    }
    // The table's face of the family: the same engine, no second match.
    design_ = CellFontOf(family).raw;
    // A copy at the em size in font units: its metrics are the design values, unrounded. The
    // copy shares the font file and needs no font matching.
    if (design_.isValid() && design_.unitsPerEm() > 0) design_.setPixelSize(design_.unitsPerEm());
    if (designs_.size() >= 64) designs_.clear();
    designs_.insert(name, design_);
}

GlyphBearings QtGlyphMetrics::SideBearings(char16_t code_unit) {
    const QFontMetrics metrics(view_.ViewFont());
    const QChar ch(code_unit);
    GlyphBearings bearings;
    // Qt's bearings carry the same signs: negative where the ink reaches past the cell.
    bearings.left = metrics.leftBearing(ch);
    bearings.right = metrics.rightBearing(ch);
    bearings.ink = metrics.horizontalAdvance(ch) - bearings.left - bearings.right;
    return bearings;
}

ViewTextMetrics QtGlyphMetrics::Metrics(int point_size) {
    QFont& font = view_.ViewFont();
    if (point_size > 0) {
        font.setPointSize(point_size);
        view_.FontChanged();
    }
    ViewTextMetrics result;
    const qreal em_pixels = font.pointSizeF() * view_.logicalDpiY() / 72.0;
    if (design_.isValid() && design_.unitsPerEm() > 0) {
        const qreal scale = em_pixels / design_.unitsPerEm();
        result.height = qRound((design_.ascent() + design_.descent()) * scale);
        result.max_char_width = qRound(design_.maxCharWidth() * scale);
    } else {
        const QFontMetrics metrics(font);
        result.height = metrics.ascent() + metrics.descent();
        result.max_char_width = metrics.maxWidth();
    }
    // The room above the em square that the font keeps for accents.
    result.internal_leading = std::max(0, result.height - qRound(em_pixels));
    return result;
}

}  // namespace glyphora

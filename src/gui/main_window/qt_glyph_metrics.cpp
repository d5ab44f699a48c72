#include "main_window/qt_glyph_metrics.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <algorithm>

namespace glyphora {

void QtGlyphMetrics::SetFamily(const std::u16string& family) {
    view_.ViewFont().setFamily(QString::fromStdU16String(family));
    view_.FontChanged();
}

AbcWidths QtGlyphMetrics::CharAbcWidths(char16_t code_unit) {
    const QFontMetrics metrics(view_.ViewFont());
    const QChar ch(code_unit);
    AbcWidths widths;
    // Qt's bearings carry the same signs: negative where the ink reaches past the cell.
    widths.a = metrics.leftBearing(ch);
    widths.c = metrics.rightBearing(ch);
    widths.b = metrics.horizontalAdvance(ch) - widths.a - widths.c;
    return widths;
}

ViewTextMetrics QtGlyphMetrics::Metrics(int point_size) {
    QFont& font = view_.ViewFont();
    if (point_size > 0) {
        font.setPointSize(point_size);
        view_.FontChanged();
    }
    const QFontMetrics metrics(font);
    ViewTextMetrics result;
    result.height = metrics.ascent() + metrics.descent();
    // The room above the em square that the font keeps for accents.
    result.internal_leading = std::max(0, result.height - QFontInfo(font).pixelSize());
    result.max_char_width = metrics.maxWidth();
    return result;
}

}  // namespace glyphora

#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRawFont>
#include <string_view>

namespace glyphora {

// The bitmap copy: code units drawn side by side in the copy font, in the fore colour on the back
// colour. Each unit takes the larger of its advance and the sum of its absolute bearings and ink
// width, so a glyph that reaches beyond its advance keeps all of its ink; the picture is exactly as
// wide as the sum of those widths and as high as the font's cell (ascent + descent).
class CopyPicture {
public:
    // Pictures beyond this many pixels are not made: a long text at a large size would take
    // gigabytes.
    static constexpr qint64 kMaxPixels = 40LL * 1000 * 1000;

    CopyPicture(const QFont& font, const QColor& fore, const QColor& back);

    // The width a unit takes in the picture (pixels).
    int UnitWidth(char16_t unit) const;
    // The height of every unit (pixels).
    int CellHeight() const { return cell_height_; }

    // The picture of the units (the first one at x = 0), at least one pixel wide (characters
    // without advance or ink give a blank one); a null image when it would be larger than
    // kMaxPixels or the font cannot be drawn at its size.
    QImage Draw(std::u16string_view units) const;

    // Draws one unit with its slot's left edge at x and returns the next x.
    int DrawCharIntoCopyPicture(QImage& picture, char16_t unit, int x) const;

private:
    struct Metrics {
        qreal advance = 0;
        qreal left = 0;  // A: left bearing, negative when the ink starts before the pen
        qreal ink = 0;   // B: ink width
    };
    Metrics MetricsOf(char16_t unit) const;

    QFont font_;
    QRawFont raw_;
    QColor fore_;
    QColor back_;
    int ascent_ = 0;
    int cell_height_ = 0;
};

}  // namespace glyphora

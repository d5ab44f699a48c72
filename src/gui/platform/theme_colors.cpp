#include "platform/theme_colors.h"

#include <algorithm>
#include <cmath>

namespace glyphora {

QColor ColorFromValue(ColorValue value, const QPalette& palette, QPalette::ColorRole fallback) {
    if (!IsThemeColor(value)) return QColor(RedOf(value), GreenOf(value), BlueOf(value));
    switch (value) {
        case kThemeBase:
            return palette.color(QPalette::Base);
        case kThemeText:
            return palette.color(QPalette::Text);
        case kThemeHighlight:
            return palette.color(QPalette::Highlight);
        case kThemeHighlightedText:
            return palette.color(QPalette::HighlightedText);
        // Qt paints dialogs and labels in the Window roles; the button roles would stand out.
        case kThemeWindow:
            return palette.color(QPalette::Window);
        case kThemeWindowText:
            return palette.color(QPalette::WindowText);
        case kThemeDisabledText:
            return palette.color(QPalette::Disabled, QPalette::Text);
        case kThemeLink:
            return palette.color(QPalette::Link);
        default:
            return palette.color(fallback);
    }
}

ColorValue ValueFromColor(const QColor& color) {
    return RgbValue(color.red(), color.green(), color.blue());
}

QColor Mix(const QColor& a, const QColor& b, qreal share_of_b) {
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * share_of_b,
                            a.greenF() + (b.greenF() - a.greenF()) * share_of_b,
                            a.blueF() + (b.blueF() - a.blueF()) * share_of_b);
}

namespace {

double RelativeLuminance(const QColor& colour) {
    const auto linear = [](double c) {
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

}  // namespace

double ContrastRatio(const QColor& a, const QColor& b) {
    const double la = RelativeLuminance(a);
    const double lb = RelativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor ReadableOn(const QColor& colour, const QColor& background, double ratio) {
    if (ContrastRatio(colour, background) >= ratio) return colour;
    const QColor end = ContrastRatio(Qt::white, background) >= ContrastRatio(Qt::black, background)
                           ? QColor(Qt::white)
                           : QColor(Qt::black);
    // The smallest step towards the end that reads well: contrast grows along the way.
    for (int step = 1; step <= 20; ++step) {
        const QColor mixed = Mix(colour, end, step / 20.0);
        if (ContrastRatio(mixed, background) >= ratio) return mixed;
    }
    return end;
}

}  // namespace glyphora

#include "platform/system_colors.h"

namespace glyphora {

QColor ColorFromValue(ColorValue value, const QPalette& palette, QPalette::ColorRole fallback) {
    if (!IsSystemColor(value)) return QColor(RedOf(value), GreenOf(value), BlueOf(value));
    switch (value) {
        case kSystemWindowBackground:
            return palette.color(QPalette::Base);
        case kSystemWindowText:
            return palette.color(QPalette::Text);
        case kSystemHighlight:
            return palette.color(QPalette::Highlight);
        case kSystemHighlightText:
            return palette.color(QPalette::HighlightedText);
        // Qt paints dialogs and labels in the Window roles; the button roles would stand out.
        case kSystemButtonFace:
            return palette.color(QPalette::Window);
        case kSystemButtonText:
            return palette.color(QPalette::WindowText);
        case kSystemGrayText:
            return palette.color(QPalette::Disabled, QPalette::Text);
        default:
            return palette.color(fallback);
    }
}

ColorValue ValueFromColor(const QColor& color) {
    return RgbValue(color.red(), color.green(), color.blue());
}

}  // namespace glyphora

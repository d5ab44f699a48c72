#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QString>

#include "base/text_measure.h"

namespace glyphora {

// Text widths in a widget font, for the column and panel width rules of the model.
class QtTextMeasure final : public TextMeasure {
public:
    explicit QtTextMeasure(const QFont& font) : metrics_(font) {}
    void SetFont(const QFont& font) { metrics_ = QFontMetrics(font); }
    int TextWidth(std::u16string_view text) const override {
        return metrics_.horizontalAdvance(
            QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size())));
    }

private:
    QFontMetrics metrics_;
};

}  // namespace glyphora

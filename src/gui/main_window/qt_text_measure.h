#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QString>
#include <string>
#include <unordered_map>

#include "base/text_measure.h"

namespace glyphora {

// Text widths in a widget font, for the column and panel width rules of the model. The same few
// hundred texts (subrange and font names) are measured again at every font choice and every
// "Show All" click, so their widths are kept until the font changes.
class QtTextMeasure final : public TextMeasure {
public:
    explicit QtTextMeasure(const QFont& font) : metrics_(font) {}

    void SetFont(const QFont& font) {
        metrics_ = QFontMetrics(font);
        widths_.clear();
    }

    int TextWidth(std::u16string_view text) const override {
        const std::u16string key(text);
        if (const auto found = widths_.find(key); found != widths_.end()) return found->second;
        // Bounded: type descriptions of every character visited would otherwise pile up.
        if (widths_.size() >= kMaxTexts) widths_.clear();
        const int width = metrics_.horizontalAdvance(
            QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size())));
        widths_.emplace(key, width);
        return width;
    }

private:
    static constexpr std::size_t kMaxTexts = 4096;

    QFontMetrics metrics_;
    mutable std::unordered_map<std::u16string, int> widths_;
};

}  // namespace glyphora

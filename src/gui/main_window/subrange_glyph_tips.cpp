#include "main_window/subrange_glyph_tips.h"

#include "table/main_window_model.h"

namespace glyphora {

SubrangeGlyphTips::SubrangeGlyphTips(const MainWindowModel& model, const NameTable& names)
    : model_(model), names_(names) {}

QString SubrangeGlyphTips::ToolTip(long first, const QString& text) const {
    if (stale_) {
        stale_ = false;
        if (!counter_) counter_.emplace(names_);
        counts_ = counter_->Count(model_.Fonts().Glyphs());
    }
    const auto row = SubrangeGlyphCounts::RowStartingAt(first);
    if (!row || *row >= counts_.size()) return {};
    return QString::fromStdU16String(GlyphCountText(text.toStdU16String(), counts_[*row]));
}

}  // namespace glyphora

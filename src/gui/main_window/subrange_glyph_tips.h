#pragma once

#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "fonts/subrange_glyph_counts.h"

namespace glyphora {

class MainWindowModel;
class NameTable;

// The Subranges list's tool tips: how many of each subrange's assigned characters the chosen
// font has a glyph for ("Greek and Coptic — 127 of 135"), counted once per font choice, when the
// first tip is asked for: counting reads the names of the whole plane, which start-up leaves
// unread.
class SubrangeGlyphTips {
public:
    // Both outlive this.
    SubrangeGlyphTips(const MainWindowModel& model, const NameTable& names);

    // The chosen font changed. Must come after the names are loaded.
    void FontChanged() { stale_ = true; }
    // The tip of the Subranges list item starting at `first` with this text; empty before the
    // first count.
    QString ToolTip(long first, const QString& text) const;

private:
    const MainWindowModel& model_;
    const NameTable& names_;
    mutable std::optional<SubrangeGlyphCounts> counter_;
    mutable std::vector<GlyphCount> counts_;
    mutable bool stale_ = false;
};

}  // namespace glyphora

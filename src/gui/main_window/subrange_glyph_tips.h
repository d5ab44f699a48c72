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
// font has a glyph for ("Greek and Coptic — 127 of 135"), counted once per font choice.
class SubrangeGlyphTips {
public:
    // Both outlive this.
    SubrangeGlyphTips(const MainWindowModel& model, const NameTable& names);

    // The chosen font changed. The first call reads the assigned characters, so it must come
    // after the names are loaded.
    void FontChanged();
    // The tip of the Subranges list item with this key and text; empty before the first count.
    QString ToolTip(const std::string& key, const QString& text) const;

private:
    const MainWindowModel& model_;
    const NameTable& names_;
    std::optional<SubrangeGlyphCounts> counter_;
    std::vector<GlyphCount> counts_;
};

}  // namespace glyphora

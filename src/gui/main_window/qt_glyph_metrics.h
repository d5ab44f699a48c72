#pragma once

#include "main_window/char_view.h"
#include "table/window_services.h"

namespace glyphora {

// The view font's metrics as the model's font choice asks for them, read with Qt from the font
// of the character view; setting a size sets the view font's size, as the choice expects.
class QtGlyphMetrics final : public GlyphMetrics {
public:
    explicit QtGlyphMetrics(CharView& view) : view_(view) {}

    void SetFamily(const std::u16string& family) override;
    AbcWidths CharAbcWidths(char16_t code_unit) override;
    ViewTextMetrics Metrics(int point_size) override;
    int ViewInnerHeight() override { return view_.contentsRect().height(); }
    int LogPixelsY() override { return view_.logicalDpiY(); }

private:
    CharView& view_;
};

}  // namespace glyphora

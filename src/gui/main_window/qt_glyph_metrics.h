#pragma once

#include <QHash>
#include <QRawFont>
#include <QString>

#include "main_window/char_view.h"
#include "table/window_services.h"

namespace glyphora {

// The view font's metrics as the model's font choice asks for them; setting a size sets the view
// font's size, as the choice expects. The text metrics come from the font's design units (one
// font engine per family, which the table's cells share) scaled to the view's size, rather than
// from an engine made for each size the choice tries.
class QtGlyphMetrics final : public GlyphMetrics {
public:
    explicit QtGlyphMetrics(CharView& view) : view_(view) {}

    void SetFamily(const std::u16string& family) override;
    GlyphBearings SideBearings(char16_t code_unit) override;
    ViewTextMetrics Metrics(int point_size) override;
    int ViewInnerHeight() override { return view_.contentsRect().height(); }
    int ViewInnerWidth() override { return view_.contentsRect().width(); }
    int DotsPerInchY() override { return view_.logicalDpiY(); }

private:
    CharView& view_;
    QRawFont design_;  // the family at one pixel per design unit; invalid when Qt lacks it
    QHash<QString, QRawFont> designs_;  // by family: choosing a font again costs nothing
};

}  // namespace glyphora

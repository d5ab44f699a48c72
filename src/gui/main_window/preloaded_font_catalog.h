#pragma once

#include <memory>
#include <optional>

#include "app/startup_preload.h"
#include "fonts/fontconfig_font_source.h"
#include "fonts/installed_font_catalog.h"
#include "table/window_services.h"

namespace glyphora {

// The installed fonts for the model, taken from the start-up preload when the font list is first
// built, so that building the window never waits for the font listing; without a preload the
// fonts are listed right then.
class PreloadedFontCatalog final : public FontCatalog {
public:
    explicit PreloadedFontCatalog(StartupPreload* preload) : preload_(preload) {}

    ListViewModel BuildFontList(const TextMeasure& measure, int view_width) override {
        return Catalog().BuildFontList(measure, view_width);
    }
    std::optional<FontDescription> Describe(long id) override { return Catalog().Describe(id); }
    GlyphRanges Ranges(long id) override { return Catalog().Ranges(id); }

private:
    InstalledFontCatalog& Catalog() {
        if (!catalog_) {
            if (preload_) source_ = preload_->TakeFontSource();
            if (!source_) source_ = std::make_unique<FontconfigFontSource>();
            catalog_.emplace(*source_);
        }
        return *catalog_;
    }

    StartupPreload* preload_;
    std::unique_ptr<FontconfigFontSource> source_;
    std::optional<InstalledFontCatalog> catalog_;
};

}  // namespace glyphora

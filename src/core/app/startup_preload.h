#pragma once

#include <future>
#include <memory>

#include "app/paths.h"
#include "fonts/fontconfig_font_source.h"
#include "unicode/name_table.h"

namespace glyphora {

// The two slow parts of start-up that need nothing from the window system: listing the installed
// fonts and putting the data files in place and loading the name table from them. They run on
// worker threads while the program connects to the display and builds its widgets; start-up
// takes the results at the steps where it would otherwise do the work itself, so the order in
// which the window sees them does not change.
class StartupPreload {
public:
    // Starts both jobs. Only after the version test has passed: the data files may be written.
    explicit StartupPreload(const AppPaths& paths);
    // Waits for whatever was not taken.
    ~StartupPreload();
    StartupPreload(const StartupPreload&) = delete;
    StartupPreload& operator=(const StartupPreload&) = delete;

    // Waits until fontconfig's configuration is loaded: before the toolkit's first use of fonts,
    // which would otherwise load a second copy beside the worker's (with a cold font cache, a
    // second scan of every font file).
    void WaitForFontConfiguration() const;
    // Each waits for its job and hands its result over once; later calls give nothing (nullptr,
    // an empty table).
    std::unique_ptr<FontconfigFontSource> TakeFontSource();
    NameTable TakeNames();

private:
    std::shared_future<void> font_configuration_;
    std::future<std::unique_ptr<FontconfigFontSource>> fonts_;
    std::future<NameTable> names_;
};

}  // namespace glyphora

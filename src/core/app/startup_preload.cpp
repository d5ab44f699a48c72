#include "app/startup_preload.h"

#include "app/data_files.h"
#include "unicode/icu_name_service.h"

namespace glyphora {

StartupPreload::StartupPreload(const AppPaths& paths) {
    std::promise<void> configured;
    font_configuration_ = configured.get_future().share();
    fonts_ = std::async(std::launch::async, [configured = std::move(configured)]() mutable {
        FontconfigFontSource::LoadConfiguration();
        configured.set_value();
        return std::make_unique<FontconfigFontSource>();
    });
    names_ = std::async(std::launch::async, [paths] {
        PrepareDataFiles(paths);
        NameTable names;
        names.LoadCharDataOnDemand(std::make_shared<IcuNameService>(),
                                   CharDataFiles{paths.name_data_file, paths.entity_data_file});
        return names;
    });
}

void StartupPreload::WaitForFontConfiguration() const { font_configuration_.wait(); }

StartupPreload::~StartupPreload() {
    if (fonts_.valid()) fonts_.wait();
    if (names_.valid()) names_.wait();
}

std::unique_ptr<FontconfigFontSource> StartupPreload::TakeFontSource() {
    return fonts_.valid() ? fonts_.get() : nullptr;
}

NameTable StartupPreload::TakeNames() { return names_.valid() ? names_.get() : NameTable(); }

}  // namespace glyphora

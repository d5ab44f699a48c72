#include "cli_data.h"

#include <filesystem>
#include <optional>
#include <string>
#include <system_error>

#include "app/paths.h"
#include "unicode/builtin_data.h"
#include "unicode/char_data_file.h"
#include "unicode/icu_name_service.h"

namespace glyphora::cli {

namespace {

// The file's text; the built-in copy when no file stands there; nullopt when a file stands there
// but cannot be read (the program would not overwrite it and would then load no data from it).
std::optional<std::string> DataText(const std::filesystem::path& path, std::string_view builtin) {
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) return std::string(builtin);
    return ReadDataFile(path);
}

std::optional<std::string_view> View(const std::optional<std::string>& text) {
    if (!text) return std::nullopt;
    return std::string_view(*text);
}

}  // namespace

NameTable LoadCliNameTable(const CliArgs& args) {
    std::filesystem::path name_file;
    std::filesystem::path entity_file;
    if (const auto dir = args.Option("--data-dir")) {
        std::error_code ec;
        if (!std::filesystem::is_directory(*dir, ec))
            throw UsageError{"--data-dir: not a folder: '" + *dir + "'"};
        name_file = std::filesystem::path(*dir) / "glyphora.csv";
        entity_file = std::filesystem::path(*dir) / "glyphora.ent";
    } else {
        const AppPaths paths = ResolvePaths(CurrentPathEnvironment(), "glyphora");
        name_file = paths.name_data_file;
        entity_file = paths.entity_data_file;
    }
    const auto name_data = DataText(name_file, builtin::NameData());
    const auto entity_data = DataText(entity_file, builtin::EntityData());
    NameTable table;
    table.LoadCharData(IcuNameService{}, View(name_data), View(entity_data));
    return table;
}

}  // namespace glyphora::cli

#include "app/paths.h"

#include <unistd.h>

#include <cstdlib>
#include <system_error>
#include <utility>

#include "app/atomic_file.h"
#include "app/settings_store.h"

namespace glyphora {

namespace {

std::string Env(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::filesystem::path XdgDir(const std::string& xdg, const std::string& home, const char* fallback) {
    // The XDG rules ignore relative values.
    if (!xdg.empty() && xdg.front() == '/') return std::filesystem::path(xdg) / "glyphora";
    return std::filesystem::path(home.empty() ? "/tmp" : home) / fallback / "glyphora";
}

// Folders of installed programs: never a home for settings, even for root, whom the permission
// test lets write anywhere.
bool IsSystemProgramFolder(const std::filesystem::path& folder) {
    const std::string text = folder.lexically_normal().string() + "/";
    for (const char* prefix : {"/usr/", "/bin/", "/sbin/", "/lib/", "/lib64/", "/opt/"})
        if (text.rfind(prefix, 0) == 0) return true;
    return false;
}

bool FolderWritable(const PathEnvironment& env, const std::filesystem::path& folder) {
    if (env.folder_writable) return env.folder_writable(folder);
    return ::access(folder.c_str(), W_OK | X_OK) == 0;
}

bool IsFile(const std::filesystem::path& file) {
    std::error_code ec;
    return std::filesystem::is_regular_file(file, ec);
}

}  // namespace

PathEnvironment CurrentPathEnvironment() {
    PathEnvironment env;
    std::error_code ec;
    env.executable = std::filesystem::read_symlink("/proc/self/exe", ec);
    env.home = Env("HOME");
    env.xdg_config_home = Env("XDG_CONFIG_HOME");
    env.xdg_data_home = Env("XDG_DATA_HOME");
    return env;
}

AppPaths ResolvePaths(const PathEnvironment& env, const std::string& base_name) {
    AppPaths paths;
    paths.program_dir = env.executable.parent_path();
    paths.base_name = base_name.empty() ? env.executable.stem().string() : base_name;
    if (paths.base_name.empty()) paths.base_name = "glyphora";

    paths.portable = !paths.program_dir.empty() && !IsSystemProgramFolder(paths.program_dir) &&
                     FolderWritable(env, paths.program_dir);
    const std::filesystem::path config_dir =
        paths.portable ? paths.program_dir
                       : XdgDir(env.xdg_config_home, env.home, ".config");
    const std::filesystem::path data_dir =
        paths.portable ? paths.program_dir
                       : XdgDir(env.xdg_data_home, env.home, ".local/share");

    // A file beside the executable is the user's, also where it can no longer be written.
    const auto beside_or = [&](const std::filesystem::path& folder, const char* extension) {
        const std::filesystem::path beside = paths.program_dir / (paths.base_name + extension);
        return !paths.portable && !paths.program_dir.empty() && IsFile(beside)
                   ? beside
                   : folder / (paths.base_name + extension);
    };
    paths.settings_file = config_dir / (paths.base_name + ".dat");
    paths.name_data_file = beside_or(data_dir, ".csv");
    paths.entity_data_file = beside_or(data_dir, ".ent");
    paths.help_file = beside_or(data_dir, ".help");
    const std::filesystem::path beside_settings = beside_or(config_dir, ".dat");
    if (beside_settings != paths.settings_file) {
        std::error_code ec;
        if (!std::filesystem::exists(std::filesystem::symlink_status(paths.settings_file, ec)))
            paths.portable_settings_file = beside_settings;
    }
    return paths;
}

void AdoptPortableSettings(AppPaths& paths) {
    if (paths.portable_settings_file.empty()) return;
    const std::filesystem::path beside = std::exchange(paths.portable_settings_file, {});
    const FileRead read = ReadWholeFile(beside, kSettingsFileSizeLimit);
    // Unreadable beside the executable: nothing to keep, the settings file starts afresh.
    if (read.status != FileReadStatus::Ok) return;
    if (WriteFileAtomically(paths.settings_file, read.bytes, AtomicWriteMode::CreateOnly) ==
        AtomicWriteStatus::Failed)
        paths.settings_file = beside;
}

}  // namespace glyphora

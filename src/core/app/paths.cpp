#include "app/paths.h"

#include <unistd.h>

#include <cstdlib>
#include <system_error>

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
                     ::access(paths.program_dir.c_str(), W_OK | X_OK) == 0;
    const std::filesystem::path config_dir =
        paths.portable ? paths.program_dir
                       : XdgDir(env.xdg_config_home, env.home, ".config");
    const std::filesystem::path data_dir =
        paths.portable ? paths.program_dir
                       : XdgDir(env.xdg_data_home, env.home, ".local/share");

    paths.settings_file = config_dir / (paths.base_name + ".dat");
    paths.name_data_file = data_dir / (paths.base_name + ".csv");
    paths.entity_data_file = data_dir / (paths.base_name + ".ent");
    paths.help_file = data_dir / (paths.base_name + ".help");
    return paths;
}

}  // namespace glyphora

#pragma once

#include <filesystem>
#include <string>

namespace glyphora {

// What the path rules read from the process: injected so tests never see the real home.
struct PathEnvironment {
    std::filesystem::path executable;  // full path of the running program
    std::string home;                  // $HOME
    std::string xdg_config_home;       // $XDG_CONFIG_HOME, may be empty
    std::string xdg_data_home;         // $XDG_DATA_HOME, may be empty
};

// Where the program keeps its files.
struct AppPaths {
    std::filesystem::path program_dir;
    std::string base_name;  // "glyphora" as shipped
    bool portable = false;  // files beside the executable
    std::filesystem::path settings_file;     // base + ".dat"
    std::filesystem::path name_data_file;    // base + ".csv"
    std::filesystem::path entity_data_file;  // base + ".ent"
    std::filesystem::path help_file;         // base + ".help"
};

// The environment of this process (/proc/self/exe and the XDG variables).
PathEnvironment CurrentPathEnvironment();

// Files stand beside the executable when its folder is writable (portable use); otherwise the
// settings go to $XDG_CONFIG_HOME/glyphora/ and the data files to $XDG_DATA_HOME/glyphora/.
// An empty base_name takes the executable's file name without its extension.
AppPaths ResolvePaths(const PathEnvironment& env, const std::string& base_name = {});

}  // namespace glyphora

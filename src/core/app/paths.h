#pragma once

#include <filesystem>
#include <functional>
#include <string>

namespace glyphora {

// What the path rules read from the process: injected so tests never see the real home.
struct PathEnvironment {
    std::filesystem::path executable;  // full path of the running program
    std::string home;                  // $HOME
    std::string xdg_config_home;       // $XDG_CONFIG_HOME, may be empty
    std::string xdg_data_home;         // $XDG_DATA_HOME, may be empty
    // Whether new files can be put in a folder; empty: the process's own access rights. Tests
    // stand in for a read-only folder with it, which root could write all the same.
    std::function<bool(const std::filesystem::path&)> folder_writable;
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
    // Settings beside a program folder that cannot be written, which the settings file above
    // does not hold yet: AdoptPortableSettings carries them over before they are first read.
    std::filesystem::path portable_settings_file;
};

// The environment of this process (/proc/self/exe and the XDG variables).
PathEnvironment CurrentPathEnvironment();

// Files stand beside the executable when its folder is writable (portable use); otherwise the
// settings go to $XDG_CONFIG_HOME/glyphora/ and the data files to $XDG_DATA_HOME/glyphora/,
// except that data files found beside the executable are still read from there (a folder made
// read-only after a portable start keeps the user's edited copies). Settings found beside the
// executable are named in portable_settings_file until the settings file exists; from then on
// that copy is preferred. An empty base_name takes the executable's file name without its
// extension.
AppPaths ResolvePaths(const PathEnvironment& env, const std::string& base_name = {});

// Copies the settings named in portable_settings_file to the settings file when that is still
// missing, so that the user keeps them and the first write there holds all of them. When the copy
// cannot be made, the settings file becomes the copy beside the executable: read as it is,
// though changes cannot be written back. Clears portable_settings_file.
void AdoptPortableSettings(AppPaths& paths);

}  // namespace glyphora

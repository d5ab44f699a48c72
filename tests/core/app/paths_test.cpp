#include "app/paths.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "temp_folder.h"

namespace glyphora {
namespace {

// A program folder that does not exist cannot be written, whoever runs the test.
PathEnvironment InstalledEnvironment(std::string config, std::string data,
                                     std::string exe = "/nonexistent-glyphora-test/glyphora") {
    PathEnvironment env;
    env.executable = std::move(exe);
    env.home = "/home/someone";
    env.xdg_config_home = std::move(config);
    env.xdg_data_home = std::move(data);
    return env;
}

TEST(ResolvePaths, FilesStandBesideAWritableProgramFolder) {
    testing::TempFolder folder;
    const AppPaths paths =
        ResolvePaths(InstalledEnvironment("/xdg/config", "/xdg/data", folder / "glyphora"));
    EXPECT_TRUE(paths.portable);
    EXPECT_EQ(paths.program_dir, folder.path());
    EXPECT_EQ(paths.settings_file, folder / "glyphora.dat");
    EXPECT_EQ(paths.name_data_file, folder / "glyphora.csv");
    EXPECT_EQ(paths.entity_data_file, folder / "glyphora.ent");
}

TEST(ResolvePaths, AnUnwritableOrInstalledProgramFolderSendsFilesToTheXdgFolders) {
    struct Case {
        const char *config, *data, *exe, *settings, *names;
    } cases[] = {
        {"/xdg/config", "/xdg/data", "/nonexistent-glyphora-test/glyphora",
         "/xdg/config/glyphora/glyphora.dat", "/xdg/data/glyphora/glyphora.csv"},
        {"", "", "/nonexistent-glyphora-test/glyphora",
         "/home/someone/.config/glyphora/glyphora.dat",
         "/home/someone/.local/share/glyphora/glyphora.csv"},
        {"relative/config", "./data", "/nonexistent-glyphora-test/glyphora",
         "/home/someone/.config/glyphora/glyphora.dat",
         "/home/someone/.local/share/glyphora/glyphora.csv"},
        // /usr/bin is writable for root, yet settings must not land there.
        {"/c", "/d", "/usr/bin/glyphora", "/c/glyphora/glyphora.dat", "/d/glyphora/glyphora.csv"},
        {"/c", "/d", "/usr/local/bin/glyphora", "/c/glyphora/glyphora.dat",
         "/d/glyphora/glyphora.csv"},
        {"/c", "/d", "/opt/g/Glyphora.bin", "/c/glyphora/Glyphora.dat", "/d/glyphora/Glyphora.csv"},
    };
    for (const auto& c : cases) {
        const AppPaths paths = ResolvePaths(InstalledEnvironment(c.config, c.data, c.exe));
        EXPECT_FALSE(paths.portable) << c.exe;
        EXPECT_EQ(paths.settings_file, c.settings) << c.config;
        EXPECT_EQ(paths.name_data_file, c.names) << c.data;
        EXPECT_EQ(paths.entity_data_file,
                  paths.name_data_file.parent_path() / (paths.base_name + ".ent"));
    }
    EXPECT_EQ(ResolvePaths(InstalledEnvironment("/c", "/d"), "other").settings_file,
              "/c/glyphora/other.dat");
}

TEST(ResolvePaths, AReadOnlyProgramFolderIsNotPortable) {
    if (::geteuid() == 0) GTEST_SKIP() << "permission bits do not stop root";
    testing::TempFolder folder;
    std::filesystem::create_directory(folder / "bin");
    ::chmod((folder / "bin").c_str(), 0555);
    EXPECT_FALSE(ResolvePaths(InstalledEnvironment("/c", "/d", folder / "bin/glyphora")).portable);
}

}  // namespace
}  // namespace glyphora

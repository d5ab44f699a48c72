#include "app/paths.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "temp_folder.h"

namespace glyphora {
namespace {

TEST(ResolvePaths, FilesStandBesideAWritableProgramFolder) {
    testing::TempFolder folder;
    PathEnvironment env;
    env.executable = folder / "glyphora";
    env.home = "/home/someone";
    env.xdg_config_home = "/xdg/config";
    env.xdg_data_home = "/xdg/data";
    const AppPaths paths = ResolvePaths(env);
    EXPECT_TRUE(paths.portable);
    EXPECT_EQ(paths.program_dir, folder.path());
    EXPECT_EQ(paths.base_name, "glyphora");
    EXPECT_EQ(paths.settings_file, folder / "glyphora.dat");
    EXPECT_EQ(paths.name_data_file, folder / "glyphora.csv");
    EXPECT_EQ(paths.entity_data_file, folder / "glyphora.ent");
}

// A program folder that does not exist cannot be written, whoever runs the test.
PathEnvironment InstalledEnvironment(std::string config, std::string data) {
    PathEnvironment env;
    env.executable = "/nonexistent-glyphora-test/bin/glyphora";
    env.home = "/home/someone";
    env.xdg_config_home = std::move(config);
    env.xdg_data_home = std::move(data);
    return env;
}

TEST(ResolvePaths, AnUnwritableProgramFolderSendsFilesToTheXdgFolders) {
    struct Case {
        const char* config;
        const char* data;
        const char* settings;
        const char* names;
    } cases[] = {
        {"/xdg/config", "/xdg/data", "/xdg/config/glyphora/glyphora.dat",
         "/xdg/data/glyphora/glyphora.csv"},
        {"", "", "/home/someone/.config/glyphora/glyphora.dat",
         "/home/someone/.local/share/glyphora/glyphora.csv"},
        {"relative/config", "./data", "/home/someone/.config/glyphora/glyphora.dat",
         "/home/someone/.local/share/glyphora/glyphora.csv"},
    };
    for (const auto& c : cases) {
        const AppPaths paths = ResolvePaths(InstalledEnvironment(c.config, c.data));
        EXPECT_FALSE(paths.portable);
        EXPECT_EQ(paths.settings_file, c.settings) << c.config;
        EXPECT_EQ(paths.name_data_file, c.names) << c.data;
        EXPECT_EQ(paths.entity_data_file.parent_path(), paths.name_data_file.parent_path());
        EXPECT_EQ(paths.entity_data_file.filename(), "glyphora.ent");
    }
}

TEST(ResolvePaths, TheBaseNameComesFromTheExecutableUnlessGiven) {
    PathEnvironment env = InstalledEnvironment("/c", "/d");
    env.executable = "/nonexistent-glyphora-test/Glyphora.bin";
    EXPECT_EQ(ResolvePaths(env).base_name, "Glyphora");
    EXPECT_EQ(ResolvePaths(env).settings_file, "/c/glyphora/Glyphora.dat");
    EXPECT_EQ(ResolvePaths(env, "other").settings_file, "/c/glyphora/other.dat");
}

TEST(ResolvePaths, AnInstalledProgramIsNeverPortable) {
    // /usr/bin is writable for root, yet settings must not land there.
    for (const char* exe : {"/usr/bin/glyphora", "/usr/local/bin/glyphora", "/opt/g/glyphora"}) {
        PathEnvironment env = InstalledEnvironment("/c", "/d");
        env.executable = exe;
        EXPECT_FALSE(ResolvePaths(env).portable) << exe;
        EXPECT_EQ(ResolvePaths(env).settings_file, "/c/glyphora/glyphora.dat") << exe;
    }
}

TEST(ResolvePaths, AReadOnlyProgramFolderIsNotPortable) {
    if (::geteuid() == 0) GTEST_SKIP() << "permission bits do not stop root";
    testing::TempFolder folder;
    std::filesystem::create_directory(folder / "bin");
    ::chmod((folder / "bin").c_str(), 0555);
    PathEnvironment env = InstalledEnvironment("/c", "/d");
    env.executable = folder / "bin/glyphora";
    EXPECT_FALSE(ResolvePaths(env).portable);
}

}  // namespace
}  // namespace glyphora

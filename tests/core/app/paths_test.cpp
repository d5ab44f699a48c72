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

// After a portable start the folder was made read-only (chmod 555; root could still write it, so
// the test says so through the environment).
TEST(ResolvePaths, AReadOnlyProgramFolderKeepsTheUsersFilesBesideIt) {
    struct Case {
        bool settings_beside, settings_in_config, data_beside;
        bool settings_carried_over;  // the config copy is made from the one beside
    } cases[] = {
        {true, false, true, true},
        {true, true, true, false},  // a copy in the config folder is preferred
        {false, false, false, false},
        {false, true, true, false},
    };
    for (const Case& c : cases) {
        testing::TempFolder folder;
        std::filesystem::create_directories(folder / "bin");
        std::filesystem::create_directories(folder / "config/glyphora");
        PathEnvironment env =
            InstalledEnvironment((folder / "config").string(), (folder / "data").string());
        env.executable = folder / "bin/glyphora";
        env.folder_writable = [](const std::filesystem::path&) { return false; };
        if (c.settings_beside) testing::WriteBytes(folder / "bin/glyphora.dat", "[fwMain]\nA=1\n");
        if (c.settings_in_config)
            testing::WriteBytes(folder / "config/glyphora/glyphora.dat", "[fwMain]\nB=2\n");
        for (const char* data : {"glyphora.csv", "glyphora.ent", "glyphora.help"})
            if (c.data_beside) testing::WriteBytes(folder / "bin" / data, "edited");

        AppPaths paths = ResolvePaths(env);
        EXPECT_FALSE(paths.portable);
        const std::filesystem::path data =
            c.data_beside ? folder / "bin" : folder / "data/glyphora";
        EXPECT_EQ(paths.name_data_file, data / "glyphora.csv");
        EXPECT_EQ(paths.entity_data_file, data / "glyphora.ent");
        EXPECT_EQ(paths.help_file, data / "glyphora.help");
        const std::filesystem::path config = folder / "config/glyphora/glyphora.dat";
        EXPECT_EQ(paths.settings_file, config);
        const std::string before = testing::ReadBytes(config);
        AdoptPortableSettings(paths);
        EXPECT_EQ(paths.settings_file, config);
        EXPECT_TRUE(paths.portable_settings_file.empty());
        EXPECT_EQ(testing::ReadBytes(config), c.settings_carried_over ? "[fwMain]\nA=1\n" : before);
    }
}

TEST(ResolvePaths, SettingsThatCannotBeCarriedOverAreReadBesideTheProgram) {
    testing::TempFolder folder;
    std::filesystem::create_directories(folder / "bin");
    testing::WriteBytes(folder / "bin/glyphora.dat", "[fwMain]\nA=1\n");
    testing::WriteBytes(folder / "config", "a file where the config folder should be");
    PathEnvironment env = InstalledEnvironment((folder / "config").string(), "/d");
    env.executable = folder / "bin/glyphora";
    env.folder_writable = [](const std::filesystem::path&) { return false; };
    AppPaths paths = ResolvePaths(env);
    AdoptPortableSettings(paths);
    EXPECT_EQ(paths.settings_file, folder / "bin/glyphora.dat");
}

}  // namespace
}  // namespace glyphora

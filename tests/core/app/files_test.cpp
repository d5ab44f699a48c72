// Where the program's files live and how they are put in place: paths, the desktop entry, the
// built-in data files, atomic writes and the start-up preload.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <random>
#include <thread>

#include "app/atomic_file.h"
#include "app/data_files.h"
#include "app/desktop_entry.h"
#include "app/ini_file.h"
#include "app/paths.h"
#include "app/settings_store.h"
#include "app/startup_preload.h"
#include "temp_folder.h"
#include "unicode/builtin_data.h"

namespace glyphora::testing {
namespace {

// A program folder that does not exist cannot be written, whoever runs the test.
PathEnvironment Environment(std::string config, std::string data,
                            std::string exe = "/nonexistent-glyphora-test/glyphora") {
    PathEnvironment env;
    env.executable = std::move(exe);
    env.home = "/home/someone";
    env.xdg_config_home = std::move(config);
    env.xdg_data_home = std::move(data);
    return env;
}

TEST(ResolvePaths, FilesStandBesideAWritableProgramFolderElseInTheXdgFolders) {
    TempFolder folder;
    AppPaths paths = ResolvePaths(Environment("/c", "/d", folder / "glyphora"));
    EXPECT_TRUE(paths.portable);
    EXPECT_EQ(paths.settings_file, folder / "glyphora.dat");
    EXPECT_EQ(paths.entity_data_file, folder / "glyphora.ent");
    const struct {
        const char *config, *data, *exe, *settings, *names;
    } cases[] = {
        {"/c", "/d", "/nonexistent-glyphora-test/glyphora", "/c/glyphora/glyphora.dat",
         "/d/glyphora/glyphora.csv"},
        {"", "relative", "/nonexistent-glyphora-test/glyphora",
         "/home/someone/.config/glyphora/glyphora.dat",
         "/home/someone/.local/share/glyphora/glyphora.csv"},
        // /usr/bin is writable for root, yet settings must not land there.
        {"/c", "/d", "/usr/bin/glyphora", "/c/glyphora/glyphora.dat", "/d/glyphora/glyphora.csv"},
        {"/c", "/d", "/opt/g/Glyphora.bin", "/c/glyphora/Glyphora.dat", "/d/glyphora/Glyphora.csv"},
    };
    for (const auto& c : cases) {
        paths = ResolvePaths(Environment(c.config, c.data, c.exe));
        EXPECT_FALSE(paths.portable) << c.exe;
        EXPECT_EQ(paths.settings_file, c.settings) << c.exe;
        EXPECT_EQ(paths.name_data_file, c.names) << c.exe;
    }
    EXPECT_EQ(ResolvePaths(Environment("/c", "/d"), "other").help_file, "/d/glyphora/other.help");
    if (::geteuid() == 0) return;  // permission bits do not stop root
    std::filesystem::create_directory(folder / "bin");
    ::chmod((folder / "bin").c_str(), 0555);
    EXPECT_FALSE(ResolvePaths(Environment("/c", "/d", folder / "bin/glyphora")).portable);
}

// After a portable start the folder was made read-only (chmod 555; root could still write it, so
// the test says so through the environment): the user's files beside the program are kept.
TEST(ResolvePaths, AReadOnlyProgramFolderKeepsTheUsersFilesBesideIt) {
    const struct {
        bool settings_beside, settings_in_config, data_beside;
        bool settings_carried_over;  // the config copy is made from the one beside
    } cases[] = {
        {true, false, true, true},
        {true, true, true, false},  // a copy in the config folder is preferred
        {false, false, false, false},
        {false, true, true, false},
    };
    for (const auto& c : cases) {
        TempFolder folder;
        std::filesystem::create_directories(folder / "bin");
        std::filesystem::create_directories(folder / "config/glyphora");
        PathEnvironment env = Environment((folder / "config").string(), (folder / "data").string(),
                                          folder / "bin/glyphora");
        env.folder_writable = [](const std::filesystem::path&) { return false; };
        if (c.settings_beside) WriteBytes(folder / "bin/glyphora.dat", "[fwMain]\nA=1\n");
        if (c.settings_in_config)
            WriteBytes(folder / "config/glyphora/glyphora.dat", "[fwMain]\nB=2\n");
        for (const char* data : {"glyphora.csv", "glyphora.ent", "glyphora.help"})
            if (c.data_beside) WriteBytes(folder / "bin" / data, "edited");

        AppPaths paths = ResolvePaths(env);
        EXPECT_FALSE(paths.portable);
        const std::filesystem::path data =
            c.data_beside ? folder / "bin" : folder / "data/glyphora";
        EXPECT_EQ(paths.name_data_file, data / "glyphora.csv");
        EXPECT_EQ(paths.entity_data_file, data / "glyphora.ent");
        EXPECT_EQ(paths.help_file, data / "glyphora.help");
        const std::filesystem::path config = folder / "config/glyphora/glyphora.dat";
        const std::string before = ReadBytes(config);
        AdoptPortableSettings(paths);
        EXPECT_EQ(paths.settings_file, config);
        EXPECT_TRUE(paths.portable_settings_file.empty());
        EXPECT_EQ(ReadBytes(config), c.settings_carried_over ? "[fwMain]\nA=1\n" : before);
    }
    // Settings that cannot be carried over are read beside the program.
    TempFolder folder;
    std::filesystem::create_directories(folder / "bin");
    WriteBytes(folder / "bin/glyphora.dat", "[fwMain]\nA=1\n");
    WriteBytes(folder / "config", "a file where the config folder should be");
    PathEnvironment env = Environment((folder / "config").string(), "/d", folder / "bin/glyphora");
    env.folder_writable = [](const std::filesystem::path&) { return false; };
    AppPaths paths = ResolvePaths(env);
    AdoptPortableSettings(paths);
    EXPECT_EQ(paths.settings_file, folder / "bin/glyphora.dat");
}

TEST(DesktopEntry, QuotesAndEscapesThePathAndIsWrittenOnlyWhenItDiffers) {
    PathEnvironment env = Environment("", "/data");
    EXPECT_EQ(DesktopEntryPath(env, "glyphora"), "/data/applications/glyphora.desktop");
    env.xdg_data_home = "relative/data";  // ignored, as the XDG rules say
    EXPECT_EQ(DesktopEntryPath(env, "glyphora"),
              "/home/someone/.local/share/applications/glyphora.desktop");
    env.home.clear();
    EXPECT_EQ(DesktopEntryPath(env, "glyphora"), std::nullopt);
    // Inside the quotes \ " ` $ take a backslash; then every backslash of the value is doubled
    // as a string value requires, and a lone % would start a field code.
    const std::pair<const char*, const char*> cases[] = {
        {"/opt/g/glyphora",
         "Exec=/opt/g/glyphora\nTryExec=/opt/g/glyphora\nPath=/opt/g\nX-Glyphora-Version=1.00\n"},
        {"/home/a b/glyphora",
         "Exec=\"/home/a b/glyphora\"\nTryExec=/home/a b/glyphora\nPath=/home/a b\n"},
        {"/x/$HOME/g", "Exec=\"/x/\\\\$HOME/g\"\nTryExec=/x/$HOME/g\nPath=/x/$HOME\n"},
        {"/x/back\\slash/g",
         "Exec=\"/x/back\\\\\\\\slash/g\"\nTryExec=/x/back\\\\slash/g\nPath=/x/back\\\\slash\n"},
        {"/x/100%/g", "Exec=/x/100%%/g\nTryExec=/x/100%/g\nPath=/x/100%\n"},
    };
    for (const auto& [executable, lines] : cases) {
        const auto text = DesktopEntryText(executable, "1.00");
        ASSERT_TRUE(text && text->starts_with("[Desktop Entry]\n")) << executable;
        EXPECT_NE(text->find(lines), std::string::npos) << *text;
    }
    EXPECT_EQ(DesktopEntryText("glyphora", "1.00"), std::nullopt);
    EXPECT_EQ(DesktopEntryText("/x/line\nbreak/glyphora", "1.00"), std::nullopt);
    EXPECT_EQ(DesktopEntryText("/x/glyphora", "1.00\n[Other]"), std::nullopt);

    TempFolder folder;
    const auto file = folder / "applications" / "glyphora.desktop";
    EXPECT_EQ(WriteDesktopEntry(file, "one\n"), DesktopEntryWrite::Written);
    AgeFile(file);
    EXPECT_EQ(WriteDesktopEntry(file, "one\n"), DesktopEntryWrite::Unchanged);
    EXPECT_EQ(StatOf(file).st_mtim.tv_sec, 1000000000);
    EXPECT_EQ(WriteDesktopEntry(file, "two\n"), DesktopEntryWrite::Written);
    EXPECT_EQ(WriteDesktopEntry(file / "x.desktop", "x"), DesktopEntryWrite::Failed);
    std::filesystem::create_directories(folder / "glyphora.desktop");
    EXPECT_EQ(WriteDesktopEntry(folder / "glyphora.desktop", "x"), DesktopEntryWrite::Failed);
    EXPECT_EQ(ReadBytes(file), "two\n");
}

TEST(DataFiles, MissingFilesAreWrittenFromTheBuiltInDataAndPresentOnesNeverTouched) {
    TempFolder folder;
    AppPaths paths;
    paths.name_data_file = folder / "share/glyphora.csv";  // the folder is made too
    paths.entity_data_file = folder / "share/glyphora.ent";
    paths.help_file = folder / "share/glyphora.help";
    WriteBytes(folder / "elsewhere", "mine");
    std::filesystem::create_directories(folder / "share");
    std::filesystem::create_symlink(folder / "elsewhere", paths.help_file);  // counts as present
    DataFilesResult result = PrepareDataFiles(paths);
    EXPECT_EQ(result.names, DataFileResult::Written);
    EXPECT_EQ(result.entities, DataFileResult::Written);
    EXPECT_EQ(result.help, DataFileResult::Kept);
    EXPECT_EQ(ReadBytes(paths.name_data_file), builtin::NameData());
    EXPECT_EQ(ReadBytes(paths.entity_data_file), builtin::EntityData());
    EXPECT_EQ(ReadBytes(folder / "elsewhere"), "mine");
    EXPECT_EQ(FolderEntries(folder / "share").size(), 3u);  // no temporary left

    WriteBytes(paths.name_data_file, "0041;my own name\r\n");
    AgeFile(paths.name_data_file);
    const auto inode = StatOf(paths.name_data_file).st_ino;
    std::filesystem::remove(paths.entity_data_file);
    std::filesystem::create_directory(paths.entity_data_file);
    result = PrepareDataFiles(paths);
    EXPECT_EQ(result.names, DataFileResult::Kept);
    EXPECT_EQ(result.entities, DataFileResult::NotAFile);
    EXPECT_EQ(ReadBytes(paths.name_data_file), "0041;my own name\r\n");
    EXPECT_EQ(StatOf(paths.name_data_file).st_ino, inode);
    EXPECT_EQ(StatOf(paths.name_data_file).st_mtim.tv_sec, 1000000000);

    std::filesystem::create_symlink("nowhere", folder / "dangling");
    EXPECT_EQ(WriteDataFileIfMissing(folder / "dangling", "data"), DataFileResult::NotAFile);
    EXPECT_FALSE(std::filesystem::exists(folder / "nowhere"));
    EXPECT_EQ(WriteDataFileIfMissing(folder / "elsewhere/x.csv", "data"), DataFileResult::Failed);
    EXPECT_EQ(WriteDataFileIfMissing("", "data"), DataFileResult::Failed);
    // One byte or none of built-in data writes nothing.
    EXPECT_EQ(WriteDataFileIfMissing(folder / "b.csv", "x"), DataFileResult::NoData);
    EXPECT_FALSE(std::filesystem::exists(folder / "b.csv"));
}

TEST(AtomicFile, RefusesWhatIsNoRegularFileWithoutBlockingAndNeverReplacesWhatItMustNot) {
    TempFolder folder;
    ASSERT_EQ(::mkfifo((folder / "pipe").c_str(), 0600), 0);
    EXPECT_EQ(ReadWholeFile(folder / "pipe", 100).status, FileReadStatus::NotAFile);
    EXPECT_EQ(ReadWholeFile(folder.path(), 100).status, FileReadStatus::NotAFile);
    EXPECT_EQ(ReadWholeFile(folder / "missing", 100).status, FileReadStatus::Missing);
    WriteBytes(folder / "f", "12345");
    EXPECT_EQ(ReadWholeFile(folder / "f", 4).status, FileReadStatus::TooLarge);
    EXPECT_EQ(ReadWholeFile(folder / "f", 5).bytes, "12345");
    EXPECT_EQ(WriteFileAtomically(folder / "f", "new", AtomicWriteMode::CreateOnly),
              AtomicWriteStatus::Exists);
    EXPECT_EQ(WriteFileAtomically(folder / "pipe", "x", AtomicWriteMode::Replace),
              AtomicWriteStatus::Failed);
    std::filesystem::create_symlink("b", folder / "a");
    std::filesystem::create_symlink("a", folder / "b");
    EXPECT_EQ(WriteFileAtomically(folder / "a", "x", AtomicWriteMode::Replace),
              AtomicWriteStatus::Failed);
    EXPECT_EQ(ReadBytes(folder / "f"), "12345");
    EXPECT_EQ(FolderEntries(folder.path()).size(), 4u);  // no temporary left
}

// The n-th value a writer stores: its number, then filler whose length and letter depend on it,
// so that a part of a file, or parts of two, never reads as a whole value.
std::string NthValue(long n) {
    return std::to_string(n) + ":" + std::string(30000 + n % 4093, static_cast<char>('a' + n % 26));
}

// A writer killed at random moments leaves the old or the new whole file and, after the next
// start's clean-up, no temporary file.
TEST(AtomicFile, SettingsSurviveAWriterKilledAtRandomMoments) {
    TempFolder folder;
    const auto file = folder / "glyphora.dat";
    ASSERT_EQ(WriteSettingText(file, "S", "v", NthValue(0)), SettingWrite::Written);
    std::mt19937 random(16);
    long last = 0;
    for (int round = 0; round < 25; ++round) {
        const pid_t writer = ::fork();
        ASSERT_GE(writer, 0);
        if (writer == 0) {
            for (long n = last + 1;; ++n) WriteSettingText(file, "S", "v", NthValue(n));
        }
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 20000));
        ::kill(writer, SIGKILL);
        ::waitpid(writer, nullptr, 0);

        const auto value = IniFile::Parse(ReadBytes(file)).Get("S", "v");
        ASSERT_TRUE(value) << "round " << round;
        const long n = std::stol(*value);
        ASSERT_EQ(*value, NthValue(n)) << "round " << round;
        ASSERT_GE(n, last);
        last = n;
        RemoveStaleTemporaries(file);
        EXPECT_EQ(FolderEntries(folder.path()), std::vector<std::string>{"glyphora.dat"});
    }
}

TEST(AtomicFile, StartUpKeepsTheTemporariesOfRunningWriters) {
    TempFolder folder;
    const std::string running = ".f.tmp" + std::to_string(::getpid()) + "-1";
    for (const char* name : {"other", ".g.tmp999999999-1", ".f.tmpx-1", ".f.tmp999999999"})
        WriteBytes(folder / name, "x");
    WriteBytes(folder / running, "x");
    WriteBytes(folder / ".f.tmp999999999-7", "x");  // its writer is gone
    RemoveStaleTemporaries(folder / "f");
    std::vector<std::string> kept{".f.tmp999999999", running, ".f.tmpx-1", ".g.tmp999999999-1",
                                  "other"};
    auto names = FolderEntries(folder.path());
    std::sort(names.begin(), names.end());
    std::sort(kept.begin(), kept.end());
    EXPECT_EQ(names, kept);
}

TEST(StartupPreload, WritesMissingDataFilesAndHandsEachResultOverOnce) {
    TempFolder folder;
    AppPaths paths;
    paths.name_data_file = folder / "glyphora.csv";
    paths.entity_data_file = folder / "glyphora.ent";
    WriteBytes(paths.entity_data_file, "0041,IE,letterA\r\n");  // a user's own entity file
    {
        StartupPreload preload(paths);
        const NameTable names = preload.TakeNames();
        EXPECT_EQ(names.Entities(0x41), "letterA");
        EXPECT_EQ(names.CharName(0x221), "Latin Small Letter D With Curl");
        EXPECT_EQ(preload.TakeNames().CharName(0x41), "");
        auto fonts = preload.TakeFontSource();
        ASSERT_TRUE(fonts && fonts->InstalledFonts());
        EXPECT_EQ(preload.TakeFontSource(), nullptr);
    }
    std::filesystem::remove(paths.name_data_file);
    { StartupPreload preload(paths); }  // results not taken are waited for
    EXPECT_TRUE(std::filesystem::exists(paths.name_data_file));
    EXPECT_EQ(ReadBytes(paths.entity_data_file), "0041,IE,letterA\r\n");
}

}  // namespace
}  // namespace glyphora::testing

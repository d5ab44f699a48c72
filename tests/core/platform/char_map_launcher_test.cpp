#include "platform/char_map_launcher.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <set>
#include <thread>

#include "../app/temp_folder.h"
#include "platform/posix_process_starter.h"

namespace glyphora {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

void WriteProgram(const std::filesystem::path& file, std::string_view script, bool executable) {
    std::filesystem::create_directories(file.parent_path());
    WriteBytes(file, script);
    std::filesystem::permissions(file, executable ? std::filesystem::perms::owner_all
                                                  : std::filesystem::perms::owner_read |
                                                        std::filesystem::perms::owner_write);
}

constexpr std::string_view kNoop = "#!/bin/sh\nexit 0\n";

class FindCharMap : public ::testing::Test {
protected:
    std::string Path(std::initializer_list<std::string_view> folders) const {
        std::string path;
        for (std::string_view folder : folders) {
            if (!path.empty()) path += ':';
            path += folder.starts_with('/') || folder.empty() ? std::string(folder)
                                                              : (folder_ / folder).string();
        }
        return path;
    }

    TempFolder folder_;
};

TEST_F(FindCharMap, GnomeCharacterMapComesFirstWhereverItStands) {
    WriteProgram(folder_ / "a/kcharselect", kNoop, true);
    WriteProgram(folder_ / "b/gucharmap", kNoop, true);
    const auto found = FindCharMapProgram(Path({"a", "b"}));
    ASSERT_TRUE(found);
    EXPECT_EQ(found->kind, CharMapKind::Gucharmap);
    EXPECT_EQ(found->path, folder_ / "b/gucharmap");
}

TEST_F(FindCharMap, KCharSelectServesWhenThereIsNoGnomeCharacterMap) {
    WriteProgram(folder_ / "b/kcharselect", kNoop, true);
    const auto found = FindCharMapProgram(Path({"a", "b"}));
    ASSERT_TRUE(found);
    EXPECT_EQ(found->kind, CharMapKind::Kcharselect);
    EXPECT_EQ(found->path, folder_ / "b/kcharselect");
}

TEST_F(FindCharMap, TheFirstFolderOnThePathWins) {
    WriteProgram(folder_ / "a/gucharmap", kNoop, true);
    WriteProgram(folder_ / "b/gucharmap", kNoop, true);
    EXPECT_EQ(FindCharMapProgram(Path({"b", "a"}))->path, folder_ / "b/gucharmap");
}

TEST_F(FindCharMap, OnlyExecutableFilesCount) {
    WriteProgram(folder_ / "a/gucharmap", kNoop, false);           // not executable
    std::filesystem::create_directories(folder_ / "b/gucharmap");  // a folder
    std::filesystem::create_directories(folder_ / "c");
    std::filesystem::create_symlink(folder_ / "nowhere", folder_ / "c/gucharmap");  // dangling
    EXPECT_FALSE(FindCharMapProgram(Path({"a", "b", "c"})));

    WriteProgram(folder_ / "real/gucharmap", kNoop, true);
    std::filesystem::create_directories(folder_ / "d");
    std::filesystem::create_symlink(folder_ / "real/gucharmap", folder_ / "d/gucharmap");
    EXPECT_EQ(FindCharMapProgram(Path({"a", "b", "c", "d"}))->path, folder_ / "d/gucharmap");
}

TEST_F(FindCharMap, EmptyAndRelativeEntriesAreNotSearched) {
    WriteProgram(folder_ / "gucharmap", kNoop, true);
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(folder_.path());
    EXPECT_FALSE(FindCharMapProgram(""));
    EXPECT_FALSE(FindCharMapProgram(":"));
    EXPECT_FALSE(FindCharMapProgram("."));
    EXPECT_FALSE(FindCharMapProgram("::/nonexistent:"));
    std::filesystem::current_path(previous);
    std::string path = ":";
    path += folder_.path().string();
    path += ':';
    EXPECT_TRUE(FindCharMapProgram(path));
}

TEST(CharMapArguments, GnomeCharacterMapGetsTheFamilyAtTwentyPoints) {
    EXPECT_EQ(CharMapArguments(CharMapKind::Gucharmap, "DejaVu Sans"),
              (std::vector<std::string>{"--font", "DejaVu Sans 20"}));
    EXPECT_TRUE(CharMapArguments(CharMapKind::Gucharmap, "").empty());
    EXPECT_TRUE(CharMapArguments(CharMapKind::Kcharselect, "DejaVu Sans").empty());
}

class FakeStarter : public ProcessStarter {
public:
    std::optional<ProcessId> Start(const std::filesystem::path& program,
                                   const std::vector<std::string>& arguments) override {
        starts.push_back({program, arguments});
        if (fail) return std::nullopt;
        running.insert(next_pid);
        return next_pid++;
    }
    bool IsRunning(ProcessId process) override { return running.contains(process); }

    struct Started {
        std::filesystem::path program;
        std::vector<std::string> arguments;
    };
    std::vector<Started> starts;
    std::set<ProcessId> running;
    ProcessId next_pid = 100;
    bool fail = false;
};

class FakeWindows : public ProgramWindows {
public:
    bool CanRaise() const override { return can_raise; }
    bool Raise(ProcessId process) override {
        if (!can_raise || !with_window.contains(process)) return false;
        raised.push_back(process);
        return true;
    }

    bool can_raise = true;
    std::set<ProcessId> with_window;
    std::vector<ProcessId> raised;
};

const CharMapProgram kGucharmap{CharMapKind::Gucharmap, "/usr/bin/gucharmap"};
const CharMapProgram kKcharselect{CharMapKind::Kcharselect, "/usr/bin/kcharselect"};

TEST(CharMapLauncher, WithoutAProgramTheButtonIsDisabledAndDoesNothing) {
    FakeStarter starter;
    FakeWindows windows;
    CharMapLauncher launcher(std::nullopt, starter, windows);
    EXPECT_FALSE(launcher.Available());
    launcher.Click("DejaVu Sans");
    EXPECT_TRUE(starter.starts.empty());
    EXPECT_FALSE(launcher.TimerEnabled());
}

TEST(CharMapLauncher, AClickStartsTheProgramWithTheFontAndRaisesItsWindowOnceItExists) {
    FakeStarter starter;
    FakeWindows windows;
    CharMapLauncher launcher(kGucharmap, starter, windows);
    EXPECT_TRUE(launcher.Available());
    launcher.Click("DejaVu Serif");
    ASSERT_EQ(starter.starts.size(), 1u);
    EXPECT_EQ(starter.starts[0].program, "/usr/bin/gucharmap");
    EXPECT_EQ(starter.starts[0].arguments, (std::vector<std::string>{"--font", "DejaVu Serif 20"}));
    EXPECT_TRUE(launcher.TimerEnabled());

    launcher.Tick();  // no window yet: keep polling
    launcher.Tick();
    EXPECT_TRUE(launcher.TimerEnabled());
    EXPECT_TRUE(windows.raised.empty());

    windows.with_window.insert(100);
    launcher.Tick();
    EXPECT_EQ(windows.raised, std::vector<ProcessId>{100});
    EXPECT_FALSE(launcher.TimerEnabled());
    launcher.Tick();
    EXPECT_EQ(windows.raised.size(), 1u);
    EXPECT_EQ(CharMapLauncher::kPollIntervalMs, 500);
}

TEST(CharMapLauncher, PollingStopsWhenTheProgramEndsWithoutAWindow) {
    FakeStarter starter;
    FakeWindows windows;
    CharMapLauncher launcher(kGucharmap, starter, windows);
    launcher.Click("DejaVu Sans");
    starter.running.clear();  // handed over to a copy that was already running, and ended
    launcher.Tick();
    EXPECT_FALSE(launcher.TimerEnabled());
    EXPECT_TRUE(windows.raised.empty());
}

TEST(CharMapLauncher, WhereWindowsCannotBeRaisedThereIsNothingToPollFor) {
    FakeStarter starter;
    FakeWindows windows;
    windows.can_raise = false;
    CharMapLauncher launcher(kGucharmap, starter, windows);
    launcher.Click("DejaVu Sans");
    EXPECT_EQ(starter.starts.size(), 1u);
    EXPECT_FALSE(launcher.TimerEnabled());
}

TEST(CharMapLauncher, AFailedStartIsSilentAndLeavesNoTimer) {
    FakeStarter starter;
    starter.fail = true;
    FakeWindows windows;
    CharMapLauncher launcher(kGucharmap, starter, windows);
    launcher.Click("DejaVu Sans");
    EXPECT_EQ(starter.starts.size(), 1u);
    EXPECT_FALSE(launcher.TimerEnabled());
}

TEST(CharMapLauncher, EachClickHandsTheFontToGnomeCharacterMapAgain) {
    FakeStarter starter;
    FakeWindows windows;
    CharMapLauncher launcher(kGucharmap, starter, windows);
    launcher.Click("DejaVu Sans");
    windows.with_window.insert(100);
    launcher.Click("DejaVu Sans Mono");  // while the first one runs, even with a window
    ASSERT_EQ(starter.starts.size(), 2u);
    EXPECT_EQ(starter.starts[1].arguments,
              (std::vector<std::string>{"--font", "DejaVu Sans Mono 20"}));
    launcher.Tick();  // waits for the second one, not the first
    EXPECT_TRUE(windows.raised.empty());
    EXPECT_TRUE(launcher.TimerEnabled());
}

TEST(CharMapLauncher, KCharSelectIsRaisedRatherThanStartedTwice) {
    FakeStarter starter;
    FakeWindows windows;
    CharMapLauncher launcher(kKcharselect, starter, windows);
    launcher.Click("DejaVu Sans");
    ASSERT_EQ(starter.starts.size(), 1u);
    EXPECT_TRUE(starter.starts[0].arguments.empty());

    launcher.Click("DejaVu Sans");  // started, window not there yet: a second start
    EXPECT_EQ(starter.starts.size(), 2u);

    windows.with_window.insert(101);
    launcher.Click("DejaVu Sans");
    EXPECT_EQ(starter.starts.size(), 2u);
    EXPECT_EQ(windows.raised, std::vector<ProcessId>{101});
    EXPECT_FALSE(launcher.TimerEnabled());

    starter.running.erase(101);  // the user closed it
    launcher.Click("DejaVu Sans");
    EXPECT_EQ(starter.starts.size(), 3u);
}

// The real starter, with a stand-in for GNOME Character Map that writes down its arguments.
class CharMapProcess : public ::testing::Test {
protected:
    void SetUp() override {
        WriteProgram(folder_ / "bin/gucharmap",
                     "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > '" +
                         (folder_ / "args.txt").string() + "'\n",
                     true);
    }

    // Waits (up to ten seconds) until the process has ended.
    static bool WaitForEnd(ProcessStarter& starter, ProcessId process) {
        for (int i = 0; i < 1000; ++i) {
            if (!starter.IsRunning(process)) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return false;
    }

    TempFolder folder_;
};

// Starts through the real starter and keeps the process ids, so the test can wait for them.
class RecordingStarter : public ProcessStarter {
public:
    std::optional<ProcessId> Start(const std::filesystem::path& program,
                                   const std::vector<std::string>& arguments) override {
        auto process = real.Start(program, arguments);
        if (process) started.push_back(*process);
        return process;
    }
    bool IsRunning(ProcessId process) override { return real.IsRunning(process); }

    PosixProcessStarter real;
    std::vector<ProcessId> started;
};

TEST_F(CharMapProcess, TheProgramOnThePathGetsTheFontAsOneArgument) {
    RecordingStarter starter;
    FakeWindows windows;
    CharMapLauncher launcher(FindCharMapProgram("/nonexistent:" + (folder_ / "bin").string()),
                             starter, windows);
    ASSERT_TRUE(launcher.Available());
    launcher.Click("DejaVu Sans Mono");
    ASSERT_EQ(starter.started.size(), 1u);
    ASSERT_TRUE(WaitForEnd(starter, starter.started[0]));
    EXPECT_EQ(ReadBytes(folder_ / "args.txt"), "--font\nDejaVu Sans Mono 20\n");
    launcher.Tick();  // ended without a window: the wait is over
    EXPECT_FALSE(launcher.TimerEnabled());
}

TEST_F(CharMapProcess, StartsAndReportsTheEnd) {
    PosixProcessStarter starter;
    const auto process = starter.Start(folder_ / "bin/gucharmap", {"--font", "DejaVu Sans 20"});
    ASSERT_TRUE(process);
    ASSERT_TRUE(WaitForEnd(starter, *process));
    EXPECT_EQ(ReadBytes(folder_ / "args.txt"), "--font\nDejaVu Sans 20\n");
    EXPECT_FALSE(starter.IsRunning(*process));
    EXPECT_FALSE(starter.IsRunning(::getpid()));  // not a child of this starter
}

TEST_F(CharMapProcess, WhatCannotBeStartedGivesNoProcess) {
    PosixProcessStarter starter;
    WriteProgram(folder_ / "bin/plain", kNoop, false);
    EXPECT_FALSE(starter.Start(folder_ / "bin/plain", {}));
    EXPECT_FALSE(starter.Start(folder_ / "bin/missing", {}));
    EXPECT_FALSE(starter.Start("", {}));
}

}  // namespace
}  // namespace glyphora

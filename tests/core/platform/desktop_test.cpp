// The desktop integration's window rules: starting the desktop's character map, the frame's
// snapping, restoring and mode switch, and the width of a drop-down list.
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <set>
#include <thread>

#include "../app/temp_folder.h"
#include "platform/char_map_launcher.h"
#include "platform/drop_down_width.h"
#include "platform/posix_process_starter.h"
#include "platform/window_frame.h"

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

TEST(FindCharMap, GnomeCharacterMapComesFirstThenKCharSelectThenTheFirstFolder) {
    TempFolder folder;
    const std::string path = (folder / "a").string() + ":" + (folder / "b").string();
    WriteProgram(folder / "b/kcharselect", kNoop, true);
    EXPECT_EQ(FindCharMapProgram(path)->kind, CharMapKind::Kcharselect);
    EXPECT_EQ(FindCharMapProgram(path)->path, folder / "b/kcharselect");
    WriteProgram(folder / "b/gucharmap", kNoop, true);
    WriteProgram(folder / "a/kcharselect", kNoop, true);
    EXPECT_EQ(FindCharMapProgram(path)->kind, CharMapKind::Gucharmap);
    WriteProgram(folder / "a/gucharmap", kNoop, true);
    EXPECT_EQ(FindCharMapProgram(path)->path, folder / "a/gucharmap");
}

TEST(FindCharMap, OnlyExecutableFilesInAbsoluteFoldersCount) {
    TempFolder folder;
    WriteProgram(folder / "a/gucharmap", kNoop, false);           // not executable
    std::filesystem::create_directories(folder / "b/gucharmap");  // a folder
    std::filesystem::create_directories(folder / "c");
    std::filesystem::create_symlink(folder / "nowhere", folder / "c/gucharmap");  // dangling
    WriteProgram(folder / "gucharmap", kNoop, true);
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(folder.path());
    for (const char* list : {"", ":", ".", "::/nonexistent:", "a:b:c"})
        EXPECT_FALSE(FindCharMapProgram(list)) << list;
    const std::string absolute = (folder / "a").string() + ":" + (folder / "b").string() + ":" +
                                 (folder / "c").string() + "::" + folder.path().string();
    std::filesystem::current_path(previous);
    EXPECT_EQ(FindCharMapProgram(absolute)->path, folder / "gucharmap");
    // A link to a program counts.
    std::filesystem::create_directories(folder / "d");
    std::filesystem::create_symlink(folder / "gucharmap", folder / "d/gucharmap");
    EXPECT_EQ(FindCharMapProgram((folder / "d").string())->path, folder / "d/gucharmap");
}

class FakeStarter : public ProcessStarter {
public:
    std::optional<ProcessId> Start(const std::filesystem::path& program,
                                   const std::vector<std::string>& arguments) override {
        starts.push_back(program.string() + " " + (arguments.empty() ? "" : arguments[1]));
        if (fail) return std::nullopt;
        running.insert(next_pid);
        return next_pid++;
    }
    bool IsRunning(ProcessId process) override { return running.contains(process); }

    std::vector<std::string> starts;
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

class CharMapLauncherTest : public ::testing::Test {
protected:
    FakeStarter starter_;
    FakeWindows windows_;
};

TEST_F(CharMapLauncherTest, AClickStartsTheProgramWithTheFontAndRaisesItsWindowOnceItExists) {
    CharMapLauncher launcher(kGucharmap, starter_, windows_);
    EXPECT_TRUE(launcher.Available());
    launcher.Click("DejaVu Serif");
    EXPECT_EQ(starter_.starts, std::vector<std::string>{"/usr/bin/gucharmap DejaVu Serif 20"});
    launcher.Tick();  // no window yet: keep polling
    EXPECT_TRUE(launcher.TimerEnabled());
    EXPECT_TRUE(windows_.raised.empty());
    windows_.with_window.insert(100);
    launcher.Tick();
    EXPECT_EQ(windows_.raised, std::vector<ProcessId>{100});
    EXPECT_FALSE(launcher.TimerEnabled());
    launcher.Tick();
    EXPECT_EQ(windows_.raised.size(), 1u);

    // Each click hands the font to GNOME Character Map again, even while one runs with a
    // window, and the wait is for the new one.
    launcher.Click("DejaVu Sans Mono");
    EXPECT_EQ(starter_.starts.back(), "/usr/bin/gucharmap DejaVu Sans Mono 20");
    launcher.Tick();
    EXPECT_EQ(windows_.raised.size(), 1u);
    EXPECT_TRUE(launcher.TimerEnabled());
    starter_.running.clear();  // handed over to a copy already running, and ended
    launcher.Tick();
    EXPECT_FALSE(launcher.TimerEnabled());
}

TEST_F(CharMapLauncherTest, KCharSelectIsRaisedRatherThanStartedTwice) {
    CharMapLauncher launcher(kKcharselect, starter_, windows_);
    launcher.Click("DejaVu Sans");
    launcher.Click("DejaVu Sans");  // started, window not there yet: a second start
    EXPECT_EQ(starter_.starts,
              (std::vector<std::string>{"/usr/bin/kcharselect ", "/usr/bin/kcharselect "}));
    windows_.with_window.insert(101);
    launcher.Click("DejaVu Sans");
    EXPECT_EQ(starter_.starts.size(), 2u);
    EXPECT_EQ(windows_.raised, std::vector<ProcessId>{101});
    EXPECT_FALSE(launcher.TimerEnabled());
    starter_.running.erase(101);  // the user closed it
    launcher.Click("DejaVu Sans");
    EXPECT_EQ(starter_.starts.size(), 3u);
}

// The real starter (the window's tests run a stand-in character map through it).
TEST(PosixProcessStarter, WhatCannotBeStartedGivesNoProcessAndAnEndIsSeen) {
    TempFolder folder;
    WriteProgram(folder / "plain", kNoop, false);
    WriteProgram(folder / "noop", kNoop, true);
    PosixProcessStarter starter;
    EXPECT_FALSE(starter.Start(folder / "plain", {}));
    EXPECT_FALSE(starter.Start(folder / "missing", {}));
    EXPECT_FALSE(starter.Start("", {}));
    EXPECT_FALSE(starter.IsRunning(::getpid()));  // not a child of this starter
    const auto process = starter.Start(folder / "noop", {"a"});
    ASSERT_TRUE(process);
    for (int i = 0; i < 1000 && starter.IsRunning(*process); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_FALSE(starter.IsRunning(*process));
}

// A window that records what the rules ask of it. A move reports itself back through Moved, as
// a window system does.
class FakeFrame : public FrameWindow {
public:
    explicit FakeFrame(WindowFrameRules& rules) : rules_(rules) {}

    WindowState State() const override { return state; }
    FramePosition Position() const override { return position; }
    void MoveTo(FramePosition to) override {
        log.push_back("move " + std::to_string(to.left) + "," + std::to_string(to.top));
        position = to;
        rules_.Moved(*this);
        // A window system answers a move with a resize notice: it must not undo the move.
        rules_.Resized(*this);
    }
    void Arrange() override { log.push_back("arrange"); }
    void FitToContent() override { log.push_back("fit"); }

    WindowState state = WindowState::Normal;
    FramePosition position{500, 100};
    std::vector<std::string> log;

private:
    WindowFrameRules& rules_;
};

class WindowFrame : public ::testing::Test {
protected:
    WindowFrameRules rules_;
    FakeFrame window_{rules_};
};

TEST_F(WindowFrame, ExpandingGrowsOnTheLeftUnclampedAndCompactingGivesItBack) {
    EXPECT_FALSE(rules_.ModeChanged(window_, true, 1));  // nothing while the window is busy
    EXPECT_TRUE(window_.log.empty());
    EXPECT_TRUE(rules_.ModeChanged(window_, true, 0));
    EXPECT_EQ(window_.log, (std::vector<std::string>{"arrange", "move 139,100", "fit"}));
    window_.log.clear();
    EXPECT_TRUE(rules_.ModeChanged(window_, false, 0));
    EXPECT_EQ(window_.log, (std::vector<std::string>{"arrange", "move 500,100", "fit"}));
    EXPECT_EQ(rules_.NormalPosition(), (FramePosition{500, 100}));
    window_.position = {100, 0};  // near the screen edge
    rules_.ModeChanged(window_, true, 0);
    EXPECT_EQ(window_.position.left, 100 - WindowFrameRules::kModeShift);
}

TEST(FitContentToRoom, ContentLargerThanTheScreenGetsTheScreenAndScrollBars) {
    const struct {
        FrameSize content, room, expected;
    } cases[] = {
        {{796, 731}, {1600, 1200}, {796, 731}},  // fits: the content's own size
        {{796, 731}, {800, 600}, {800, 600}},    // too tall: with its bar too wide as well
        {{700, 731}, {800, 600}, {715, 600}},    // too tall, and room for the bar
        {{900, 500}, {800, 600}, {800, 515}},    // too wide: a horizontal bar below
        {{900, 590}, {800, 600}, {800, 600}},    // too wide, and then too tall for the bar
        {{796, 731}, {0, 0}, {796, 731}},        // no screen known
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FitContentToRoom(c.content, c.room, 15), c.expected)
            << c.content.width << "x" << c.content.height << " in " << c.room.width << "x"
            << c.room.height;
    }
}

TEST(FitDropDownWidth, WidensToTheWidestItemOnly) {
    struct Case {
        std::vector<int> widths;
        int box;
        int expected;
    } cases[] = {
        {{40, 120, 80}, 100, 130},              // widest + 10
        {{40, 60}, 100, 100},                   // already wide enough: left alone
        {{}, 50, 50},                           // an empty list
        {std::vector<int>(9, 200), 100, 210},   // nine rows show without a scroll bar
        {std::vector<int>(10, 200), 100, 227},  // ten need one (17 pixels here)
    };
    for (const auto& c : cases) {
        DropDownMeasure measure{c.widths, 17, 0};
        EXPECT_EQ(FitDropDownWidth(measure, c.box), c.expected) << c.widths.size();
    }
}

}  // namespace
}  // namespace glyphora

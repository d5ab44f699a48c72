#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/process_starter.h"
#include "platform/program_windows.h"

namespace glyphora {

// The desktop's own character map programs, in the order they are looked for.
enum class CharMapKind { Gucharmap, Kcharselect };

struct CharMapProgram {
    CharMapKind kind = CharMapKind::Gucharmap;
    std::filesystem::path path;  // full path
};

// Looks for "gucharmap", else "kcharselect", in the folders of a PATH value (":"-separated),
// each folder in order. Only executable regular files (or links to them) count. Empty and
// relative entries, which would make the current folder decide what runs, are skipped.
std::optional<CharMapProgram> FindCharMapProgram(std::string_view path_variable);

// The arguments that start the program with a font family chosen. GNOME Character Map takes a
// font description: "--font" and "FAMILY 20", the family at 20 points; KCharSelect has no
// option for a font (it keeps its own last choice), so it gets none. Without a family, none.
std::vector<std::string> CharMapArguments(CharMapKind kind, std::string_view family);

// The button that hands the chosen font over to the desktop's character map (bbCharMap) and its
// poll timer (toMSCharMap).
//
// A click starts the program with the font, which is the only way to give another program a
// font on this desktop: a program that keeps a single instance (as GNOME Character Map may) then
// brings its running window forward by itself. KCharSelect, which takes no font, is not started
// twice: while the copy started earlier still runs, a click just raises its window, where the
// desktop allows it. After a start, where windows can be raised, the timer polls every 500 ms
// until the new program's window exists and raises it; it stops when the program has ended
// without one. Failures show no message.
class CharMapLauncher {
public:
    static constexpr int kPollIntervalMs = 500;

    // program: what FindCharMapProgram found at start-up (nullopt: the button is disabled).
    CharMapLauncher(std::optional<CharMapProgram> program, ProcessStarter& starter,
                    ProgramWindows& windows);

    // Whether the button is enabled.
    bool Available() const { return program_.has_value(); }
    const std::optional<CharMapProgram>& Program() const { return program_; }

    // Click on the button with the family chosen in the font list (may be empty).
    void Click(std::string_view family);

    // Tick of the timer: the window calls it every kPollIntervalMs while TimerEnabled().
    void Tick();
    bool TimerEnabled() const { return timer_enabled_; }
    // The program the last successful click started, if any.
    const std::optional<ProcessId>& Started() const { return started_; }

private:
    bool RaiseRunning();

    std::optional<CharMapProgram> program_;
    ProcessStarter& starter_;
    ProgramWindows& windows_;
    std::optional<ProcessId> started_;
    bool timer_enabled_ = false;
};

}  // namespace glyphora

#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "app/settings_store.h"

namespace glyphora {

enum class WindowState : std::int32_t { Normal = 0, Minimized = 1, Maximized = 2 };

// Where the main window stood: State as a WindowState number, the rest in pixels. The window's
// move and resize handling keeps state, left and top current while the program runs; width and
// height are taken from the window when the placement is saved in the normal state.
struct WindowPlacement {
    std::int32_t state = 0;
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
};

// Outer frame of a window in pixels.
struct WindowGeometry {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
};

// What the placement operations need of a window.
class PlacementWindow {
public:
    virtual ~PlacementWindow() = default;
    virtual std::string Name() const = 0;  // "fwMain"
    virtual WindowState State() const = 0;
    virtual void SetState(WindowState state) = 0;
    virtual WindowGeometry Geometry() const = 0;
};

// Reads the placement into the record (a fraction rounded half to even) and sets the window's
// state to the stored one; the window is neither moved nor sized. A stored value that is no number
// or lies beyond the 32-bit range counts as missing (Left and Top 0, the rest the window's own). A
// stored state other than 0, 1 or 2 leaves the window's current state. An empty section means
// the window's name + "_State".
void RestoreWindowPlacement(PlacementWindow& window, WindowPlacement& placement,
                            const std::filesystem::path& file, std::string_view section = {});

// Takes the window's geometry into the record when the window is in the normal state, then
// writes State and the geometry. Failed when any of the five writes failed, else Written when any
// wrote.
SettingWrite SaveWindowPlacement(const PlacementWindow& window, WindowPlacement& placement,
                                 const std::filesystem::path& file, std::string_view section = {});

}  // namespace glyphora

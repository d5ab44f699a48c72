#pragma once

#include <span>
#include <string_view>

namespace glyphora {

// What a status-bar panel shows.
enum class PanelStyle { Text, CapsLock, ScrollLock, NumLock, Insert, KanaLock };

// One panel of the main window's two status bars.
struct StatusPanel {
    std::string_view key;  // also the text of a lock-key indicator
    PanelStyle style = PanelStyle::Text;
    int topic = 0;              // help topic
    std::string_view tool_tip;  // empty: none
};

// The panels of status bar 0 ("Hex", "Name", "Type") or 1 ("Message", "Mode", "OnTop" and the
// five lock-key indicators), left to right; empty for any other bar.
std::span<const StatusPanel> StatusBarPanels(int bar);

// The 1-based number of the panel that covers the horizontal position x, given the panels'
// widths left to right and the left edge of the first panel (all in one unit, relative to the
// status bar). A panel covers both its edges, so a shared edge belongs to the panel on its left.
// 0 when no panel covers x; with clamp, a position left of the first panel gives 1 and one right
// of the last gives the last. A bar without panels gives 0 either way.
int StatusPanelAt(std::span<const int> widths, int first_left, int x, bool clamp);

// What a double click on a panel does.
enum class PanelDoubleClick {
    None,
    SwitchCodeDisplay,  // "Hex": switch the code between U+hex and Alt+decimal
    ToggleLockKey,      // a lock-key indicator: switch that key (see lock_keys.h)
};
PanelDoubleClick DoubleClickAction(const StatusPanel& panel);

}  // namespace glyphora

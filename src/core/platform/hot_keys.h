#pragma once

#include <bitset>

namespace glyphora {

// What the main window knows when a key goes down, before the focused control sees it.
struct HotKeyState {
    int focused_topic = 0;            // help topic of the control with the focus
    long search_position = 0;         // where the next name search resumes; 0 before a search
    std::bitset<12> formats_enabled;  // obFormat[i] can be chosen
};

enum class HotKeyAction {
    None,
    WhatsThis,       // F1: show the focused control's topic at its top-left corner
    SearchNext,      // F3: run the search button's action (find the next match)
    FontProperties,  // Alt+Enter: run the font Properties button's action
    ChooseFormat,    // Alt+digit: focus obFormat[format], which chooses that copy format
};

struct HotKey {
    HotKeyAction action = HotKeyAction::None;
    int format = -1;  // ChooseFormat only
    bool operator==(const HotKey&) const = default;
};

// The main window's shortcut a key stands for (the window's key mapper reads it) acts only in its
// state, seen before the focused control (which still receives the key): F1 with a focused
// control that has a topic, F3 while a name search is under way, Alt+Enter always and Alt+digit
// for an enabled copy format option. None when it does not act.
HotKey FormKeyDown(HotKey key, const HotKeyState& state);

}  // namespace glyphora

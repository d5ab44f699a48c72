#pragma once

#include <bitset>

#include "base/key_codes.h"

namespace glyphora {

// The shortcuts use the program's key numbers.
namespace hot_keys = keys;

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

// The main window's shortcuts, seen before the focused control (which still receives the key):
// F1 with a focused control that has a topic, F3 while a name search is under way, Alt+Enter and
// Alt+0 .. Alt+9 for an enabled copy format option. Shift is the bit 1, Ctrl 2, Alt 4 of shift;
// F1 and F3 act whatever else is held, Alt+Enter and Alt+digit whatever is held with Alt.
HotKey FormKeyDown(int key_code, int shift, const HotKeyState& state);

}  // namespace glyphora

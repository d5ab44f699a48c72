#pragma once

namespace glyphora {

// Shift-state bits of a key event.
inline constexpr int kShiftBit = 1;
inline constexpr int kCtrlBit = 2;
inline constexpr int kAltBit = 4;

// Edit commands, numbered as the Edit menu's items.
inline constexpr int kEditNone = -1;
inline constexpr int kEditUndo = 0;
inline constexpr int kEditCut = 1;
inline constexpr int kEditCopy = 2;
inline constexpr int kEditPaste = 3;
inline constexpr int kEditDelete = 4;
inline constexpr int kEditSelectAll = 5;

// The edit command of a key (one of base/key_codes.h: letters 65..90, Insert 45, Delete 46,
// Backspace 8) with the shift state: Ctrl+A select all; Ctrl+Z or Alt+Backspace undo; Ctrl+X or
// Shift+Delete cut; Ctrl+Insert or Ctrl+C copy; Shift+Insert or Ctrl+V paste; Delete with no
// shift key delete; tested in that order, each needing its bit whatever the other bits are (so
// Ctrl+Shift+Insert copies and Ctrl+Delete is no command). kEditNone for any other key.
int EditCommandForKey(int key_code, int shift);

}  // namespace glyphora

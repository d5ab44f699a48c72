#pragma once

#include <Qt>

class QKeyEvent;

namespace glyphora {

// A key event as the window's key handlers take it: the desktop-independent key number (letters
// 65..90, digits 48..57, keypad digits 96..105, Backspace 8, Tab 9, Enter 13, End 35, Home 36, the
// arrows 37..40, Insert 45, Delete 46; 0 for keys none of them knows) and the shift bits (1 Shift,
// 2 Ctrl, 4 Alt).
int KeyCodeOf(const QKeyEvent& event);
int ShiftStateOf(Qt::KeyboardModifiers modifiers);

}  // namespace glyphora

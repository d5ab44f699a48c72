#pragma once

#include <Qt>

class QKeyEvent;

namespace glyphora {

// The desktop-independent key number of a key event, as the core's key handling counts keys
// (F1 112, Enter 13, the main keyboard's digits 48..57, Down 40, letters 65..90 ...); 0 for a
// key it has no number for. The numeric keypad's digits are keys of their own (96..105).
int DesktopKeyCode(const QKeyEvent& event);

// The shift state bits of the core's key handling: Shift 1, Ctrl 2, Alt 4.
int ShiftBits(Qt::KeyboardModifiers modifiers);

}  // namespace glyphora

#pragma once

#include <optional>

#include "base/edit_command.h"
#include "platform/hot_keys.h"
#include "table/table_command.h"

class QKeyEvent;

namespace glyphora {

// The window reads its keys here and nowhere else: the controls' handling and the core take the
// commands these make, never key codes.

// The table's command for a key: the arrows, Page Up and Down, Home and End (with Ctrl the
// list's first and last character), Enter activates, Ctrl+C and Ctrl+Insert copy. Shift changes
// nothing, and Ctrl with any other key acts as the key alone. Keys with Alt are the window's
// shortcuts and the controls' mnemonics: no command.
std::optional<TableCommand> TableCommandForKey(const QKeyEvent& key);

// The edit command of a key: Ctrl+A select all; Ctrl+Z or Alt+Backspace undo; Ctrl+X or
// Shift+Delete cut; Ctrl+Insert or Ctrl+C copy; Shift+Insert or Ctrl+V paste; Delete without
// Shift, Ctrl and Alt delete; tested in that order, each needing its modifier whatever else is
// held (so Ctrl+Shift+Insert copies and Ctrl+Delete is no command).
std::optional<EditCommand> EditCommandForKey(const QKeyEvent& key);

// A key as a text box's own handling reads it: its edit command and whether it is Enter.
BoxKey BoxKeyOf(const QKeyEvent& key);

// Whether a key reaches a read-only box (the clipboard preview, or the entity box when
// is_entity) or is swallowed. End, Home and the arrows always pass, and so does Tab for the
// preview and Enter for the entity box; any other key is swallowed when it comes without
// modifiers, with Shift (alone or with others), or as Ctrl+V; keys with Ctrl or Alt otherwise
// pass, so Ctrl+C and Ctrl+A work.
bool ReadOnlyBoxKeyPasses(const QKeyEvent& key, bool is_entity);

// The window's shortcut a key stands for, whatever the state: F1 "What's This?" and F3 the next
// match whatever else is held, Alt+Enter the font properties and Alt with a digit of the main
// keyboard the copy format of that number, whatever else is held with Alt. None for another key.
HotKey HotKeyOf(const QKeyEvent& key);

// Alt+Down, which opens a drop-down as a click on its button does.
bool IsDropDownKey(const QKeyEvent& key);

}  // namespace glyphora

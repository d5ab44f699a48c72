#pragma once

#include <string>
#include <utility>

namespace glyphora {

// The text of an editable box with its one-step undo buffer (the To-copy, picture size and search
// boxes keep the text to return to beside the text itself). Undo swaps the two, so a second Undo
// restores the first state; the window keeps the caret where it was.
struct UndoableText {
    std::u16string text;
    std::u16string undo_text;

    void Undo() { std::swap(text, undo_text); }
    // Whether Undo would change anything (the Edit menu's Undo item is enabled then).
    bool CanUndo() const { return text != undo_text; }
};

}  // namespace glyphora

#pragma once

namespace glyphora {

// The items of the Edit pop-up menu (mEdit) that may be hidden or greyed; the window shows the
// menu as this says.
struct EditMenu {
    struct Item {
        bool visible = true;
        bool enabled = true;
    };
    Item undo;        // mEditUndo
    Item separator1;  // mEditSeparator1
    Item cut;         // mEditCut
    Item copy;        // mEditCopy
    Item paste;       // mEditPaste
    Item del;         // mEditDelete
    Item separator2;  // mEditSeparator2
    Item select_all;  // mEditSelectAll
};

// The read-only boxes (the clipboard preview and the entity box) offer only Copy, the second
// separator and Select All: the rest is hidden, whatever the menu was prepared with.
void HideEditItemsOfReadOnlyBox(EditMenu& menu);

// Whether a key reaches a read-only box (the clipboard preview, or the entity box when is_entity)
// or is swallowed. End, Home and the arrows always pass, and so does Tab for the preview and
// Enter for the entity box; any other key is swallowed when it comes without shift keys, with
// Shift (alone or with others), or as Ctrl+V; keys with Ctrl or Alt otherwise pass, so Ctrl+C and
// Ctrl+A work. Key codes and shift bits as EditCommandForKey takes them.
bool ReadOnlyBoxKeyPasses(int key_code, int shift, bool is_entity);

}  // namespace glyphora

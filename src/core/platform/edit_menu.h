#pragma once

#include <string>
#include <string_view>

namespace glyphora {

// The controls that offer the Edit menu on a right click.
enum class EditMenuBox {
    tbCopy,
    tbSearch,
    tbGoTo,
    cbPreview,
    cbSearch,
    cbEntity,
    cbPicture,
    lvFont,
    lvRange,
};

// What the Edit menu is prepared from: the box the menu is for, as it stands at the right click.
// Positions and lengths count UTF-16 code units, as the text boxes do.
struct EditBoxState {
    EditMenuBox box = EditMenuBox::tbCopy;
    std::u16string text;
    int sel_start = 0;
    int sel_length = 0;
    // tbCopy, cbPicture and cbSearch (and the read-only boxes) keep the text that Undo goes back
    // to; Undo is offered when it differs from the text.
    std::u16string undo_text;
    // tbGoTo uses its own undo history instead: whether it has a step to undo.
    bool native_can_undo = false;
    // The lists: whether an item is selected, whose name Copy would copy.
    bool has_selected_item = false;
};

struct EditMenuItem {
    bool visible = true;
    bool enabled = true;
    bool operator==(const EditMenuItem&) const = default;
};

// The items of mEdit, in menu order.
struct EditMenuState {
    EditMenuItem undo;        // mEditUndo "&Undo"
    EditMenuItem separator1;  // mEditSeparator1
    EditMenuItem cut;         // mEditCut "Cu&t"
    EditMenuItem copy;        // mEditCopy "&Copy"
    EditMenuItem paste;       // mEditPaste "&Paste"
    EditMenuItem del;         // mEditDelete "&Delete"
    EditMenuItem separator2;  // mEditSeparator2
    EditMenuItem select_all;  // mEditSelectAll "Select &All"
    bool operator==(const EditMenuState&) const = default;
};

// Sets the items from the box. Every item but Copy is shown exactly when editable; Copy is always
// shown. Without editable nothing else changes (Copy keeps its enabled state). With it:
// Cut and Copy are enabled when something is selected, Delete when something lies at or after the
// caret, Select All when the box holds text, Paste when the clipboard holds text (in tbGoTo only
// when that text starts with a hexadecimal digit, either case: "a12" can be pasted, "g12" not).
// Undo follows the box's own undo history in tbGoTo and the undo text elsewhere, except in
// tbSearch, where it is left as it was.
void PrepareEditMenu(EditMenuState& menu, bool editable, const EditBoxState& box,
                     std::u16string_view clipboard_text);

// The Edit menu a right click on the box shows: PrepareEditMenu, then the items each box does not
// offer hidden. The read-only previews cbPreview and cbEntity offer Copy and Select All (with the
// second separator); tbSearch, a one-character box, offers Cut, Copy, Paste and Delete; the lists
// offer Copy alone, enabled when an item is selected.
EditMenuState EditMenuFor(const EditBoxState& box, std::u16string_view clipboard_text);

}  // namespace glyphora

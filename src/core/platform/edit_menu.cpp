#include "platform/edit_menu.h"

namespace glyphora {
namespace {

bool IsHexDigit(char16_t c) {
    return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F') || (c >= u'a' && c <= u'f');
}

void Hide(EditMenuItem& item) { item.visible = false; }

}  // namespace

void PrepareEditMenu(EditMenuState& menu, bool editable, const EditBoxState& box,
                     std::u16string_view clipboard_text) {
    for (EditMenuItem* item : {&menu.undo, &menu.separator1, &menu.cut, &menu.paste, &menu.del,
                               &menu.separator2, &menu.select_all}) {
        item->visible = editable;
    }
    menu.copy.visible = true;
    if (!editable) return;

    const auto length = static_cast<long>(box.text.size());
    menu.copy.enabled = box.sel_length > 0;
    menu.cut.enabled = menu.copy.enabled;
    menu.del.enabled = box.sel_start < length;
    menu.select_all.enabled = length > 0;
    menu.paste.enabled = !clipboard_text.empty() &&
                         (box.box != EditMenuBox::tbGoTo || IsHexDigit(clipboard_text.front()));
    if (box.box == EditMenuBox::tbGoTo) {
        menu.undo.enabled = box.native_can_undo;
    } else if (box.box != EditMenuBox::tbSearch) {
        menu.undo.enabled = box.undo_text != box.text;
    }
}

EditMenuState EditMenuFor(const EditBoxState& box, std::u16string_view clipboard_text) {
    EditMenuState menu;
    switch (box.box) {
        case EditMenuBox::lvFont:
        case EditMenuBox::lvRange:
            PrepareEditMenu(menu, false, box, clipboard_text);
            // Copy copies the selected item's name, so it follows the list's selection rather
            // than whatever the last text box left it at.
            menu.copy.enabled = box.has_selected_item;
            break;
        case EditMenuBox::cbPreview:
        case EditMenuBox::cbEntity:
            PrepareEditMenu(menu, true, box, clipboard_text);
            for (EditMenuItem* item :
                 {&menu.undo, &menu.separator1, &menu.cut, &menu.paste, &menu.del}) {
                Hide(*item);
            }
            break;
        case EditMenuBox::tbSearch:
            PrepareEditMenu(menu, true, box, clipboard_text);
            for (EditMenuItem* item :
                 {&menu.undo, &menu.separator1, &menu.separator2, &menu.select_all}) {
                Hide(*item);
            }
            break;
        case EditMenuBox::tbCopy:
        case EditMenuBox::tbGoTo:
        case EditMenuBox::cbSearch:
        case EditMenuBox::cbPicture:
            PrepareEditMenu(menu, true, box, clipboard_text);
            break;
    }
    return menu;
}

}  // namespace glyphora

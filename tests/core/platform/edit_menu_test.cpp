#include "platform/edit_menu.h"

#include <gtest/gtest.h>

#include <cctype>

namespace glyphora {
namespace {

EditBoxState Box(EditMenuBox box, std::u16string text, int sel_start = 0, int sel_length = 0) {
    EditBoxState state;
    state.box = box;
    state.undo_text = text;
    state.text = std::move(text);
    state.sel_start = sel_start;
    state.sel_length = sel_length;
    return state;
}

// The menu in one word: Undo, separator, cuT, Copy, Paste, Delete, separator, select All; an
// item is upper case when it can be chosen, lower case when shown disabled, "." when hidden.
std::string Shown(const EditMenuState& menu) {
    std::string word;
    const std::pair<const EditMenuItem*, char> items[] = {
        {&menu.undo, 'u'},       {&menu.separator1, '|'}, {&menu.cut, 't'},
        {&menu.copy, 'c'},       {&menu.paste, 'p'},      {&menu.del, 'd'},
        {&menu.separator2, '|'}, {&menu.select_all, 'a'}};
    for (const auto& [item, letter] : items)
        word += !item->visible  ? '.'
                : item->enabled ? static_cast<char>(std::toupper(letter))
                                : letter;
    return word;
}

TEST(EditMenu, ItemsFollowTheBoxItsSelectionAndTheClipboard) {
    EditBoxState undoable = Box(EditMenuBox::tbCopy, u"ab", 2);
    undoable.undo_text = u"a";
    EditBoxState list = Box(EditMenuBox::lvFont, u"");
    list.has_selected_item = true;
    const struct {
        EditBoxState box;
        std::u16string clipboard;
        std::string shown;
    } cases[] = {
        {Box(EditMenuBox::tbCopy, u"abc", 3), u"", "u|tcpd|A"},  // the caret at the end
        {Box(EditMenuBox::tbCopy, u"abc", 2), u"", "u|tcpD|A"},  // something after the caret
        {Box(EditMenuBox::cbSearch, u"curl d", 0, 4), u"x", "u|TCPD|A"},
        {Box(EditMenuBox::cbPicture, u""), u"12", "u|tcPd|a"},
        {Box(EditMenuBox::cbPicture, u""), u"", "u|tcpd|a"},
        {undoable, u"", "U|tcpd|A"},  // the undo text differs
        {Box(EditMenuBox::cbPreview, u"&#233;", 0, 6), u"text", "...C..|A"},  // read-only
        {Box(EditMenuBox::cbEntity, u"&#233;", 0, 6), u"text", "...C..|A"},
        {Box(EditMenuBox::tbSearch, u"\u00e9", 0, 1), u"x", "..TCPD.."},  // the symbol box
        {list, u"x", "...C...."},
        {Box(EditMenuBox::lvRange, u""), u"x", "...c...."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Shown(EditMenuFor(c.box, c.clipboard)), c.shown) << static_cast<int>(c.box.box);
}

TEST(EditMenu, GoToPastesOnlyTextThatStartsWithAHexadecimalDigitAndKeepsItsOwnUndo) {
    const std::pair<std::u16string, bool> cases[] = {
        {u"g12", false}, {u"a12", true}, {u"A12", true},     {u"20AC", true},
        {u"9", true},    {u"F", true},   {u"f", true},       {u"G", false},
        {u" 41", false}, {u"", false},   {u"\uFF21", false},  // a full-width A is not a digit
    };
    for (const auto& [clipboard, paste] : cases) {
        EXPECT_EQ(EditMenuFor(Box(EditMenuBox::tbGoTo, u""), clipboard).paste.enabled, paste);
        // The rule is the go-to box's alone.
        EXPECT_EQ(EditMenuFor(Box(EditMenuBox::tbCopy, u""), clipboard).paste.enabled,
                  !clipboard.empty());
    }
    EditBoxState box = Box(EditMenuBox::tbGoTo, u"20", 2);
    box.undo_text = u"something else";
    EXPECT_FALSE(EditMenuFor(box, u"").undo.enabled);
    box.native_can_undo = true;
    box.undo_text = box.text;
    EXPECT_TRUE(EditMenuFor(box, u"").undo.enabled);
}

}  // namespace
}  // namespace glyphora

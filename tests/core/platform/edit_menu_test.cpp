#include "platform/edit_menu.h"

#include <gtest/gtest.h>

namespace glyphora {
namespace {

EditBoxState Box(EditMenuBox box, std::u16string text, int sel_start, int sel_length) {
    EditBoxState state;
    state.box = box;
    state.undo_text = text;
    state.text = std::move(text);
    state.sel_start = sel_start;
    state.sel_length = sel_length;
    return state;
}

struct Enabled {
    bool undo, cut, copy, paste, del, select_all;
};

void ExpectEnabled(const EditMenuState& menu, Enabled want) {
    EXPECT_EQ(menu.undo.enabled, want.undo);
    EXPECT_EQ(menu.cut.enabled, want.cut);
    EXPECT_EQ(menu.copy.enabled, want.copy);
    EXPECT_EQ(menu.paste.enabled, want.paste);
    EXPECT_EQ(menu.del.enabled, want.del);
    EXPECT_EQ(menu.select_all.enabled, want.select_all);
}

TEST(EditMenu, CaretAtTheEndWithNothingSelected) {
    const EditMenuState menu = EditMenuFor(Box(EditMenuBox::tbCopy, u"abc", 3, 0), u"");
    ExpectEnabled(menu, {.undo = false,
                         .cut = false,
                         .copy = false,
                         .paste = false,
                         .del = false,
                         .select_all = true});
    EXPECT_TRUE(menu.undo.visible && menu.separator1.visible && menu.separator2.visible);
}

TEST(EditMenu, ASelectionEnablesCutCopyAndDelete) {
    const EditMenuState menu = EditMenuFor(Box(EditMenuBox::cbSearch, u"curl d", 0, 4), u"x");
    ExpectEnabled(
        menu,
        {.undo = false, .cut = true, .copy = true, .paste = true, .del = true, .select_all = true});
}

TEST(EditMenu, AnEmptyBoxOffersOnlyPasteWhenTheClipboardHasText) {
    ExpectEnabled(EditMenuFor(Box(EditMenuBox::cbPicture, u"", 0, 0), u"12"),
                  {false, false, false, true, false, false});
    ExpectEnabled(EditMenuFor(Box(EditMenuBox::cbPicture, u"", 0, 0), u""),
                  {false, false, false, false, false, false});
}

TEST(EditMenu, UndoIsOfferedWhenTheUndoTextDiffers) {
    EditBoxState box = Box(EditMenuBox::tbCopy, u"ab", 2, 0);
    box.undo_text = u"a";
    EXPECT_TRUE(EditMenuFor(box, u"").undo.enabled);
    box.undo_text = u"ab";
    EXPECT_FALSE(EditMenuFor(box, u"").undo.enabled);
}

TEST(EditMenu, GoToPastesOnlyTextThatStartsWithAHexadecimalDigit) {
    const struct {
        std::u16string clipboard;
        bool paste;
    } cases[] = {
        {u"g12", false}, {u"a12", true}, {u"A12", true},     {u"20AC", true},
        {u"9", true},    {u"F", true},   {u"f", true},       {u"G", false},
        {u" 41", false}, {u"", false},   {u"\uFF21", false},  // a full-width A is not a digit
    };
    for (const auto& c : cases) {
        const EditMenuState menu = EditMenuFor(Box(EditMenuBox::tbGoTo, u"", 0, 0), c.clipboard);
        EXPECT_EQ(menu.paste.enabled, c.paste);
        // The rule is the go-to box's alone.
        EXPECT_EQ(EditMenuFor(Box(EditMenuBox::tbCopy, u"", 0, 0), c.clipboard).paste.enabled,
                  !c.clipboard.empty());
    }
}

TEST(EditMenu, GoToUndoFollowsTheBoxsOwnHistory) {
    EditBoxState box = Box(EditMenuBox::tbGoTo, u"20", 2, 0);
    box.undo_text = u"something else";
    EXPECT_FALSE(EditMenuFor(box, u"").undo.enabled);
    box.native_can_undo = true;
    box.undo_text = box.text;
    EXPECT_TRUE(EditMenuFor(box, u"").undo.enabled);
}

TEST(EditMenu, ReadOnlyPreviewsOfferCopyAndSelectAllOnly) {
    for (EditMenuBox which : {EditMenuBox::cbPreview, EditMenuBox::cbEntity}) {
        const EditMenuState menu = EditMenuFor(Box(which, u"&#233;", 0, 6), u"text");
        EXPECT_FALSE(menu.undo.visible);
        EXPECT_FALSE(menu.separator1.visible);
        EXPECT_FALSE(menu.cut.visible);
        EXPECT_FALSE(menu.paste.visible);
        EXPECT_FALSE(menu.del.visible);
        EXPECT_TRUE(menu.copy.visible && menu.copy.enabled);
        EXPECT_TRUE(menu.separator2.visible);
        EXPECT_TRUE(menu.select_all.visible && menu.select_all.enabled);
    }
}

TEST(EditMenu, TheSymbolBoxHidesUndoAndSelectAll) {
    const EditMenuState menu = EditMenuFor(Box(EditMenuBox::tbSearch, u"\u00e9", 0, 1), u"x");
    EXPECT_FALSE(menu.undo.visible || menu.separator1.visible || menu.separator2.visible ||
                 menu.select_all.visible);
    EXPECT_TRUE(menu.cut.visible && menu.copy.visible && menu.paste.visible && menu.del.visible);
    EXPECT_TRUE(menu.cut.enabled && menu.copy.enabled && menu.paste.enabled && menu.del.enabled);
}

TEST(EditMenu, ListsOfferCopyAloneEnabledBySelection) {
    for (EditMenuBox which : {EditMenuBox::lvFont, EditMenuBox::lvRange}) {
        EditBoxState box = Box(which, u"", 0, 0);
        box.has_selected_item = true;
        EditMenuState menu = EditMenuFor(box, u"x");
        EXPECT_EQ(menu, (EditMenuState{.undo = {false, true},
                                       .separator1 = {false, true},
                                       .cut = {false, true},
                                       .copy = {true, true},
                                       .paste = {false, true},
                                       .del = {false, true},
                                       .separator2 = {false, true},
                                       .select_all = {false, true}}));
        box.has_selected_item = false;
        EXPECT_FALSE(EditMenuFor(box, u"x").copy.enabled);
    }
}

TEST(EditMenu, NotEditableKeepsCopysStateAndTouchesNothingElse) {
    EditMenuState menu;
    menu.copy.enabled = false;
    menu.paste.enabled = false;
    PrepareEditMenu(menu, false, Box(EditMenuBox::tbCopy, u"abc", 0, 3), u"x");
    EXPECT_FALSE(menu.copy.enabled);
    EXPECT_TRUE(menu.copy.visible);
    EXPECT_FALSE(menu.paste.enabled);
    EXPECT_FALSE(menu.paste.visible);
    // Shown again for an editable box, every item is visible.
    PrepareEditMenu(menu, true, Box(EditMenuBox::tbCopy, u"abc", 0, 3), u"x");
    EXPECT_TRUE(menu.paste.visible && menu.paste.enabled && menu.copy.enabled);
}

TEST(EditMenu, TheSymbolBoxLeavesUndoAsItWas) {
    EditMenuState menu;
    menu.undo.enabled = false;
    EditBoxState box = Box(EditMenuBox::tbSearch, u"x", 0, 0);
    box.undo_text = u"y";
    PrepareEditMenu(menu, true, box, u"");
    EXPECT_FALSE(menu.undo.enabled);
}

TEST(EditMenu, DeleteNeedsSomethingAtOrAfterTheCaret) {
    EXPECT_TRUE(EditMenuFor(Box(EditMenuBox::tbCopy, u"abc", 2, 0), u"").del.enabled);
    EXPECT_FALSE(EditMenuFor(Box(EditMenuBox::tbCopy, u"abc", 3, 0), u"").del.enabled);
    EXPECT_TRUE(EditMenuFor(Box(EditMenuBox::tbCopy, u"abc", 0, 0), u"").del.enabled);
}

}  // namespace
}  // namespace glyphora

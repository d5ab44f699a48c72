// The editing keys of the text boxes, and which keys a read-only box lets through.
#include "copy/edit_command.h"

#include <gtest/gtest.h>

#include "copy/read_only_box_keys.h"

namespace glyphora {
namespace {

constexpr int kShift = kShiftBit, kCtrl = kCtrlBit, kAlt = kAltBit;
constexpr int kBackspace = 8, kTab = 9, kEnter = 13, kInsert = 45, kDelete = 46;

TEST(EditCommandForKey, MapsTheEditingKeys) {
    const struct {
        int key, shift, command;
    } cases[] = {
        {'A', kCtrl, kEditSelectAll},
        {'A', kCtrl | kShift | kAlt, kEditSelectAll},
        {'Z', kCtrl, kEditUndo},
        {kBackspace, kAlt, kEditUndo},
        {kBackspace, 0, kEditNone},
        {'X', kCtrl, kEditCut},
        {kDelete, kShift, kEditCut},
        {kInsert, kCtrl, kEditCopy},
        {kInsert, kCtrl | kShift, kEditCopy},  // Ctrl wins: copy is tested before paste
        {kInsert, kShift, kEditPaste},
        {kDelete, 0, kEditDelete},
        {kDelete, kCtrl, kEditNone},
        {kDelete, kCtrl | kAlt, kEditNone},
        {'Z', kAlt, kEditNone},
        {'c', kCtrl, kEditNone},  // key codes of letters are upper case
    };
    for (const auto& c : cases)
        EXPECT_EQ(EditCommandForKey(c.key, c.shift), c.command) << c.key << " " << c.shift;
}

TEST(ReadOnlyBoxKeyPasses, LetsMovementAndCopyThroughAndSwallowsEdits) {
    const struct {
        int key, shift;
        bool preview, entity;
    } cases[] = {
        {kTab, 0, true, false},       {kEnter, 0, false, true},
        {35, 0, true, true},          {37, kShift, true, true},  // End, Shift+Left
        {40, 0, true, true},          {'A', 0, false, false},
        {'A', kShift, false, false},  {kBackspace, 0, false, false},
        {kDelete, 0, false, false},   {kInsert, kShift, false, false},  // Shift+Insert pastes
        {'V', kCtrl, false, false},   {'V', kCtrl | kAlt, false, false},
        {'C', kCtrl, true, true},     {'A', kCtrl, true, true},
        {kInsert, kCtrl, true, true}, {'C', kCtrl | kShift, false, false},
        {'F', kAlt, true, true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReadOnlyBoxKeyPasses(c.key, c.shift, false), c.preview)
            << c.key << "/" << c.shift;
        EXPECT_EQ(ReadOnlyBoxKeyPasses(c.key, c.shift, true), c.entity) << c.key << "/" << c.shift;
    }
}

}  // namespace
}  // namespace glyphora

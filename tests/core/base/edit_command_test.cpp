// The editing keys of the text boxes, and which keys a read-only box lets through.
#include "base/edit_command.h"

#include <gtest/gtest.h>

#include "panels/read_only_box_keys.h"

namespace glyphora {
namespace {

constexpr int kShift = kShiftBit, kCtrl = kCtrlBit, kAlt = kAltBit;
constexpr int kBackspace = 8, kTab = 9, kEnter = 13, kInsert = 45, kDelete = 46;

TEST(EditCommandForKey, MapsTheEditingKeys) {
    // Ctrl+Shift+Insert copies: copy is tested before paste. Key codes of letters are upper case.
    constexpr int kAll = kCtrl | kShift | kAlt, kCtrlAlt = kCtrl | kAlt;
    const std::tuple<int, int, int> cases[] = {
        {'A', kCtrl, kEditSelectAll},  {'A', kAll, kEditSelectAll}, {'Z', kCtrl, kEditUndo},
        {kBackspace, kAlt, kEditUndo}, {kBackspace, 0, kEditNone},  {'X', kCtrl, kEditCut},
        {kDelete, kShift, kEditCut},   {kInsert, kCtrl, kEditCopy}, {kInsert, kShift, kEditPaste},
        {kDelete, 0, kEditDelete},     {kDelete, kCtrl, kEditNone}, {kDelete, kCtrlAlt, kEditNone},
        {'Z', kAlt, kEditNone},        {'c', kCtrl, kEditNone},
    };
    EXPECT_EQ(EditCommandForKey(kInsert, kCtrl | kShift), kEditCopy);
    for (const auto& [key, shift, command] : cases)
        EXPECT_EQ(EditCommandForKey(key, shift), command) << key << " " << shift;
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

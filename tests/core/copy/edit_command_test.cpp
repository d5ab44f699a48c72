#include "copy/edit_command.h"

#include <gtest/gtest.h>

namespace glyphora {
namespace {

constexpr int kShift = kShiftBit;
constexpr int kCtrl = kCtrlBit;
constexpr int kAlt = kAltBit;

TEST(EditCommandForKey, MapsTheEditingKeys) {
    const struct {
        int key;
        int shift;
        int command;
    } cases[] = {
        {'A', kCtrl, kEditSelectAll},
        {'A', kCtrl | kShift | kAlt, kEditSelectAll},
        {'A', 0, kEditNone},
        {'A', kShift, kEditNone},
        {'Z', kCtrl, kEditUndo},
        {8, kAlt, kEditUndo},
        {8, kAlt | kShift, kEditUndo},
        {8, 0, kEditNone},
        {8, kCtrl, kEditNone},
        {'X', kCtrl, kEditCut},
        {46, kShift, kEditCut},
        {46, kShift | kCtrl, kEditCut},
        {46, kShift | kAlt, kEditCut},
        {45, kCtrl, kEditCopy},
        {45, kCtrl | kShift, kEditCopy},  // Ctrl wins: copy is tested before paste
        {'C', kCtrl, kEditCopy},
        {45, kShift, kEditPaste},
        {'V', kCtrl, kEditPaste},
        {46, 0, kEditDelete},
        {46, kCtrl, kEditNone},
        {46, kAlt, kEditNone},
        {46, kCtrl | kAlt, kEditNone},
        {45, 0, kEditNone},
        {'Z', kAlt, kEditNone},
        {'Y', kCtrl, kEditNone},
        {'c', kCtrl, kEditNone},  // key codes of letters are upper case
    };
    for (const auto& c : cases)
        EXPECT_EQ(EditCommandForKey(c.key, c.shift), c.command) << c.key << " " << c.shift;
}

}  // namespace
}  // namespace glyphora

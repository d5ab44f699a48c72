#include "copy/read_only_box_keys.h"

#include <gtest/gtest.h>

#include "copy/edit_command.h"

namespace glyphora {
namespace {

TEST(ReadOnlyBoxKeyPasses, LetsMovementAndCopyThroughAndSwallowsEdits) {
    constexpr int kTab = 9, kEnter = 13, kBackspace = 8, kDelete = 46, kInsert = 45;
    const struct {
        int key, shift;
        bool preview, entity;
    } cases[] = {
        {kTab, 0, true, false},
        {kEnter, 0, false, true},
        {35, 0, true, true},          // End
        {37, kShiftBit, true, true},  // Shift+Left
        {40, 0, true, true},          // Down
        {'A', 0, false, false},
        {'A', kShiftBit, false, false},
        {kBackspace, 0, false, false},
        {kDelete, 0, false, false},
        {kInsert, kShiftBit, false, false},  // Shift+Insert pastes
        {'V', kCtrlBit, false, false},
        {'V', kCtrlBit | kAltBit, false, false},
        {'C', kCtrlBit, true, true},
        {'A', kCtrlBit, true, true},
        {kInsert, kCtrlBit, true, true},
        {'C', kCtrlBit | kShiftBit, false, false},
        {'F', kAltBit, true, true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReadOnlyBoxKeyPasses(c.key, c.shift, false), c.preview)
            << c.key << "/" << c.shift;
        EXPECT_EQ(ReadOnlyBoxKeyPasses(c.key, c.shift, true), c.entity) << c.key << "/" << c.shift;
    }
}

}  // namespace
}  // namespace glyphora

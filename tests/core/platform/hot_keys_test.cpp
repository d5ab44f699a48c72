#include "platform/hot_keys.h"

#include <gtest/gtest.h>

#include "copy/edit_command.h"

namespace glyphora {
namespace {

constexpr int kAlt = kAltBit;
constexpr int kCtrl = kCtrlBit;
constexpr int kShift = kShiftBit;

// Alt+digit chooses an enabled format (not from the keypad); F3 finds the next match only while
// a search is under way; F1 shows the focused control's topic when it has one; Alt+Enter opens
// the font properties whatever has the focus.
TEST(HotKeys, EachKeyActsOnlyInItsState) {
    HotKeyState state;
    state.formats_enabled.set();
    state.formats_enabled.reset(8);
    const std::tuple<int, int, HotKey> cases[] = {
        {'3', kAlt, {HotKeyAction::ChooseFormat, 3}},
        {'9', kAlt | kCtrl | kShift, {HotKeyAction::ChooseFormat, 9}},
        {'8', kAlt, {}},
        {'3', kCtrl, {}},
        {99, kAlt, {}},  // keypad 3
        {'A', kAlt, {}},
        {hot_keys::kF3, 0, {}},
        {hot_keys::kF1, 0, {}},
        {hot_keys::kEnter, kAlt | kShift, {HotKeyAction::FontProperties}},
        {hot_keys::kEnter, kCtrl, {}},
    };
    for (const auto& [key, shift, hot_key] : cases)
        EXPECT_EQ(FormKeyDown(key, shift, state), hot_key) << key << " " << shift;
    state.search_position = 0x222;  // after a match at U+0221
    state.focused_topic = 141;
    EXPECT_EQ(FormKeyDown(hot_keys::kF3, kShift, state), HotKey{HotKeyAction::SearchNext});
    EXPECT_EQ(FormKeyDown(hot_keys::kF1, 0, state), HotKey{HotKeyAction::WhatsThis});
}

}  // namespace
}  // namespace glyphora

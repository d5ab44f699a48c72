#include "platform/hot_keys.h"

#include <gtest/gtest.h>

#include "copy/edit_command.h"

namespace glyphora {
namespace {

constexpr int kAlt = kAltBit;
constexpr int kCtrl = kCtrlBit;
constexpr int kShift = kShiftBit;

HotKeyState AllFormats() {
    HotKeyState state;
    state.formats_enabled.set();
    return state;
}

TEST(HotKeys, AltDigitChoosesAnEnabledFormat) {
    HotKeyState state = AllFormats();
    state.formats_enabled.reset(8);
    const std::tuple<int, int, HotKey> cases[] = {
        {'3', kAlt, {HotKeyAction::ChooseFormat, 3}},  // UTF-8
        {'0', kAlt, {HotKeyAction::ChooseFormat, 0}},
        {'9', kAlt | kCtrl | kShift, {HotKeyAction::ChooseFormat, 9}},
        {'8', kAlt, {}},  // a disabled format
        {'3', 0, {}},
        {'3', kCtrl, {}},
        {99, kAlt, {}},  // keypad 3
        {'A', kAlt, {}},
    };
    for (const auto& [key, shift, hot_key] : cases)
        EXPECT_EQ(FormKeyDown(key, shift, state), hot_key) << key << " " << shift;
}

TEST(HotKeys, F3FindsTheNextMatchOnlyWhileASearchIsUnderWay) {
    HotKeyState state;
    EXPECT_EQ(FormKeyDown(hot_keys::kF3, 0, state), HotKey{});
    state.search_position = 0x222;  // after a match at U+0221
    EXPECT_EQ(FormKeyDown(hot_keys::kF3, 0, state), HotKey{HotKeyAction::SearchNext});
    EXPECT_EQ(FormKeyDown(hot_keys::kF3, kShift, state), HotKey{HotKeyAction::SearchNext});
    state.search_position = 0;  // the search text changed
    EXPECT_EQ(FormKeyDown(hot_keys::kF3, 0, state), HotKey{});
}

TEST(HotKeys, F1ShowsTheFocusedControlsTopicWhenItHasOne) {
    HotKeyState state;
    state.focused_topic = 141;
    EXPECT_EQ(FormKeyDown(hot_keys::kF1, 0, state), HotKey{HotKeyAction::WhatsThis});
    state.focused_topic = 0;
    EXPECT_EQ(FormKeyDown(hot_keys::kF1, 0, state), HotKey{});
}

TEST(HotKeys, AltEnterOpensTheFontPropertiesWhateverHasTheFocus) {
    HotKeyState state;
    EXPECT_EQ(FormKeyDown(hot_keys::kEnter, kAlt, state), HotKey{HotKeyAction::FontProperties});
    EXPECT_EQ(FormKeyDown(hot_keys::kEnter, kAlt | kShift, state),
              HotKey{HotKeyAction::FontProperties});
    EXPECT_EQ(FormKeyDown(hot_keys::kEnter, 0, state), HotKey{});
    EXPECT_EQ(FormKeyDown(hot_keys::kEnter, kCtrl, state), HotKey{});
}

}  // namespace
}  // namespace glyphora

#include "platform/status_panels.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "platform/lock_keys.h"

namespace glyphora {
namespace {

// Edges belong to the panel on their left; beside every panel, none unless clamped.
TEST(StatusPanelAt, FindsThePanelUnderThePosition) {
    const std::vector<int> widths = {100, 200, 50};
    const std::tuple<int, bool, int> cases[] = {
        {2, false, 1},   {102, false, 1}, {103, false, 2},   {302, false, 2}, {303, false, 3},
        {352, false, 3}, {353, false, 0}, {1, false, 0},     {-40, false, 0}, {1, true, 1},
        {-500, true, 1}, {353, true, 3},  {100000, true, 3}, {150, true, 2},
    };
    for (auto [x, clamp, panel] : cases) EXPECT_EQ(StatusPanelAt(widths, 2, x, clamp), panel) << x;
    for (int x : {0, -5, 5}) EXPECT_EQ(StatusPanelAt({}, 0, x, true), 0);
}

// A keyboard that reports and switches Caps and Num Lock only.
class FakeLockKeys : public LockKeys {
public:
    std::optional<bool> IsOn(LockKey key) override {
        const auto it = states_.find(key);
        if (it == states_.end()) return std::nullopt;
        return it->second;
    }
    bool Toggle(LockKey key) override {
        toggled_.push_back(key);
        const auto it = states_.find(key);
        if (it == states_.end()) return false;
        it->second = !it->second;
        return true;
    }

    std::map<LockKey, bool> states_ = {{LockKey::Caps, false}, {LockKey::Num, true}};
    std::vector<LockKey> toggled_;
};

const StatusPanel& Panel(std::string_view key) {
    for (int bar : {0, 1})
        for (const StatusPanel& panel : StatusBarPanels(bar))
            if (panel.key == key) return panel;
    throw std::logic_error("no such panel");
}

TEST(LockPanels, DoubleClickSwitchesOnlyAKeyTheDesktopLetsUsSwitch) {
    FakeLockKeys keys;
    EXPECT_TRUE(DoubleClickLockPanel(keys, Panel("CAPS")));
    EXPECT_TRUE(ViewLockPanel(keys, LockKey::Caps).on);
    EXPECT_TRUE(DoubleClickLockPanel(keys, Panel("NUM")));
    EXPECT_FALSE(ViewLockPanel(keys, LockKey::Num).on);
    EXPECT_TRUE(ViewLockPanel(keys, LockKey::Num).known);
    // Unsupported keys show greyed and do not switch; text panels never touch the keyboard.
    EXPECT_FALSE(DoubleClickLockPanel(keys, Panel("KANA")));
    EXPECT_FALSE(ViewLockPanel(keys, LockKey::Kana).known || ViewLockPanel(keys, LockKey::Kana).on);
    keys.toggled_.clear();
    for (std::string_view key : {"Hex", "Name", "Type", "Message", "Mode", "OnTop"})
        EXPECT_FALSE(DoubleClickLockPanel(keys, Panel(key)));
    EXPECT_TRUE(keys.toggled_.empty());
}

}  // namespace
}  // namespace glyphora

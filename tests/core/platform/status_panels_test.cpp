#include "platform/status_panels.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "platform/lock_keys.h"

namespace glyphora {
namespace {

TEST(StatusPanelAt, FindsThePanelUnderThePosition) {
    const std::vector<int> widths = {100, 200, 50};
    const struct {
        int x;
        int panel;
    } cases[] = {
        {2, 1},   {50, 1},  {102, 1},  // edges belong to the panel on their left
        {103, 2}, {302, 2}, {303, 3}, {352, 3}, {353, 0}, {1, 0}, {-40, 0},
    };
    for (const auto& c : cases) EXPECT_EQ(StatusPanelAt(widths, 2, c.x, false), c.panel) << c.x;
}

TEST(StatusPanelAt, ClampTakesTheNearestEndPanelAndABarWithoutPanelsHasNone) {
    const std::vector<int> widths = {100, 200, 50};
    for (auto [x, panel] : {std::pair{1, 1}, {-500, 1}, {353, 3}, {100000, 3}, {150, 2}})
        EXPECT_EQ(StatusPanelAt(widths, 2, x, true), panel) << x;
    for (int x : {0, -5, 5}) EXPECT_EQ(StatusPanelAt({}, 0, x, true), 0);
}

TEST(StatusPanels, TheCodePanelSwitchesAndTheIndicatorsToggle) {
    const auto bar0 = StatusBarPanels(0);
    ASSERT_EQ(bar0.size(), 3u);
    EXPECT_EQ(bar0[0].key, "Hex");
    EXPECT_EQ(DoubleClickAction(bar0[0]), PanelDoubleClick::SwitchCodeDisplay);
    EXPECT_EQ(DoubleClickAction(bar0[1]), PanelDoubleClick::None);

    std::vector<std::string_view> keys;
    std::vector<std::optional<LockKey>> locks;
    for (const StatusPanel& panel : StatusBarPanels(1)) {
        keys.push_back(panel.key);
        locks.push_back(LockKeyOf(panel.style));
        EXPECT_EQ(DoubleClickAction(panel) == PanelDoubleClick::ToggleLockKey,
                  locks.back().has_value());
    }
    EXPECT_EQ(keys, (std::vector<std::string_view>{"Message", "Mode", "OnTop", "CAPS", "SCRL",
                                                   "NUM", "INS", "KANA"}));
    EXPECT_EQ(locks, (std::vector<std::optional<LockKey>>{
                         std::nullopt, std::nullopt, std::nullopt, LockKey::Caps, LockKey::Scroll,
                         LockKey::Num, LockKey::Insert, LockKey::Kana}));
    EXPECT_TRUE(StatusBarPanels(2).empty());
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

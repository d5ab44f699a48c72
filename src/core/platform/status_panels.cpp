#include "platform/status_panels.h"

#include "platform/help_topics.h"

namespace glyphora {
namespace {

constexpr std::string_view kCodeTip = "Double click to switch Dec/Hex mode";

constexpr StatusPanel kBar0[] = {
    {"Hex", PanelStyle::Text, kTopicHexPanel, kCodeTip},
    {"Name", PanelStyle::Text, kTopicNamePanel, {}},
    {"Type", PanelStyle::Text, kTopicTypePanel, {}},
};

constexpr StatusPanel kBar1[] = {
    {"Message", PanelStyle::Text, kTopicMessagePanel, {}},
    {"Mode", PanelStyle::Text, kTopicModePanel, {}},
    {"OnTop", PanelStyle::Text, kTopicOnTopPanel, {}},
    {"CAPS", PanelStyle::CapsLock, kTopicLockPanels, {}},
    {"SCRL", PanelStyle::ScrollLock, kTopicLockPanels, {}},
    {"NUM", PanelStyle::NumLock, kTopicLockPanels, {}},
    {"INS", PanelStyle::Insert, kTopicLockPanels, {}},
    {"KANA", PanelStyle::KanaLock, kTopicLockPanels, {}},
};

}  // namespace

std::span<const StatusPanel> StatusBarPanels(int bar) {
    if (bar == 0) return kBar0;
    if (bar == 1) return kBar1;
    return {};
}

int StatusPanelAt(std::span<const int> widths, int first_left, int x, bool clamp) {
    if (widths.empty()) return 0;
    // Widened so that panel edges far out cannot overflow.
    long long edge = first_left;
    for (std::size_t j = 0; j < widths.size(); ++j) {
        if (edge <= x && x <= edge + widths[j]) return static_cast<int>(j + 1);
        edge += widths[j];
    }
    if (!clamp) return 0;
    if (x < first_left) return 1;
    if (x >= edge) return static_cast<int>(widths.size());
    return 0;  // a negative width can leave a gap between panels
}

PanelDoubleClick DoubleClickAction(const StatusPanel& panel) {
    if (panel.key == "Hex") return PanelDoubleClick::SwitchCodeDisplay;
    return panel.style == PanelStyle::Text ? PanelDoubleClick::None
                                           : PanelDoubleClick::ToggleLockKey;
}

}  // namespace glyphora

#include "platform/lock_keys.h"

namespace glyphora {

std::optional<LockKey> LockKeyOf(PanelStyle style) {
    switch (style) {
        case PanelStyle::CapsLock:
            return LockKey::Caps;
        case PanelStyle::NumLock:
            return LockKey::Num;
        case PanelStyle::Insert:
            return LockKey::Insert;
        case PanelStyle::ScrollLock:
            return LockKey::Scroll;
        case PanelStyle::KanaLock:
            return LockKey::Kana;
        case PanelStyle::Text:
            break;
    }
    return std::nullopt;
}

LockPanelView ViewLockPanel(LockKeys& keys, LockKey key) {
    const std::optional<bool> on = keys.IsOn(key);
    return {on.value_or(false), on.has_value()};
}

bool DoubleClickLockPanel(LockKeys& keys, const StatusPanel& panel) {
    if (DoubleClickAction(panel) != PanelDoubleClick::ToggleLockKey) return false;
    const std::optional<LockKey> key = LockKeyOf(panel.style);
    return key && keys.Toggle(*key);
}

}  // namespace glyphora

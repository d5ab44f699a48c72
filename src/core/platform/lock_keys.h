#pragma once

#include <cstdint>
#include <optional>

#include "platform/status_panels.h"

namespace glyphora {

// The lock keys the status bar shows.
enum class LockKey : std::uint8_t { Caps, Kana, Insert, Num, Scroll };

// The keyboard's lock states, as far as the desktop tells them. The window implements it (X11
// XKB where available); a desktop that reports or switches nothing is allowed.
class LockKeys {
public:
    virtual ~LockKeys() = default;
    // Whether the key is on; nullopt when the desktop does not tell.
    virtual std::optional<bool> IsOn(LockKey key) = 0;
    // Switches the key; false when the desktop does not allow it or it failed.
    virtual bool Toggle(LockKey key) = 0;
};

// The lock key of an indicator panel; nullopt for a text panel.
std::optional<LockKey> LockKeyOf(PanelStyle style);

// How an indicator panel shows its key: its text dark when the key is known to be on, greyed
// when it is off or unknown.
struct LockPanelView {
    bool on = false;
    bool known = false;
};
LockPanelView ViewLockPanel(LockKeys& keys, LockKey key);

// The double click on a lock-key panel: switches the key where the desktop allows it. True when
// it switched, so the window refreshes the indicators.
bool DoubleClickLockPanel(LockKeys& keys, const StatusPanel& panel);

}  // namespace glyphora

#pragma once

#include <optional>

#include "platform/lock_keys.h"

namespace glyphora {

// The keyboard's lock keys as the X server reports them (XKB indicators), for the lock-key panels
// of the status bar. Caps Lock and Num Lock can be switched, and Scroll Lock where the keyboard
// map gives it a modifier. Without an X display (Wayland, the tests' off-screen platform) nothing
// is known and nothing can be switched; no desktop keeps an insert mode.
class X11LockKeys : public LockKeys {
public:
    // Finds the X11 display of the running application, if there is one.
    X11LockKeys();

    std::optional<bool> IsOn(LockKey key) override;
    bool Toggle(LockKey key) override;

private:
    void* display_ = nullptr;  // Display*, kept opaque so that no X11 header leaks out
};

}  // namespace glyphora

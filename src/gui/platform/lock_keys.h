#pragma once

#include <optional>

namespace glyphora {

// The keyboard's lock keys as the window system reports them, for the lock-key panels of the
// status bar. On X11 the XKB indicators are read and Caps Lock and Num Lock can be switched; on
// other platforms (Wayland, the tests' off-screen platform) nothing is known and nothing can be
// switched.
class LockKeys {
public:
    enum class Key { Caps, Scroll, Num, Insert, Kana };

    // Finds the X11 display of the running application, if there is one.
    LockKeys();

    // On or off; nullopt when the platform does not report this key.
    std::optional<bool> State(Key key) const;
    // Switches the key's lock state; false when the platform does not allow it.
    bool Toggle(Key key);

private:
    void* display_ = nullptr;  // Display*, kept opaque so that no X11 header leaks out
};

}  // namespace glyphora

#include "platform/x11_lock_keys.h"

#include <QGuiApplication>

// The X11 headers define macros (None, Bool, KeyPress...) that clash with Qt's names: they come
// after every Qt header.
#include <X11/XKBlib.h>
#include <X11/keysym.h>

namespace glyphora {

namespace {

const char* IndicatorName(LockKey key) {
    switch (key) {
        case LockKey::Caps:
            return "Caps Lock";
        case LockKey::Num:
            return "Num Lock";
        case LockKey::Scroll:
            return "Scroll Lock";
        case LockKey::Kana:
            return "Kana";
        case LockKey::Insert:
            break;  // no window system keeps an insert mode
    }
    return nullptr;
}

}  // namespace

X11LockKeys::X11LockKeys() {
    if (auto* x11 =
            qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr) {
        Display* display = x11->display();
        int opcode = 0, event = 0, error = 0, major = XkbMajorVersion, minor = XkbMinorVersion;
        if (display && XkbQueryExtension(display, &opcode, &event, &error, &major, &minor))
            display_ = display;
    }
}

std::optional<bool> X11LockKeys::IsOn(LockKey key) {
    const char* name = IndicatorName(key);
    if (!display_ || !name) return std::nullopt;
    auto* display = static_cast<Display*>(display_);
    const Atom atom = XInternAtom(display, name, True);
    if (atom == 0) return std::nullopt;
    int index = 0;
    Bool on = False;
    if (!XkbGetNamedIndicator(display, atom, &index, &on, nullptr, nullptr)) return std::nullopt;
    return on != False;
}

bool X11LockKeys::Toggle(LockKey key) {
    if (!display_) return false;
    auto* display = static_cast<Display*>(display_);
    unsigned int mask = 0;
    switch (key) {
        case LockKey::Caps:
            mask = LockMask;
            break;
        case LockKey::Num:
            mask = XkbKeysymToModifiers(display, XK_Num_Lock);
            break;
        // Scroll Lock rarely drives a modifier; when it does, it can be switched the same way.
        case LockKey::Scroll:
            mask = XkbKeysymToModifiers(display, XK_Scroll_Lock);
            break;
        default:
            break;
    }
    const auto state = IsOn(key);
    if (mask == 0 || !state) return false;
    XkbLockModifiers(display, XkbUseCoreKbd, mask, *state ? 0 : mask);
    XFlush(display);
    return true;
}

}  // namespace glyphora

#include "platform/lock_keys.h"

#include <QGuiApplication>

// The X11 headers define macros (None, Bool, KeyPress...) that clash with Qt's names: they come
// after every Qt header.
#include <X11/XKBlib.h>
#include <X11/keysym.h>

namespace glyphora {

namespace {

const char* IndicatorName(LockKeys::Key key) {
    switch (key) {
        case LockKeys::Key::Caps:
            return "Caps Lock";
        case LockKeys::Key::Num:
            return "Num Lock";
        case LockKeys::Key::Scroll:
            return "Scroll Lock";
        case LockKeys::Key::Kana:
            return "Kana";
        case LockKeys::Key::Insert:
            break;  // no window system keeps an insert mode
    }
    return nullptr;
}

}  // namespace

LockKeys::LockKeys() {
    if (auto* x11 =
            qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr) {
        Display* display = x11->display();
        int opcode = 0, event = 0, error = 0, major = XkbMajorVersion, minor = XkbMinorVersion;
        if (display && XkbQueryExtension(display, &opcode, &event, &error, &major, &minor))
            display_ = display;
    }
}

std::optional<bool> LockKeys::State(Key key) const {
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

bool LockKeys::Toggle(Key key) {
    if (!display_) return false;
    auto* display = static_cast<Display*>(display_);
    unsigned int mask = 0;
    switch (key) {
        case Key::Caps:
            mask = LockMask;
            break;
        case Key::Num:
            mask = XkbKeysymToModifiers(display, XK_Num_Lock);
            break;
        // Scroll Lock rarely drives a modifier; when it does, it can be switched the same way.
        case Key::Scroll:
            mask = XkbKeysymToModifiers(display, XK_Scroll_Lock);
            break;
        default:
            break;
    }
    const auto state = State(key);
    if (mask == 0 || !state) return false;
    XkbLockModifiers(display, XkbUseCoreKbd, mask, *state ? 0 : mask);
    XFlush(display);
    return true;
}

}  // namespace glyphora

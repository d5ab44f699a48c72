#include "platform/x11_program_windows.h"

#include <QGuiApplication>
#include <vector>

// The X11 headers define macros (None, Bool, KeyPress...) that clash with Qt's names: they come
// after every Qt header.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace glyphora {

namespace {

// The CARDINAL or WINDOW values of a 32-bit property; empty when the window has none.
std::vector<unsigned long> LongProperty(Display* display, Window window, Atom property, Atom type) {
    Atom actual_type = 0;
    int actual_format = 0;
    unsigned long count = 0, remaining = 0;
    unsigned char* data = nullptr;
    std::vector<unsigned long> values;
    // Up to 64k entries: far more clients than a desktop has.
    if (XGetWindowProperty(display, window, property, 0, 65536, False, type, &actual_type,
                           &actual_format, &count, &remaining, &data) == Success &&
        data != nullptr) {
        // Xlib hands 32-bit properties out as longs.
        if (actual_type == type && actual_format == 32) {
            const auto* longs = reinterpret_cast<const unsigned long*>(data);
            values.assign(longs, longs + count);
        }
    }
    if (data != nullptr) XFree(data);
    return values;
}

std::vector<Window> CandidateWindows(Display* display, Window root) {
    const Atom client_list = XInternAtom(display, "_NET_CLIENT_LIST", False);
    std::vector<Window> windows;
    for (unsigned long window : LongProperty(display, root, client_list, XA_WINDOW))
        windows.push_back(static_cast<Window>(window));
    if (!windows.empty()) return windows;
    Window root_return = 0, parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (XQueryTree(display, root, &root_return, &parent, &children, &count) && children) {
        windows.assign(children, children + count);
        XFree(children);
    }
    return windows;
}

}  // namespace

X11ProgramWindows::X11ProgramWindows() {
    // A program of a Wayland session draws its windows there even when this one runs on
    // XWayland, out of reach of X11 requests.
    if (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) return;
    if (auto* x11 =
            qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr) {
        display_ = x11->display();
    }
}

bool X11ProgramWindows::Raise(ProcessId process) {
    if (!display_ || process <= 0) return false;
    auto* display = static_cast<Display*>(display_);
    const Window root = DefaultRootWindow(display);
    const Atom wm_pid = XInternAtom(display, "_NET_WM_PID", False);
    for (const Window window : CandidateWindows(display, root)) {
        const std::vector<unsigned long> pid = LongProperty(display, window, wm_pid, XA_CARDINAL);
        if (pid.size() != 1 || pid[0] != static_cast<unsigned long>(process)) continue;
        XWindowAttributes attributes{};
        if (!XGetWindowAttributes(display, window, &attributes) ||
            attributes.map_state != IsViewable) {
            continue;  // a hidden helper window, or not mapped yet
        }
        // Source 2 (a pager): window managers honour it even when the focus-stealing
        // prevention would refuse an ordinary program's request.
        XEvent event{};
        event.xclient.type = ClientMessage;
        event.xclient.window = window;
        event.xclient.message_type = XInternAtom(display, "_NET_ACTIVE_WINDOW", False);
        event.xclient.format = 32;
        event.xclient.data.l[0] = 2;
        event.xclient.data.l[1] = CurrentTime;
        XSendEvent(display, root, False, SubstructureRedirectMask | SubstructureNotifyMask, &event);
        XRaiseWindow(display, window);
        XFlush(display);
        return true;
    }
    return false;
}

}  // namespace glyphora

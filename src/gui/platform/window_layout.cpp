#include "platform/window_layout.h"

#include <QGuiApplication>
#include <QWidget>

namespace glyphora {

void FitWindow(QWidget* window, int width, int height) {
    if (window == nullptr || window->isMinimized()) return;
    if (window->width() != width) window->resize(width, window->height());
    if (window->height() != height) window->resize(window->width(), height);
}

bool ClientPlacesWindows() {
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

void SetTopmost(QWidget* window, bool on) {
    if (window == nullptr) return;
    const bool is_on = window->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    if (is_on == on) return;
    const bool visible = window->isVisible();
    const bool without_activating = window->testAttribute(Qt::WA_ShowWithoutActivating);
    // Changing the flags of a shown window hides it; showing it again must not steal the focus.
    window->setWindowFlag(Qt::WindowStaysOnTopHint, on);
    if (visible) {
        window->setAttribute(Qt::WA_ShowWithoutActivating, true);
        window->show();
        window->setAttribute(Qt::WA_ShowWithoutActivating, without_activating);
    }
}

}  // namespace glyphora

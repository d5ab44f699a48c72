#pragma once

class QWidget;

namespace glyphora {

// Sizes a window (or a control) to wrap its content: width first, then height, each only when it
// differs, so an unchanged size raises no resize event. A minimized window is left alone.
void FitWindow(QWidget* window, int width, int height);

// False where the compositor alone places windows (Wayland): a program can neither move its
// window, nor learn where it stands, nor keep it above the others.
bool ClientPlacesWindows();

// The always-on-top switch. A window manager only reads the flag when the window is mapped, so a
// visible window is shown again, without taking the activation.
void SetTopmost(QWidget* window, bool on);

}  // namespace glyphora

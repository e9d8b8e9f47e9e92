// What the SDL platform layer tells the system's own window layer before SDL opens its displays:
// on X11 (x11/NativeVideo.cpp) which of Xlib's errors to ignore, on Windows (windows/) which
// icon resource the window class shows; and, once SDL has loaded OpenGL, that the system's
// OpenGL driver stays loaded (x11/GlDriverPin.cpp).
#pragma once

namespace window::sdl {

void prepareNativeVideo();

// True where the program file carries its own icon, which the windows keep instead of the
// picture the frame gives them.
bool programHasIcon();

// Keeps the OpenGL driver in memory until the process ends; call it after SDL has loaded it
// (for an OpenGL window and its context). Mesa's libraries keep a few allocations in their
// global data that nothing frees; unloaded when SDL closes its displays, they left those behind
// unreachable, reported by leak checkers without a name (the library they came from was gone).
void pinGlDriver();

} // namespace window::sdl

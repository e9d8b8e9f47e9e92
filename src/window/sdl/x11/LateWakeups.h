// SDL 2.26 wakes its waiting event loop by sending an X event to a window of the program, even
// from the loop's own thread while it dispatches input. When that input destroys the window, the
// event can reach the X server after the window has gone; the server answers BadWindow, and
// Xlib's default handler ends the program when the display is closed at shutdown.
#pragma once

namespace window::sdl {

// Makes Xlib ignore exactly that error (BadWindow for a sent event); every other error goes to
// the handler that was there before. Install it before SDL opens its displays.
void ignoreLateWakeups();

} // namespace window::sdl

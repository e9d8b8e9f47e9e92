// What the SDL platform layer tells the system's own window layer before SDL opens its displays:
// on X11 (x11/NativeVideo.cpp) which of Xlib's errors to ignore, on Windows (windows/) which
// icon resource the window class shows.
#pragma once

namespace window::sdl {

void prepareNativeVideo();

// True where the program file carries its own icon, which the windows keep instead of the
// picture the frame gives them.
bool programHasIcon();

} // namespace window::sdl

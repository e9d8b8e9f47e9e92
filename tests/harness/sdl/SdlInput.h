// The harness's way into the program: SDL events pushed onto SDL's queue, as the desktop would
// send them, and a marker event that tells when everything pushed before it was handled.
#pragma once

#include <cstdint>
#include <string>

namespace harness::sdl {

// The id of the program's window; 0 while there is none.
uint32_t findWindow();
// The window gains the keyboard focus (a headless driver never gives it), or loses it to
// another program.
void focus(uint32_t window);
void loseFocus(uint32_t window);
// Mouse positions are pixels of the 800 x 600 picture, placed in the window as it shows the
// picture (scaled in full screen); a held left button makes the move a drag.
void mouseMove(uint32_t window, int32_t x, int32_t y, bool leftHeld);
void mouseButton(uint32_t window, int32_t x, int32_t y, bool down);
// A key by its name ("escape", "f1", "left", "a", ...); false for an unknown name.
bool key(uint32_t window, const std::string& name, bool down);
// Typed text (UTF-8).
void text(uint32_t window, const std::string& utf8);
// The close button of the window.
void closeWindow(uint32_t window);
// Pushes a marker; markerPending() is true until the program's event loop has taken it.
bool pushMarker();
bool markerPending();
// Frees what SDL keeps for the calling thread (its last error text); a thread of the harness
// that called SDL calls it as it ends.
void endThread();

} // namespace harness::sdl

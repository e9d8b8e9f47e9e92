// SDL keys as the window procedure knows them: Windows virtual-key codes, and the characters
// that SDL sends no text for (Backspace, Tab, Enter, Escape).
#pragma once

#include <SDL.h>

#include <cstdint>

namespace window::sdl {

// The virtual-key code of a key (0 for keys without one). Keypad keys follow Num Lock: digits
// while it is on, the navigation keys they are labelled with while it is off.
int32_t virtualKeyOf(SDL_Keycode key, uint16_t modifiers);

// The character a key types that SDL delivers no text input for, or -1.
int32_t controlCharacterOf(SDL_Keycode key);

} // namespace window::sdl

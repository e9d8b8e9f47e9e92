// The start-up's window-mode rule, kept apart from the frame so that it can be checked alone:
// a desktop that can show a window starts windowed unless "FULLSCREEN" says otherwise (24-bit
// desktops default to full screen), any other desktop starts full screen, and a run after one
// that did not end normally ("NORMALEXIT" 0) comes up in a window and clears "FULLSCREEN".
#pragma once

#include <cstdint>

namespace sprite {

class User;

// Reads and writes the settings as the rule says ("NORMALEXIT" becomes 0 for the run that
// begins); answers whether the run starts full screen.
bool chooseFullScreen(User& settings, int32_t desktopBitsPerPixel);

} // namespace sprite

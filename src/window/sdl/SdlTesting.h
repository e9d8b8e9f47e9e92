// Hooks for tests of the SDL platform layer.
#pragma once

namespace window::sdl {

// While set, every switch into full screen is refused, as SDL refuses on some systems.
void setFullScreenRefused(bool refused);

} // namespace window::sdl

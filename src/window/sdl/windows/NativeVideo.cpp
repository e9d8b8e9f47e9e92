#include "window/sdl/NativeVideo.h"

#include <SDL.h>

namespace window::sdl {

// The program's icon resource (Kipto2.rc); the task bar and the title bar show it until the
// frame sets the package's icon.
constexpr const char* kIconResource = "102";

void prepareNativeVideo()
{
    SDL_SetHint(SDL_HINT_WINDOWS_INTRESOURCE_ICON, kIconResource);
    SDL_SetHint(SDL_HINT_WINDOWS_INTRESOURCE_ICON_SMALL, kIconResource);
}

} // namespace window::sdl

#include "window/sdl/NativeVideo.h"

#include <SDL.h>

namespace window::sdl {

// The program's icon resource (Kipto2.rc), which the task bar, the title bar and Explorer show.
constexpr const char* kIconResource = "102";

void prepareNativeVideo()
{
    SDL_SetHint(SDL_HINT_WINDOWS_INTRESOURCE_ICON, kIconResource);
    SDL_SetHint(SDL_HINT_WINDOWS_INTRESOURCE_ICON_SMALL, kIconResource);
}

bool programHasIcon()
{
    return true;
}

// Only the drivers of Linux are known to leave allocations behind.
void pinGlDriver() {}

} // namespace window::sdl

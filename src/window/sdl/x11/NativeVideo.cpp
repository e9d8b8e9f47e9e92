#include "window/sdl/NativeVideo.h"

#include "window/sdl/x11/LateWakeups.h"

namespace window::sdl {

void prepareNativeVideo()
{
    // SDL keeps the handler it finds and puts it back when it closes its displays.
    ignoreLateWakeups();
}

bool programHasIcon()
{
    return false;
}

} // namespace window::sdl

#include "window/sdl/x11/LateWakeups.h"

#include <X11/Xlib.h>
#include <X11/Xproto.h>

#include <mutex>

namespace window::sdl {

namespace {

XErrorHandler previousHandler = nullptr;

int filterLateWakeups(Display* display, XErrorEvent* error)
{
    if (error->error_code == BadWindow && error->request_code == X_SendEvent)
        return 0;
    return previousHandler ? previousHandler(display, error) : 0;
}

} // namespace

void ignoreLateWakeups()
{
    static std::once_flag once;
    std::call_once(once, [] { previousHandler = XSetErrorHandler(filterLateWakeups); });
}

} // namespace window::sdl

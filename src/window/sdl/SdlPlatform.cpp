// The process-wide part of the SDL platform layer: start-up, the desktop, message boxes,
// cursors and the clock. The event pump is in EventPump.cpp.
#include "window/sdl/SdlPlatform.h"

#include "lang/Cp1252.h"
#include "lang/Debug.h"
#include "lang/String.h"
#include "lang/Thread.h"
#include "window/Cursor.h"
#include "window/sdl/SdlWindow.h"
#include "window/sdl/MessageQueue.h"
#include "window/sdl/NativeVideo.h"

#include <SDL.h>

#include <cstdio>
#include <cstring>
#include <thread>

namespace window::sdl {

namespace {

std::thread::id mainThreadId;

// The open hand (cursor 105): 'X' black, '.' white, blanks transparent; hot spot in the palm.
const char* const openHandPicture[16] = {
    "       XX       ",
    "   XX X..XXX    ",
    "  X..XX..X..X   ",
    "  X..XX..X..X X ",
    "   X..X..X..XX.X",
    "   X..X..X..X..X",
    " XX X.......X..X",
    "X..XX..........X",
    "X...X.........X ",
    " X............X ",
    "  X...........X ",
    "  X..........X  ",
    "   X.........X  ",
    "    X.......X   ",
    "     X......X   ",
    "     X......X   ",
};

SDL_Cursor* makeOpenHandCursor()
{
    uint8_t data[32] = {};
    uint8_t mask[32] = {};
    for (int row = 0; row < 16; ++row) {
        for (int column = 0; column < 16; ++column) {
            char c = openHandPicture[row][column];
            uint8_t bit = uint8_t(0x80 >> (column % 8));
            int index = row * 2 + column / 8;
            if (c != ' ')
                mask[index] |= bit;
            if (c == 'X')
                data[index] |= bit;
        }
    }
    return SDL_CreateCursor(data, mask, 16, 16, 8, 9);
}

} // namespace

bool hasVisibleDisplay()
{
    const char* driver = SDL_GetCurrentVideoDriver();
    return driver && std::strcmp(driver, "offscreen") != 0 && std::strcmp(driver, "dummy") != 0;
}

bool SdlPlatform::initialise()
{
    if (SDL_WasInit(SDL_INIT_VIDEO))
        return true;
    mainThreadId = std::this_thread::get_id();
    // The frame decides what losing the focus in full screen does.
    SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    SDL_SetHint(SDL_HINT_MOUSE_AUTO_CAPTURE, "1");
    // On X11 SDL would route the software renderer's window surface through OpenGL; the
    // shared-memory path costs a tenth of that (0.4 ms against 4 ms of CPU for an 800x600
    // frame under Xvfb, bench/window/present_bench.cpp). KIPTO2_PRESENT=accelerated picks
    // SDL's GPU renderer instead, for machines where that is cheaper.
    SDL_SetHintWithPriority(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0", SDL_HINT_DEFAULT);
    prepareNativeVideo();
    if (SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_TIMER) != 0) {
        lang::debugOutput((lang::String("SDL video start failed: ") + SDL_GetError() + "\n").c_str());
        return false;
    }
    registerUserEvents();
    SDL_StartTextInput();
    // The error text SDL keeps for a thread lives until the thread frees it.
    lang::Thread::setEndOfRunHook(SDL_TLSCleanup);
    return true;
}

bool SdlPlatform::isMainThread()
{
    return SDL_WasInit(SDL_INIT_VIDEO) && std::this_thread::get_id() == mainThreadId;
}

NativeWindow* SdlPlatform::createWindow(Component* owner, const WindowSettings& settings)
{
    if (!initialise())
        return nullptr;
    auto* window = new SdlWindow(owner, settings);
    if (!window->isValid()) {
        delete window;
        return nullptr;
    }
    return window;
}

uint32_t SdlPlatform::getTicks()
{
    return SDL_GetTicks();
}

void SdlPlatform::showMessageBox(const char* cp1252Title, const char* cp1252Text)
{
    std::string title = lang::cp1252ToUtf8(cp1252Title ? cp1252Title : "");
    std::string text = lang::cp1252ToUtf8(cp1252Text ? cp1252Text : "");
    if (hasVisibleDisplay()) {
        const auto& windows = SdlWindow::all();
        SDL_Window* parent = windows.empty() ? nullptr : windows.front()->getSdlWindow();
        if (SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, title.c_str(), text.c_str(), parent) == 0)
            return;
    }
    std::fprintf(stderr, "%s: %s\n", title.c_str(), text.c_str());
}

DesktopInfo SdlPlatform::getDesktop()
{
    DesktopInfo desktop;
    desktop.width = desktop.workWidth = 800;
    desktop.height = desktop.workHeight = 600;
    desktop.bitsPerPixel = 32;
    SDL_DisplayMode mode;
    if (!SDL_WasInit(SDL_INIT_VIDEO) || SDL_GetDesktopDisplayMode(0, &mode) != 0)
        return desktop;
    desktop.width = mode.w;
    desktop.height = mode.h;
    // A true-colour desktop of four bytes a pixel counts as 32 bits, as Windows reports it.
    int bytes = SDL_BYTESPERPIXEL(mode.format);
    desktop.bitsPerPixel = bytes >= 3 ? bytes * 8 : int32_t(SDL_BITSPERPIXEL(mode.format));
    SDL_Rect work;
    if (SDL_GetDisplayUsableBounds(0, &work) == 0) {
        desktop.workX = work.x;
        desktop.workY = work.y;
        desktop.workWidth = work.w;
        desktop.workHeight = work.h;
    } else {
        desktop.workWidth = mode.w;
        desktop.workHeight = mode.h;
    }
    return desktop;
}

bool SdlPlatform::openUrl(const char* url)
{
    return url && SDL_OpenURL(url) == 0;
}

void* SdlPlatform::createCursor(int32_t kind)
{
    if (!SDL_WasInit(SDL_INIT_VIDEO))
        return nullptr;
    switch (kind) {
    case Cursor::Arrow: return SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_ARROW);
    case Cursor::Beam: return SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_IBEAM);
    case Cursor::Wait: return SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_WAIT);
    case Cursor::Cross: return SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_CROSSHAIR);
    case Cursor::Hand: return SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_HAND);
    case Cursor::OpenHand: return makeOpenHandCursor();
    default: {
        // An empty cursor: every pixel transparent.
        const uint8_t nothing[8] = {};
        return SDL_CreateCursor(nothing, nothing, 8, 8, 0, 0);
    }
    }
}

void SdlPlatform::showCursor(void* handle)
{
    if (handle && SDL_WasInit(SDL_INIT_VIDEO))
        SDL_SetCursor(static_cast<SDL_Cursor*>(handle));
}

} // namespace window::sdl

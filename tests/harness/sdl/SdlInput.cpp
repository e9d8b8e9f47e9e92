#include "sdl/SdlInput.h"

#include "window/sdl/Letterbox.h"

#include <SDL.h>

#include <cstring>
#include <map>

namespace harness::sdl {

namespace {

constexpr int32_t PictureWidth = 800;
constexpr int32_t PictureHeight = 600;

uint32_t markerType()
{
    static const uint32_t type = SDL_RegisterEvents(1);
    return type;
}

void push(SDL_Event& event)
{
    event.common.timestamp = SDL_GetTicks();
    SDL_PushEvent(&event);
}

SDL_Keycode keycodeOf(const std::string& name)
{
    static const std::map<std::string, SDL_Keycode> named = {
        {"escape", SDLK_ESCAPE}, {"return", SDLK_RETURN}, {"space", SDLK_SPACE}, {"backspace", SDLK_BACKSPACE},
        {"tab", SDLK_TAB}, {"delete", SDLK_DELETE}, {"left", SDLK_LEFT}, {"right", SDLK_RIGHT}, {"up", SDLK_UP},
        {"down", SDLK_DOWN}, {"f1", SDLK_F1}, {"f2", SDLK_F2}, {"f3", SDLK_F3}, {"f4", SDLK_F4}, {"f5", SDLK_F5},
        {"f6", SDLK_F6}, {"f7", SDLK_F7}, {"f8", SDLK_F8}, {"f9", SDLK_F9}, {"f10", SDLK_F10}, {"f11", SDLK_F11},
        {"f12", SDLK_F12}};
    auto found = named.find(name);
    if (found != named.end())
        return found->second;
    if (name.size() == 1 && name[0] >= ' ' && name[0] < 127)
        return SDL_Keycode(name[0] >= 'A' && name[0] <= 'Z' ? name[0] - 'A' + 'a' : name[0]);
    return SDLK_UNKNOWN;
}

// Script coordinates are pixels of the 800 x 600 picture; a full-screen window shows it scaled
// and letterboxed.
void toWindow(uint32_t window, int32_t& x, int32_t& y)
{
    int width = 0;
    int height = 0;
    SDL_GetWindowSize(SDL_GetWindowFromID(window), &width, &height);
    if (width <= 0 || height <= 0)
        return;
    const int32_t pictureX = x;
    const int32_t pictureY = y;
    window::sdl::Letterbox(PictureWidth, PictureHeight, width, height).toWindow(pictureX, pictureY, x, y);
}

void windowEvent(uint32_t window, SDL_WindowEventID what)
{
    SDL_Event event{};
    event.type = SDL_WINDOWEVENT;
    event.window.windowID = window;
    event.window.event = what;
    push(event);
}

} // namespace

uint32_t findWindow()
{
    for (uint32_t id = 1; id < 256; ++id) {
        if (SDL_GetWindowFromID(id))
            return id;
    }
    return 0;
}

void focus(uint32_t window)
{
    windowEvent(window, SDL_WINDOWEVENT_FOCUS_GAINED);
}

void loseFocus(uint32_t window)
{
    windowEvent(window, SDL_WINDOWEVENT_FOCUS_LOST);
}

void mouseMove(uint32_t window, int32_t x, int32_t y, bool leftHeld)
{
    toWindow(window, x, y);
    SDL_Event event{};
    event.type = SDL_MOUSEMOTION;
    event.motion.windowID = window;
    event.motion.x = x;
    event.motion.y = y;
    event.motion.state = leftHeld ? SDL_BUTTON_LMASK : 0;
    push(event);
}

void mouseButton(uint32_t window, int32_t x, int32_t y, bool down)
{
    toWindow(window, x, y);
    SDL_Event event{};
    event.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
    event.button.windowID = window;
    event.button.button = SDL_BUTTON_LEFT;
    event.button.state = down ? SDL_PRESSED : SDL_RELEASED;
    event.button.clicks = 1;
    event.button.x = x;
    event.button.y = y;
    push(event);
}

bool key(uint32_t window, const std::string& name, bool down)
{
    const SDL_Keycode code = keycodeOf(name);
    if (code == SDLK_UNKNOWN)
        return false;
    SDL_Event event{};
    event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    event.key.windowID = window;
    event.key.state = down ? SDL_PRESSED : SDL_RELEASED;
    event.key.keysym.sym = code;
    event.key.keysym.scancode = SDL_GetScancodeFromKey(code);
    push(event);
    // A printable key also types its character, as the keyboard would.
    if (down && name.size() == 1)
        text(window, name);
    return true;
}

void text(uint32_t window, const std::string& utf8)
{
    SDL_Event event{};
    event.type = SDL_TEXTINPUT;
    event.text.windowID = window;
    std::strncpy(event.text.text, utf8.c_str(), sizeof event.text.text - 1);
    push(event);
}

void closeWindow(uint32_t window)
{
    windowEvent(window, SDL_WINDOWEVENT_CLOSE);
}

bool pushMarker()
{
    SDL_Event event{};
    event.type = markerType();
    return SDL_PushEvent(&event) == 1;
}

bool markerPending()
{
    return SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, markerType(), markerType()) > 0;
}

void endThread()
{
    SDL_TLSCleanup();
}

} // namespace harness::sdl

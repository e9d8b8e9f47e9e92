// The event pump of the SDL platform layer: SDL events become the window procedure's messages
// for the frame and its components, on the main thread; user events carry what other threads
// and timers ask of the window (MessageQueue.h).
#include "window/sdl/SdlPlatform.h"

#include "lang/Cp1252.h"
#include "lang/Ref.h"
#include "window/Component.h"
#include "window/Cursor.h"
#include "window/Event.h"
#include "window/sdl/KeyMap.h"
#include "window/sdl/MessageQueue.h"
#include "window/sdl/SdlWindow.h"

#include <SDL.h>

#include <string>
#include <vector>

namespace window::sdl {

namespace {

// The keyboard's modifiers as the last key event left them, and whether that event was a
// repeat (the text that follows it is typed by the same repeat).
uint16_t keyModifiers = 0;
bool lastKeyRepeated = false;

void handlePaint(SdlWindow* window)
{
    if (!window->takePaintRequest())
        return;
    std::vector<lang::Ref<Component>> components;
    for (Component* component : window->getComponents())
        components.push_back(lang::retain(component));
    for (const auto& component : components) {
        if (!component->takePaintMark())
            continue;
        deliver(component.get(), MsgEraseBackground, 0, 0);
        deliver(component.get(), MsgPaint, 0, 0);
    }
}

// Answers true for the quit request.
bool handleUserEvent(const SDL_UserEvent& user)
{
    switch (UserEvent(user.code)) {
    case UserEvent::PostedMessage:
        deliverPosted(user);
        return false;
    case UserEvent::Timer:
        deliverTimer(user);
        return false;
    case UserEvent::Paint:
        if (SdlWindow* window = SdlWindow::fromId(uint32_t(reinterpret_cast<uintptr_t>(user.data1))))
            handlePaint(window);
        return false;
    case UserEvent::Present:
        if (SdlWindow* window = SdlWindow::fromId(uint32_t(reinterpret_cast<uintptr_t>(user.data1))))
            window->presentStagedFrame();
        return false;
    case UserEvent::Quit:
        return true;
    }
    return false;
}

// A window of the event; events without one (injected ones, for instance) go to the window
// that has the keyboard focus, or the first window.
SdlWindow* windowOf(uint32_t windowId)
{
    if (SdlWindow* window = SdlWindow::fromId(windowId))
        return window;
    const auto& all = SdlWindow::all();
    for (SdlWindow* window : all) {
        if (window->hasInputFocus())
            return window;
    }
    return all.empty() ? nullptr : all.front();
}

Component* keyTarget(SdlWindow* window)
{
    Component* focus = window->getFocusComponent();
    return focus ? focus : window->getOwner();
}

LParam pictureSize(SdlWindow* window)
{
    const Component* owner = window->getOwner();
    return makeLParam(owner->getLogicalWidth(), owner->getLogicalHeight());
}

// A drag cannot go on without the pointer: the component that holds it is told.
void loseCapture(SdlWindow* window)
{
    Component* holder = window->getCaptureComponent();
    bool buttonsHeld = window->buttonsHeld != 0;
    window->setCaptureComponent(nullptr);
    window->buttonsHeld = 0;
    if (holder && buttonsHeld)
        deliverHeld(holder, MsgCaptureChanged, 0, 0);
}

void handleWindowEvent(const SDL_WindowEvent& event)
{
    SdlWindow* window = SdlWindow::fromId(event.windowID);
    if (!window)
        return;
    lang::Ref<Component> owner = lang::retain(window->getOwner());
    switch (event.event) {
    case SDL_WINDOWEVENT_FOCUS_GAINED:
        // Keys pressed or let go elsewhere sent no events here.
        keyModifiers = SDL_GetModState();
        lastKeyRepeated = false;
        window->setInputFocus(true);
        deliver(owner.get(), MsgActivate, Active, 0);
        break;
    case SDL_WINDOWEVENT_FOCUS_LOST:
        keyModifiers = SDL_GetModState();
        lastKeyRepeated = false;
        loseCapture(window);
        window->setInputFocus(false);
        deliver(owner.get(), MsgActivate, Inactive, 0);
        break;
    case SDL_WINDOWEVENT_SIZE_CHANGED:
    case SDL_WINDOWEVENT_RESTORED:
        deliver(owner.get(), MsgSize, SizeRestored, pictureSize(window));
        deliver(owner.get(), MsgWindowPosChanged, 0, 0);
        window->presentAgain();
        break;
    case SDL_WINDOWEVENT_MINIMIZED:
        loseCapture(window);
        deliver(owner.get(), MsgSize, SizeMinimised, 0);
        deliver(owner.get(), MsgWindowPosChanged, 0, 0);
        break;
    case SDL_WINDOWEVENT_MAXIMIZED:
        // Maximising is the way into full screen; the window itself keeps its size.
        SDL_RestoreWindow(window->getSdlWindow());
        deliver(owner.get(), MsgSysCommand, CommandMaximise, 0);
        break;
    case SDL_WINDOWEVENT_MOVED:
        deliver(owner.get(), MsgMove, 0, makeLParam(event.data1, event.data2));
        deliver(owner.get(), MsgWindowPosChanged, 0, 0);
        break;
    case SDL_WINDOWEVENT_EXPOSED:
        window->presentAgain();
        for (Component* component : window->getComponents())
            component->markForPaint();
        window->requestPaint();
        break;
    case SDL_WINDOWEVENT_HIDDEN:
        loseCapture(window);
        break;
    case SDL_WINDOWEVENT_CLOSE:
        deliver(owner.get(), MsgClose, 0, 0);
        break;
    case SDL_WINDOWEVENT_DISPLAY_CHANGED:
        deliver(owner.get(), MsgDisplayChange, WParam(platform::getDesktop().bitsPerPixel), 0);
        break;
    default:
        break;
    }
}

bool isFullScreenToggle(SDL_Keycode key, uint16_t modifiers)
{
    bool altOnly = (modifiers & KMOD_ALT) && !(modifiers & (KMOD_CTRL | KMOD_SHIFT | KMOD_GUI));
    return key == SDLK_F11 || (altOnly && (key == SDLK_RETURN || key == SDLK_KP_ENTER));
}

void handleKey(const SDL_KeyboardEvent& event)
{
    SdlWindow* window = windowOf(event.windowID);
    keyModifiers = event.keysym.mod;
    lastKeyRepeated = event.repeat != 0;
    if (!window)
        return;
    bool down = event.type == SDL_KEYDOWN;
    SDL_Keycode key = event.keysym.sym;
    bool alt = (keyModifiers & KMOD_ALT) != 0;
    if (down && isFullScreenToggle(key, keyModifiers)) {
        if (!event.repeat)
            deliverHeld(window->getOwner(), MsgSysCommand, window->isFullScreen() ? CommandRestore : CommandMaximise, 0);
        return;
    }
    int32_t virtualKey = virtualKeyOf(key, keyModifiers);
    if (virtualKey == 0)
        return;
    lang::Ref<Component> target = lang::retain(keyTarget(window));
    LParam flags = (event.repeat || !down ? KeyWasDown : 0) | (alt ? KeyAltDown : 0);
    if (!down) {
        deliver(target.get(), alt ? MsgSysKeyUp : MsgKeyUp, WParam(virtualKey), flags);
        return;
    }
    deliver(target.get(), alt ? MsgSysKeyDown : MsgKeyDown, WParam(virtualKey), flags);
    // SDL sends no text for these keys; the character message follows the key as it would
    // from the keyboard layout.
    int32_t character = controlCharacterOf(key);
    if (!alt && character >= 0)
        deliver(target.get(), MsgChar, WParam(character), flags);
}

void handleText(const SDL_TextInputEvent& event)
{
    SdlWindow* window = windowOf(event.windowID);
    // Left Alt makes system keys, which type nothing; AltGr (right Alt) types characters.
    if (!window || (keyModifiers & KMOD_LALT))
        return;
    std::string characters = lang::utf8ToCp1252(event.text, std::strlen(event.text), '\0');
    lang::Ref<Component> target = lang::retain(keyTarget(window));
    LParam flags = lastKeyRepeated ? KeyWasDown : 0;
    for (char c : characters) {
        // Characters without a Windows-1252 code are left out.
        if (c != '\0')
            deliver(target.get(), MsgChar, WParam(uint8_t(c)), flags);
    }
}

WParam mouseKeys(uint32_t buttons)
{
    WParam keys = 0;
    if (buttons & SDL_BUTTON_LMASK)
        keys |= MouseLeft;
    if (buttons & SDL_BUTTON_RMASK)
        keys |= MouseRight;
    if (keyModifiers & KMOD_SHIFT)
        keys |= MouseShift;
    if (keyModifiers & KMOD_CTRL)
        keys |= MouseControl;
    return keys;
}

// The component under the pointer (or holding it), with the point in its own coordinates.
Component* pointerTarget(SdlWindow* window, int32_t windowX, int32_t windowY, LParam& point)
{
    int32_t x = 0, y = 0;
    window->getLetterbox().toLogical(windowX, windowY, x, y);
    window->rememberMouse(x, y);
    Component* target = window->getCaptureComponent();
    if (!target)
        target = window->componentAt(x, y);
    int32_t originX = 0, originY = 0;
    target->getOriginInWindow(originX, originY);
    point = makeLParam(x - originX, y - originY);
    return target;
}

void handleMotion(const SDL_MouseMotionEvent& event)
{
    SdlWindow* window = windowOf(event.windowID);
    if (!window)
        return;
    LParam point = 0;
    lang::Ref<Component> target = lang::retain(pointerTarget(window, event.x, event.y, point));
    deliver(target.get(), MsgSetCursor, 0, makeLParam(HitClient, MsgMouseMove));
    deliver(target.get(), MsgMouseMove, mouseKeys(event.state), point);
}

void handleButton(const SDL_MouseButtonEvent& event)
{
    if (event.button != SDL_BUTTON_LEFT && event.button != SDL_BUTTON_RIGHT)
        return;
    SdlWindow* window = windowOf(event.windowID);
    if (!window)
        return;
    LParam point = 0;
    lang::Ref<Component> target = lang::retain(pointerTarget(window, event.x, event.y, point));
    bool left = event.button == SDL_BUTTON_LEFT;
    uint32_t mask = SDL_BUTTON(event.button);
    uint32_t message;
    if (event.type == SDL_MOUSEBUTTONDOWN) {
        if (!window->getCaptureComponent())
            window->setCaptureComponent(target.get());
        window->buttonsHeld |= mask;
        message = left ? MsgLButtonDown : MsgRButtonDown;
    } else {
        window->buttonsHeld &= ~mask;
        if (window->buttonsHeld == 0)
            window->setCaptureComponent(nullptr);
        message = left ? MsgLButtonUp : MsgRButtonUp;
    }
    deliver(target.get(), message, mouseKeys(window->buttonsHeld), point);
}

void broadcast(uint32_t message, WParam wParam, LParam lParam)
{
    std::vector<lang::Ref<Component>> owners;
    for (SdlWindow* window : SdlWindow::all())
        owners.push_back(lang::retain(window->getOwner()));
    for (const auto& owner : owners)
        deliver(owner.get(), message, wParam, lParam);
}

// SDL lost the renderer's device: the frames learn it as a lost drawing device.
void handleRenderReset(const SDL_Event& event)
{
    if (event.type != SDL_RENDER_DEVICE_RESET)
        return;
    for (SdlWindow* window : SdlWindow::all()) {
        window->markPresenterLost();
        window->getOwner()->signalDeviceLost();
    }
}

// Answers true for the quit request.
bool dispatch(const SDL_Event& event)
{
    if (event.type == userEventType() && event.type != 0)
        return handleUserEvent(event.user);
    switch (event.type) {
    case SDL_QUIT: broadcast(MsgClose, 0, 0); break;
    case SDL_WINDOWEVENT: handleWindowEvent(event.window); break;
    case SDL_KEYDOWN:
    case SDL_KEYUP: handleKey(event.key); break;
    case SDL_TEXTINPUT: handleText(event.text); break;
    case SDL_MOUSEMOTION: handleMotion(event.motion); break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: handleButton(event.button); break;
    case SDL_DISPLAYEVENT: broadcast(MsgDisplayChange, WParam(platform::getDesktop().bitsPerPixel), 0); break;
    case SDL_RENDER_TARGETS_RESET:
    case SDL_RENDER_DEVICE_RESET: handleRenderReset(event); break;
    case SDL_APP_WILLENTERBACKGROUND: broadcast(MsgPowerBroadcast, PowerSuspend, 0); break;
    case SDL_APP_DIDENTERFOREGROUND: broadcast(MsgPowerBroadcast, PowerResumeSuspend, 0); break;
    default: break;
    }
    return false;
}

} // namespace

namespace {

int32_t quitCode = 0;

bool dispatchOne(const SDL_Event& event)
{
    if (dispatch(event)) {
        quitCode = int32_t(reinterpret_cast<intptr_t>(event.user.data1));
        return true;
    }
    return false;
}

} // namespace

void SdlPlatform::shutdown()
{
    if (!SDL_WasInit(SDL_INIT_VIDEO))
        return;
    removeAllTimers();
    uint32_t type = userEventType();
    SDL_Event event;
    while (type != 0 && SDL_PeepEvents(&event, 1, SDL_GETEVENT, type, type) == 1)
        dropUserEvent(event.user);
    SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_TIMER);
    Cursor::forgetHandles();
}

int32_t SdlPlatform::runMessageLoop()
{
    SDL_Event event;
    while (SDL_WaitEvent(&event)) {
        if (dispatchOne(event))
            return quitCode;
    }
    return quitCode;
}

bool SdlPlatform::pumpMessages(uint32_t timeoutMs)
{
    SDL_Event event;
    if (timeoutMs > 0 && SDL_WaitEventTimeout(&event, int(timeoutMs)) && dispatchOne(event))
        return false;
    while (SDL_PollEvent(&event)) {
        if (dispatchOne(event))
            return false;
    }
    return true;
}

int32_t SdlPlatform::getKeyModifiers()
{
    int32_t modifiers = 0;
    if (keyModifiers & KMOD_CTRL)
        modifiers |= Event::Control;
    if (keyModifiers & KMOD_SHIFT)
        modifiers |= Event::Shift;
    return modifiers;
}

} // namespace window::sdl

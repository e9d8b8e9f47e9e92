// The process-wide services of the platform layer under the frame: the message loop, posted
// messages and timers, message boxes, the desktop, the keyboard state and cursors. The
// functions of window::platform forward to the Platform the program installed at start-up
// (src/window/sdl/ for SDL2).
#pragma once

#include "window/Messages.h"

#include <cstdint>
#include <memory>
#include <string>

namespace window {

class Component;
class NativeWindow;

struct DesktopInfo {
    int32_t width = 0, height = 0;
    int32_t bitsPerPixel = 0;
    // The usable part of the desktop (without task bars).
    int32_t workX = 0, workY = 0, workWidth = 0, workHeight = 0;
};

struct WindowSettings {
    // The picture size the window shows, whatever its size on the desktop.
    int32_t logicalWidth = 800, logicalHeight = 600;
    // The window's client size on the desktop.
    int32_t width = 800, height = 600;
    bool fullScreen = false;
    bool visible = false;
    // The window target's renderer as the program stores it ("gl", "software", or empty for
    // the default); KIPTO2_RENDERER overrides it.
    std::string renderer;
    // "linear" or "nearest" scaling of the picture to the window, or empty for the default;
    // KIPTO2_SCALING overrides it.
    std::string scaling;
};

// One platform layer: the services below, as the functions of window::platform describe them.
class Platform {
public:
    virtual ~Platform() = default;
    virtual bool initialise() = 0;
    virtual void shutdown() = 0;
    virtual bool isMainThread() = 0;
    virtual NativeWindow* createWindow(Component* owner, const WindowSettings& settings) = 0;
    virtual void postMessage(Component* target, uint32_t message, WParam wParam, LParam lParam) = 0;
    virtual void postMessageAfter(
        Component* target, uint32_t message, WParam wParam, LParam lParam, uint32_t delayMs)
        = 0;
    virtual void postQuit(int32_t exitCode) = 0;
    virtual int32_t runMessageLoop() = 0;
    virtual bool pumpMessages(uint32_t timeoutMs) = 0;
    virtual void setTimer(Component* target, int32_t id, uint32_t periodMs) = 0;
    virtual void killTimer(Component* target, int32_t id) = 0;
    virtual void killTimers(Component* target) = 0;
    virtual uint32_t getTicks() = 0;
    virtual int32_t getKeyModifiers() = 0;
    virtual void showMessageBox(const char* cp1252Title, const char* cp1252Text) = 0;
    virtual DesktopInfo getDesktop() = 0;
    virtual bool openUrl(const char* url) = 0;
    virtual void* createCursor(int32_t kind) = 0;
    virtual void showCursor(void* handle) = 0;
};

namespace platform {

// Makes `layer` the platform of the process, before any window exists and before other threads
// start. Until a layer is installed the process has no display: no window opens, posted messages
// and timers are dropped, message boxes go to standard error and the clock counts from the
// first call.
void install(std::unique_ptr<Platform> layer);

// Starts the platform's video part; false when no display can be had.
bool initialise();
// Stops it again once every window is gone: drops the messages and timers still waiting.
void shutdown();
bool isMainThread();

// A new window for `owner` (the caller deletes it), or none.
NativeWindow* createWindow(Component* owner, const WindowSettings& settings);

// Queues a message for `target` on the main thread; the queue holds a reference to it until
// the message is handled. A target whose window is gone by then drops the message.
void postMessage(Component* target, uint32_t message, WParam wParam, LParam lParam);
// The same after `delayMs` milliseconds.
void postMessageAfter(Component* target, uint32_t message, WParam wParam, LParam lParam, uint32_t delayMs);
// Ends runMessageLoop with `exitCode`.
void postQuit(int32_t exitCode);

// Dispatches messages until postQuit; answers the exit code.
int32_t runMessageLoop();
// Dispatches what is queued now, waiting at most `timeoutMs` for the first message. False once
// a quit has been posted.
bool pumpMessages(uint32_t timeoutMs = 0);

// Window timers: every `periodMs` the target receives MsgTimer with `id` as wParam. A timer
// message is not queued again while the previous one is waiting.
void setTimer(Component* target, int32_t id, uint32_t periodMs);
void killTimer(Component* target, int32_t id);
void killTimers(Component* target);

// Milliseconds since the platform started.
uint32_t getTicks();

// Event::Control and Event::Shift as the keyboard stands at the message being handled.
int32_t getKeyModifiers();

// A modal message box; without a display the text goes to standard error.
void showMessageBox(const char* cp1252Title, const char* cp1252Text);

DesktopInfo getDesktop();

// Opens a web page in the user's browser; false when that cannot be done.
bool openUrl(const char* url);

// Native cursors of the kinds of window::Cursor; none for a kind the platform cannot make.
void* createCursor(int32_t kind);
void showCursor(void* handle);

} // namespace platform
} // namespace window

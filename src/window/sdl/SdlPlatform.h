// The platform layer on SDL2: windows, the event pump, posted messages and timers, the desktop,
// message boxes and cursors. The program installs it at start-up with window::platform::install.
#pragma once

#include "window/Platform.h"

namespace window::sdl {

// True when windows can be seen by a person: not SDL's headless drivers.
bool hasVisibleDisplay();

class SdlPlatform : public Platform {
public:
    bool initialise() override;
    void shutdown() override;
    bool isMainThread() override;
    NativeWindow* createWindow(Component* owner, const WindowSettings& settings) override;
    void postMessage(Component* target, uint32_t message, WParam wParam, LParam lParam) override;
    void postMessageAfter(
        Component* target, uint32_t message, WParam wParam, LParam lParam, uint32_t delayMs) override;
    void postQuit(int32_t exitCode) override;
    int32_t runMessageLoop() override;
    bool pumpMessages(uint32_t timeoutMs) override;
    void setTimer(Component* target, int32_t id, uint32_t periodMs) override;
    void killTimer(Component* target, int32_t id) override;
    void killTimers(Component* target) override;
    uint32_t getTicks() override;
    int32_t getKeyModifiers() override;
    void showMessageBox(const char* cp1252Title, const char* cp1252Text) override;
    DesktopInfo getDesktop() override;
    bool openUrl(const char* url) override;
    void* createCursor(int32_t kind) override;
    void showCursor(void* handle) override;
};

} // namespace window::sdl

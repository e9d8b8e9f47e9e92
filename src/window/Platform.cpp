#include "window/Platform.h"

#include "lang/Cp1252.h"

#include <chrono>
#include <cstdio>

namespace window {

namespace {

// The platform of a process without a display.
class NullPlatform : public Platform {
public:
    bool initialise() override { return false; }
    void shutdown() override {}
    bool isMainThread() override { return false; }
    NativeWindow* createWindow(Component*, const WindowSettings&) override { return nullptr; }
    void postMessage(Component*, uint32_t, WParam, LParam) override {}
    void postMessageAfter(Component*, uint32_t, WParam, LParam, uint32_t) override {}
    void postQuit(int32_t exitCode) override { quitCode = exitCode; }
    int32_t runMessageLoop() override { return quitCode; }
    bool pumpMessages(uint32_t) override { return true; }
    void setTimer(Component*, int32_t, uint32_t) override {}
    void killTimer(Component*, int32_t) override {}
    void killTimers(Component*) override {}
    uint32_t getTicks() override
    {
        static const auto start = std::chrono::steady_clock::now();
        const auto elapsed = std::chrono::steady_clock::now() - start;
        return uint32_t(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
    }
    int32_t getKeyModifiers() override { return 0; }
    void showMessageBox(const char* cp1252Title, const char* cp1252Text) override
    {
        std::fprintf(stderr, "%s: %s\n", lang::cp1252ToUtf8(cp1252Title ? cp1252Title : "").c_str(),
            lang::cp1252ToUtf8(cp1252Text ? cp1252Text : "").c_str());
    }
    DesktopInfo getDesktop() override
    {
        DesktopInfo desktop;
        desktop.width = desktop.workWidth = 800;
        desktop.height = desktop.workHeight = 600;
        desktop.bitsPerPixel = 32;
        return desktop;
    }
    bool openUrl(const char*) override { return false; }
    void* createCursor(int32_t) override { return nullptr; }
    void showCursor(void*) override {}

private:
    int32_t quitCode = 0;
};

std::unique_ptr<Platform>& installed()
{
    static std::unique_ptr<Platform> layer = std::make_unique<NullPlatform>();
    return layer;
}

Platform& layer()
{
    return *installed();
}

} // namespace

namespace platform {

void install(std::unique_ptr<Platform> layer)
{
    installed() = layer ? std::move(layer) : std::make_unique<NullPlatform>();
}

bool initialise()
{
    return layer().initialise();
}

void shutdown()
{
    layer().shutdown();
}

bool isMainThread()
{
    return layer().isMainThread();
}

NativeWindow* createWindow(Component* owner, const WindowSettings& settings)
{
    return layer().createWindow(owner, settings);
}

void postMessage(Component* target, uint32_t message, WParam wParam, LParam lParam)
{
    layer().postMessage(target, message, wParam, lParam);
}

void postMessageAfter(Component* target, uint32_t message, WParam wParam, LParam lParam, uint32_t delayMs)
{
    layer().postMessageAfter(target, message, wParam, lParam, delayMs);
}

void postQuit(int32_t exitCode)
{
    layer().postQuit(exitCode);
}

int32_t runMessageLoop()
{
    return layer().runMessageLoop();
}

bool pumpMessages(uint32_t timeoutMs)
{
    return layer().pumpMessages(timeoutMs);
}

void setTimer(Component* target, int32_t id, uint32_t periodMs)
{
    layer().setTimer(target, id, periodMs);
}

void killTimer(Component* target, int32_t id)
{
    layer().killTimer(target, id);
}

void killTimers(Component* target)
{
    layer().killTimers(target);
}

uint32_t getTicks()
{
    return layer().getTicks();
}

int32_t getKeyModifiers()
{
    return layer().getKeyModifiers();
}

void showMessageBox(const char* cp1252Title, const char* cp1252Text)
{
    layer().showMessageBox(cp1252Title, cp1252Text);
}

DesktopInfo getDesktop()
{
    return layer().getDesktop();
}

bool openUrl(const char* url)
{
    return layer().openUrl(url);
}

void* createCursor(int32_t kind)
{
    return layer().createCursor(kind);
}

void showCursor(void* handle)
{
    layer().showCursor(handle);
}

} // namespace platform
} // namespace window

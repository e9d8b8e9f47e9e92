// The SDL window under a frame and the presenter of its picture. A window that draws through
// OpenGL shows what the OpenGL target draws; otherwise the software target's pictures are
// scaled letterboxed onto the window's surface (or, when asked for, drawn by an SDL renderer
// from one streaming texture of the logical size). Every submitted picture is copied to a
// staging buffer; pictures finished on other threads are presented from it by the main thread,
// the only one that may use the window's surface or renderer.
#pragma once

#include "window/NativeWindow.h"
#include "window/Platform.h"
#include "window/sdl/Letterbox.h"
#include "window/sdl/SurfacePresenter.h"

#include <SDL.h>

#include <memory>
#include <mutex>
#include <vector>

namespace window::gl {
class GlWindowGraphics;
}

namespace window::sdl {

class SdlGlContext;

class SdlWindow : public NativeWindow {
public:
    SdlWindow(Component* owner, const WindowSettings& settings);
    ~SdlWindow() override;

    // False when SDL could not make the window.
    bool isValid() const { return window != nullptr; }
    uint32_t getWindowId() const { return windowId; }
    SDL_Window* getSdlWindow() const { return window; }
    static SdlWindow* fromId(uint32_t windowId);
    // Every window that exists, oldest first.
    static const std::vector<SdlWindow*>& all();

    bool hasInputFocus() const override { return inputFocus; }
    void setVisible(bool visible) override;
    bool isVisible() const override;
    bool isMinimised() const override;
    void minimise() override;
    void setTitle(const char* cp1252Title) override;
    void setIcon(const uint32_t* pixels, int32_t width, int32_t height) override;
    bool setFullScreen(bool on) override;
    bool isFullScreen() const override;
    void setPosition(int32_t x, int32_t y) override;
    void getPosition(int32_t& x, int32_t& y) const override;
    void centreInWorkArea() override;
    void getMousePosition(int32_t& x, int32_t& y) const override;
    void setMousePosition(int32_t x, int32_t y) override;
    void requestPaint() override;
    void submitFrame(const uint32_t* pixels, int32_t width, int32_t height, int32_t pitch) override;
    // The OpenGL target when the window draws through OpenGL, else the software target.
    Graphics* createGraphics(int32_t width, int32_t height) override;
    // Closes the OpenGL context and shows the software target's pictures instead.
    DeviceDrop dropDevice() override;
    // True when the window draws through OpenGL.
    bool drawsThroughOpenGl() const { return glTarget != nullptr; }

    // Called by the event pump as it handles this window's SDL events.
    void setInputFocus(bool focus) { inputFocus = focus; }
    void rememberMouse(int32_t x, int32_t y) { mouseX = x; mouseY = y; }
    // The letterbox of the window's current size, in window units (those of mouse events).
    Letterbox getLetterbox() const;
    // Takes the pending paint request (true when there was one).
    bool takePaintRequest();
    // Presents the staged picture (after a submit from another thread).
    void presentStagedFrame();
    // Shows the last picture again, for a window that was uncovered or resized.
    void presentAgain();
    // SDL reset the renderer's device: the picture cannot be shown until restorePresenter.
    void markPresenterLost() { presenterLost = true; }
    bool isPresenterLost() const override { return presenterLost; }
    bool restorePresenter() override;
    // The renderer that presents the picture, when an SDL renderer does.
    SDL_Renderer* getRenderer() const { return renderer; }
    // The window's surface as the software target's last picture was shown on it, when the
    // window shows it there.
    SDL_Surface* getPresentedSurface() const
    {
        return surfacePresenter ? surfacePresenter->getSurface() : nullptr;
    }
    // Mouse buttons held (SDL_BUTTON masks) since the last press inside the window.
    uint32_t buttonsHeld = 0;

private:
    // Makes the SDL window; false when SDL could not.
    bool createSdlWindow(const WindowSettings& settings, uint32_t extraFlags);
    // An OpenGL window with its context and target; false, with the reason, when the machine
    // cannot give one (the window is then gone again).
    bool createOpenGlWindow(const WindowSettings& settings, std::string& whyNot);
    // What shows the software target's pictures: the window's surface, or an SDL renderer when
    // asked for or when the window has no surface. False when neither can be had.
    bool createPresenter();
    bool createRenderer();
    void destroyPresenter();
    void uploadAndPresent();

    SDL_Window* window = nullptr;
    SDL_Renderer* renderer = nullptr;
    SDL_Texture* texture = nullptr;
    std::unique_ptr<SurfacePresenter> surfacePresenter;
    PictureScaler::Filter scaling = PictureScaler::Filter::Linear;
    std::shared_ptr<SdlGlContext> glContext;
    gl::GlWindowGraphics* glTarget = nullptr; // counted
    uint32_t windowId = 0;
    int32_t logicalWidth, logicalHeight;
    bool inputFocus = false;
    bool presenterLost = false;
    // The window's size before full screen.
    int windowedWidth = 0, windowedHeight = 0;
    bool hasPicture = false;
    int32_t mouseX = 0, mouseY = 0;

    // Guards the staging buffer and the two pending flags, which other threads set.
    std::mutex stagingMutex;
    std::vector<uint32_t> staging;
    bool presentPending = false;
    bool paintPending = false;
};

} // namespace window::sdl

#include "window/sdl/SdlWindow.h"

#include "lang/Cp1252.h"
#include "lang/Debug.h"
#include "lang/String.h"
#include "window/Component.h"
#include "window/RendererChoice.h"
#include "window/gl/GlWindowGraphics.h"
#include "window/sdl/NativeVideo.h"
#include "window/sdl/SdlGlContext.h"
#include "window/sdl/SdlPlatform.h"
#include "window/sdl/SdlTesting.h"
#include "window/sdl/MessageQueue.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace window::sdl {

namespace {

std::vector<SdlWindow*>& windows()
{
    static std::vector<SdlWindow*> list;
    return list;
}

bool fullScreenRefused = false;

// "accelerated" presents through the best renderer SDL has; without it the picture is scaled in
// software onto the window's surface (see the platform's start-up for the framebuffer hint that
// goes with it).
bool wantsSdlRenderer()
{
    const char* choice = std::getenv("KIPTO2_PRESENT");
    return choice && std::strcmp(choice, "accelerated") == 0;
}

} // namespace

void setFullScreenRefused(bool refused)
{
    fullScreenRefused = refused;
}

SdlWindow::SdlWindow(Component* owner, const WindowSettings& settings)
    : NativeWindow(owner), logicalWidth(settings.logicalWidth), logicalHeight(settings.logicalHeight)
{
    const RendererChoice choice = chooseRenderer(std::getenv("KIPTO2_RENDERER"), settings.renderer, !hasVisibleDisplay());
    const ScalingChoice smoothness = chooseScaling(std::getenv("KIPTO2_SCALING"), settings.scaling);
    scaling = smoothness.linear ? PictureScaler::Filter::Linear : PictureScaler::Filter::Nearest;
    std::string whyNot;
    if (choice.openGl && createOpenGlWindow(settings, whyNot)) {
        lang::debugOutput(("Drawing through " + glTarget->getDescription() + ": " + choice.reason + "\n").c_str());
    } else {
        const std::string reason = choice.openGl ? "no OpenGL context (" + whyNot + "), " + choice.reason : choice.reason;
        lang::debugOutput(("Drawing through the software target: " + reason + "\n").c_str());
        if (!createSdlWindow(settings, 0))
            return;
        // Nothing can show a picture: the window is of no use.
        if (!createPresenter()) {
            SDL_DestroyWindow(window);
            window = nullptr;
            return;
        }
    }
    const std::string how = smoothness.linear ? "smoothly" : "by whole pixels";
    lang::debugOutput(("Scaling the picture " + how + ": " + smoothness.reason + "\n").c_str());
    windows().push_back(this);
}

bool SdlWindow::createSdlWindow(const WindowSettings& settings, uint32_t extraFlags)
{
    uint32_t flags = SDL_WINDOW_RESIZABLE | extraFlags | (settings.visible ? SDL_WINDOW_SHOWN : SDL_WINDOW_HIDDEN);
    if (settings.fullScreen)
        flags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
    window = SDL_CreateWindow("", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
        std::max(1, settings.width), std::max(1, settings.height), flags);
    if (!window) {
        lang::debugOutput((lang::String("SDL_CreateWindow failed: ") + SDL_GetError() + "\n").c_str());
        return false;
    }
    windowId = SDL_GetWindowID(window);
    // The picture scales with the window; below half its size it would be unreadable.
    SDL_SetWindowMinimumSize(window, std::max(1, logicalWidth / 2), std::max(1, logicalHeight / 2));
    inputFocus = (SDL_GetWindowFlags(window) & SDL_WINDOW_INPUT_FOCUS) != 0;
    staging.assign(size_t(logicalWidth) * size_t(logicalHeight), 0xFF000000u);
    return true;
}

bool SdlWindow::createOpenGlWindow(const WindowSettings& settings, std::string& whyNot)
{
    SdlGlContext::requestAttributes();
    if (!createSdlWindow(settings, SDL_WINDOW_OPENGL)) {
        whyNot = std::string("no OpenGL window: ") + SDL_GetError();
        return false;
    }
    auto context = std::make_shared<SdlGlContext>(window, logicalWidth, logicalHeight);
    // SDL has loaded the driver for the window and the context, whether the context came or not.
    pinGlDriver();
    if (context->isValid()) {
        auto* target = new gl::GlWindowGraphics(this, context, logicalWidth, logicalHeight);
        target->setSmoothScaling(scaling == PictureScaler::Filter::Linear);
        if (target->initialise(whyNot)) {
            glContext = context;
            glTarget = target;
            return true;
        }
        target->release();
    } else {
        whyNot = context->whyNot();
    }
    context->close();
    SDL_DestroyWindow(window);
    window = nullptr;
    return false;
}

NativeWindow::DeviceDrop SdlWindow::dropDevice()
{
    if (!glTarget)
        return DeviceDrop::NoDevice;
    glTarget->detachWindow();
    glTarget->release();
    glTarget = nullptr;
    glContext->close();
    glContext.reset();
    lang::debugOutput("Drawing through the software target: the OpenGL context cannot be made again\n");
    return createPresenter() ? DeviceDrop::SoftwareTakesOver : DeviceDrop::NothingCanDraw;
}

Graphics* SdlWindow::createGraphics(int32_t width, int32_t height)
{
    if (!glTarget)
        return NativeWindow::createGraphics(width, height);
    glTarget->addRef();
    return glTarget;
}

SdlWindow::~SdlWindow()
{
    auto& list = windows();
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
    destroyPresenter();
    if (glTarget) {
        glTarget->detachWindow();
        glTarget->release();
    }
    if (glContext)
        glContext->close();
    if (window)
        SDL_DestroyWindow(window);
}

SdlWindow* SdlWindow::fromId(uint32_t id)
{
    for (SdlWindow* candidate : windows()) {
        if (candidate->windowId == id)
            return candidate;
    }
    return nullptr;
}

const std::vector<SdlWindow*>& SdlWindow::all()
{
    return windows();
}

bool SdlWindow::createPresenter()
{
    const char* unavailable = std::getenv("KIPTO2_SOFTWARE_UNAVAILABLE");
    if (unavailable && std::strcmp(unavailable, "1") == 0) {
        lang::debugOutput("No presenter for the software target: KIPTO2_SOFTWARE_UNAVAILABLE=1\n");
        return false;
    }
    if (!wantsSdlRenderer()) {
        if (SDL_GetWindowSurface(window)) {
            surfacePresenter = std::make_unique<SurfacePresenter>(window);
            lang::debugOutput("Presenting on the window's surface\n");
            return true;
        }
        lang::debugOutput((lang::String("SDL_GetWindowSurface failed: ") + SDL_GetError() + "\n").c_str());
    }
    return createRenderer();
}

bool SdlWindow::createRenderer()
{
    renderer = SDL_CreateRenderer(window, -1, 0);
    if (!renderer)
        renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
    if (!renderer) {
        lang::debugOutput((lang::String("SDL_CreateRenderer failed: ") + SDL_GetError() + "\n").c_str());
        return false;
    }
    texture = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING,
        logicalWidth, logicalHeight);
    if (!texture) {
        lang::debugOutput((lang::String("SDL_CreateTexture failed: ") + SDL_GetError() + "\n").c_str());
        destroyPresenter();
        return false;
    }
    SDL_SetTextureBlendMode(texture, SDL_BLENDMODE_NONE);
    SDL_RendererInfo info;
    if (SDL_GetRendererInfo(renderer, &info) == 0)
        lang::debugOutput((lang::String("Presenting through SDL renderer ") + info.name + "\n").c_str());
    return true;
}

void SdlWindow::destroyPresenter()
{
    surfacePresenter.reset();
    if (texture)
        SDL_DestroyTexture(texture);
    if (renderer)
        SDL_DestroyRenderer(renderer);
    texture = nullptr;
    renderer = nullptr;
}

void SdlWindow::setVisible(bool visible)
{
    if (visible)
        SDL_ShowWindow(window);
    else
        SDL_HideWindow(window);
}

bool SdlWindow::isVisible() const
{
    return (SDL_GetWindowFlags(window) & SDL_WINDOW_SHOWN) != 0;
}

bool SdlWindow::isMinimised() const
{
    return (SDL_GetWindowFlags(window) & SDL_WINDOW_MINIMIZED) != 0;
}

void SdlWindow::minimise()
{
    SDL_MinimizeWindow(window);
}

void SdlWindow::setTitle(const char* cp1252Title)
{
    SDL_SetWindowTitle(window, lang::cp1252ToUtf8(cp1252Title ? cp1252Title : "").c_str());
}

void SdlWindow::setIcon(const uint32_t* pixels, int32_t width, int32_t height)
{
    if (programHasIcon())
        return;
    SDL_Surface* icon = SDL_CreateRGBSurfaceWithFormatFrom(const_cast<uint32_t*>(pixels), width, height, 32,
        width * 4, SDL_PIXELFORMAT_ARGB8888);
    if (!icon)
        return;
    SDL_SetWindowIcon(window, icon);
    SDL_FreeSurface(icon);
}

bool SdlWindow::setFullScreen(bool on)
{
    if (on && fullScreenRefused)
        return false;
    if (on == isFullScreen())
        return true;
    if (!on) {
        bool left = SDL_SetWindowFullscreen(window, 0) == 0;
        SDL_SetWindowBordered(window, SDL_TRUE);
        SDL_SetWindowSize(window, windowedWidth, windowedHeight);
        return left;
    }
    SDL_Rect display;
    if (SDL_GetDisplayBounds(std::max(0, SDL_GetWindowDisplayIndex(window)), &display) != 0)
        return false;
    SDL_GetWindowSize(window, &windowedWidth, &windowedHeight);
    // The window covers its display before it asks for full screen: a window manager then
    // only marks it full screen, and without one (a bare X server) it is full screen already.
    SDL_SetWindowBordered(window, SDL_FALSE);
    SDL_SetWindowPosition(window, display.x, display.y);
    SDL_SetWindowSize(window, display.w, display.h);
    if (SDL_SetWindowFullscreen(window, SDL_WINDOW_FULLSCREEN_DESKTOP) != 0) {
        lang::debugOutput((lang::String("SDL_SetWindowFullscreen failed: ") + SDL_GetError() + "\n").c_str());
        SDL_SetWindowBordered(window, SDL_TRUE);
        SDL_SetWindowSize(window, windowedWidth, windowedHeight);
        return false;
    }
    return true;
}

bool SdlWindow::isFullScreen() const
{
    return (SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN) != 0;
}

void SdlWindow::setPosition(int32_t x, int32_t y)
{
    SDL_SetWindowPosition(window, x, y);
}

void SdlWindow::getPosition(int32_t& x, int32_t& y) const
{
    int windowX = 0, windowY = 0;
    SDL_GetWindowPosition(window, &windowX, &windowY);
    x = windowX;
    y = windowY;
}

void SdlWindow::centreInWorkArea()
{
    int display = std::max(0, SDL_GetWindowDisplayIndex(window));
    SDL_Rect work;
    if (SDL_GetDisplayUsableBounds(display, &work) != 0)
        return;
    int width = 0, height = 0, top = 0, left = 0, bottom = 0, right = 0;
    SDL_GetWindowSize(window, &width, &height);
    SDL_GetWindowBordersSize(window, &top, &left, &bottom, &right);
    int outerWidth = width + left + right;
    int outerHeight = height + top + bottom;
    SDL_SetWindowPosition(window, work.x + std::max(0, (work.w - outerWidth) / 2) + left,
        work.y + std::max(0, (work.h - outerHeight) / 2) + top);
}

Letterbox SdlWindow::getLetterbox() const
{
    int width = 0, height = 0;
    SDL_GetWindowSize(window, &width, &height);
    return Letterbox(logicalWidth, logicalHeight, width, height);
}

void SdlWindow::getMousePosition(int32_t& x, int32_t& y) const
{
    x = mouseX;
    y = mouseY;
}

void SdlWindow::setMousePosition(int32_t x, int32_t y)
{
    int32_t windowX = 0, windowY = 0;
    getLetterbox().toWindow(x, y, windowX, windowY);
    SDL_WarpMouseInWindow(window, windowX, windowY);
    rememberMouse(x, y);
}

void SdlWindow::requestPaint()
{
    std::lock_guard<std::mutex> guard(stagingMutex);
    if (!paintPending)
        paintPending = pushUserEvent(UserEvent::Paint, reinterpret_cast<void*>(uintptr_t(windowId)));
}

bool SdlWindow::takePaintRequest()
{
    std::lock_guard<std::mutex> guard(stagingMutex);
    bool wasPending = paintPending;
    paintPending = false;
    return wasPending;
}

void SdlWindow::submitFrame(const uint32_t* pixels, int32_t width, int32_t height, int32_t pitch)
{
    if (width != logicalWidth || height != logicalHeight || !pixels)
        return;
    std::lock_guard<std::mutex> guard(stagingMutex);
    for (int32_t row = 0; row < height; ++row) {
        const auto* source = reinterpret_cast<const uint8_t*>(pixels) + size_t(row) * size_t(pitch);
        std::memcpy(&staging[size_t(row) * size_t(width)], source, size_t(width) * 4);
    }
    hasPicture = true;
    if (platform::isMainThread()) {
        uploadAndPresent();
    } else if (!presentPending) {
        presentPending = pushUserEvent(UserEvent::Present, reinterpret_cast<void*>(uintptr_t(windowId)));
    }
}

void SdlWindow::presentStagedFrame()
{
    std::lock_guard<std::mutex> guard(stagingMutex);
    presentPending = false;
    uploadAndPresent();
}

void SdlWindow::presentAgain()
{
    if (glTarget) {
        glTarget->presentAgain();
        return;
    }
    std::lock_guard<std::mutex> guard(stagingMutex);
    if (hasPicture)
        uploadAndPresent();
}

bool SdlWindow::restorePresenter()
{
    std::lock_guard<std::mutex> guard(stagingMutex);
    destroyPresenter();
    if (!createPresenter())
        return false;
    presenterLost = false;
    if (hasPicture)
        uploadAndPresent();
    return true;
}

// The staging buffer holds the picture; the caller holds stagingMutex.
void SdlWindow::uploadAndPresent()
{
    if (presenterLost)
        return;
    if (surfacePresenter) {
        if (!surfacePresenter->present(staging.data(), logicalWidth, logicalHeight, scaling))
            lang::debugOutput(
                (lang::String("Presenting on the window's surface failed: ") + SDL_GetError() + "\n")
                    .c_str());
        return;
    }
    if (!texture)
        return;
    SDL_UpdateTexture(texture, nullptr, staging.data(), logicalWidth * 4);
    int outputWidth = 0, outputHeight = 0;
    SDL_GetRendererOutputSize(renderer, &outputWidth, &outputHeight);
    Letterbox box(logicalWidth, logicalHeight, outputWidth, outputHeight);
    SDL_Rect target{box.pictureX(), box.pictureY(), box.pictureWidth(), box.pictureHeight()};
    const bool smooth = scaling == PictureScaler::Filter::Linear && target.w != logicalWidth;
    SDL_SetTextureScaleMode(texture, smooth ? SDL_ScaleModeLinear : SDL_ScaleModeNearest);
    // Only the bars need black; the picture covers the rest.
    SDL_Rect bars[2];
    int count = 0;
    if (target.x > 0) {
        bars[count++] = SDL_Rect{0, 0, target.x, outputHeight};
        bars[count++] = SDL_Rect{target.x + target.w, 0, outputWidth - target.x - target.w, outputHeight};
    } else if (target.y > 0) {
        bars[count++] = SDL_Rect{0, 0, outputWidth, target.y};
        bars[count++] = SDL_Rect{0, target.y + target.h, outputWidth, outputHeight - target.y - target.h};
    }
    SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
    if (count > 0)
        SDL_RenderFillRects(renderer, bars, count);
    SDL_RenderCopy(renderer, texture, nullptr, &target);
    SDL_RenderPresent(renderer);
}

} // namespace window::sdl

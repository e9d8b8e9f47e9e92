#include "window/Frame.h"

#include "lang/Debug.h"
#include "lang/Ref.h"
#include "lang/SyncGuard.h"
#include "window/detail/Trace.h"
#include "window/image/ImageBase.h"
#include "window/LostDeviceFlag.h"
#include "window/NativeWindow.h"
#include "window/Platform.h"
#include "window/raster/Graphics.h"

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>

namespace window {

namespace {

std::atomic<std::thread::id> mainThread{};

// Failed restores in a row after which a device of the platform's own is given up.
constexpr int32_t MaxFailedRestores = 10;

// Tries of RestoreDeviceIfMainThread before it leaves the rest to the retry message.
constexpr int32_t restoreTries = 10000;

// The message boxes of a window that cannot be drawn.
constexpr char GraphicsErrorTitle[] = "Graphics Error";
constexpr char StartFailedText[]
    = "Could not start graphics engine.\n Make sure a display is available and your "
      "graphics driver is installed.";
constexpr char RestartFailedText[]
    = "Could not restart graphics engine.\n Please restart the game to continue.";

// A client size that fits the work area with room for the window's frame, keeping the
// picture's proportions.
void fitIntoWorkArea(int32_t& clientWidth, int32_t& clientHeight, const DesktopInfo& desktop)
{
    constexpr int32_t frameAllowance = 4 + 40;
    int32_t roomWidth = std::max(1, desktop.workWidth - frameAllowance);
    int32_t roomHeight = std::max(1, desktop.workHeight - frameAllowance);
    if (clientWidth <= roomWidth && clientHeight <= roomHeight)
        return;
    double scale = std::min(double(roomWidth) / clientWidth, double(roomHeight) / clientHeight);
    clientWidth = std::max(1, int32_t(clientWidth * scale));
    clientHeight = std::max(1, int32_t(clientHeight * scale));
}

} // namespace

Frame::Frame(int32_t clientWidth, int32_t clientHeight) : width(clientWidth), height(clientHeight)
{
    paintsItself = true;
}

Frame::~Frame()
{
    if (graphics)
        graphics->release();
}

bool Frame::isMainThread()
{
    return std::this_thread::get_id() == mainThread.load();
}

bool Frame::isWindowedDepth(int32_t bitsPerPixel)
{
    return bitsPerPixel == 16 || bitsPerPixel == 24 || bitsPerPixel == 32;
}

bool Frame::create(Component* parentComponent, const util::RectangleNM& requested)
{
    if (window)
        return false;
    util::RectangleNM creation(requested.x, requested.y, std::abs(requested.width), std::abs(requested.height));
    mainThread = std::this_thread::get_id();
    if (!platform::initialise()) {
        platform::showMessageBox(GraphicsErrorTitle, StartFailedText);
        return false;
    }
    DesktopInfo desktop = platform::getDesktop();
    if (!isWindowedDepth(desktop.bitsPerPixel))
        windowedAllowed = false;

    WindowSettings settings;
    settings.logicalWidth = width;
    settings.logicalHeight = height;
    settings.width = creation.width;
    settings.height = creation.height;
    if (!createdFullScreen)
        fitIntoWorkArea(settings.width, settings.height, desktop);
    settings.fullScreen = createdFullScreen;
    settings.visible = createdFullScreen;
    settings.renderer = rendererSetting;
    settings.scaling = scalingSetting;
    NativeWindow* nativeWindow = platform::createWindow(this, settings);
    if (!nativeWindow) {
        platform::showMessageBox(GraphicsErrorTitle, StartFailedText);
        return false;
    }
    parent = parentComponent;
    attachWindow(nativeWindow, creation);
    nativeWindow->centreInWorkArea();
    // Full screen asked for before the window existed.
    if (fullScreen && !createdFullScreen && !nativeWindow->setFullScreen(true)) {
        fullScreen = false;
        platform::showMessageBox("Corvalen Error", "Unable to switch to Fullscreen mode.");
    }
    // Makes the drawing target early, as a graphics device is made at start-up.
    lang::Ref<Graphics> target = lang::adopt(getGraphics());
    return window != nullptr;
}

void Frame::setFullScreen(bool on, bool force)
{
    if (fullScreen == on || createdFullScreen)
        return;
    traceHandle("Entering setFullScreen(), hwnd = ", window);
    traceValue("setFullScreen, Width = ", width);
    traceValue("setFullScreen, Height = ", height);
    if (on) {
        lang::debugOutput("About to set fullscreen to true...\n");
        bool switched = true;
        {
            SyncGuard guard(getDisplayLock());
            switched = !window || window->setFullScreen(true);
            fullScreen = switched;
        }
        // The box waits for the player: the display lock is given back first.
        if (!switched) {
            platform::showMessageBox("Corvalen Error", "Unable to switch to Fullscreen mode.");
            return;
        }
        traceValue("setFullScreen() to ", fullScreen);
        RestoreDeviceIfMainThread();
    } else {
        if (!windowedAllowed && !force)
            return;
        SyncGuard frameGuard(this);
        SyncGuard displayGuard(getDisplayLock());
        traceHandle("About to leave Full Screen mode, hwnd = ", window);
        fullScreen = false;
        if (window)
            window->setFullScreen(false);
        RestoreDeviceIfMainThread();
    }
    if (window && !fullScreen)
        window->centreInWorkArea();
    lang::debugOutput("Leaving setFullScreen()\n");
}

void Frame::exit()
{
    platform::postMessage(this, MsgExit, 0, 0);
}

void Frame::onDestroy() {}

void Frame::onClose()
{
    destroyWindow();
}

void Frame::onActivate(bool active)
{
    Component* focus = getFocusWindow();
    if (!active || !focus || focus == this)
        return;
    for (Component* ancestor = focus->getParent(); ancestor; ancestor = ancestor->getParent()) {
        if (ancestor == this) {
            platform::postMessage(focus, MsgTakeFocus, 0, 0);
            return;
        }
    }
}

void Frame::setLocation(int32_t x, int32_t y)
{
    if (window)
        window->setPosition(x, y);
}

void Frame::setTitle(const char* cp1252Title)
{
    if (window)
        window->setTitle(cp1252Title);
}

void Frame::setIcon(ImageBase* picture)
{
    if (!window || !picture)
        return;
    picture->ensurePixels();
    if (picture->getPixels())
        window->setIcon(picture->getPixels(), picture->getWidth(), picture->getHeight());
}

Graphics* Frame::getGraphics()
{
    std::lock_guard<std::mutex> guard(graphicsMutex);
    if (!graphics && window)
        graphics = window->createGraphics(width, height);
    if (graphics)
        graphics->addRef();
    return graphics;
}

void Frame::releaseGraphics()
{
    std::lock_guard<std::mutex> guard(graphicsMutex);
    if (graphics)
        graphics->release();
    graphics = nullptr;
}

bool Frame::RestoreDevice()
{
    lang::debugOutput("Entering Frame::RestoreDevice\n");
    if (isSleeping()) {
        lang::debugOutput("Frame::RestoreDevice(), computer is sleeping\n");
        return false;
    }
    if (isExiting()) {
        lang::debugOutput("Frame::RestoreDevice(), computer is exiting\n");
        return false;
    }
    lang::Ref<Graphics> target = lang::adopt(getGraphics());
    if (!target)
        return false;
    bool restored = target->restoreDevice(!fullScreen);
    failedRestores = restored ? 0 : failedRestores + 1;
    // A device of the window's own that stays lost is given up for the software target.
    const NativeWindow::DeviceDrop drop = failedRestores >= MaxFailedRestores && window
        ? window->dropDevice()
        : NativeWindow::DeviceDrop::NoDevice;
    if (drop == NativeWindow::DeviceDrop::SoftwareTakesOver) {
        failedRestores = 0;
        target.reset();
        releaseGraphics();
        target = lang::adopt(getGraphics());
        restored = target != nullptr;
    } else if (drop == NativeWindow::DeviceDrop::NothingCanDraw && !graphicsFailed) {
        // Said and done from the message loop, with no lock held while the box waits.
        graphicsFailed = true;
        platform::postMessage(this, MsgGraphicsFailed, 0, 0);
    }
    traceValue("Frame::RestoreDevice(), fullScreen = ", fullScreen);
    traceValue("Frame::RestoreDevice(), success = ", restored);
    if (restored)
        LostDeviceFlag::get()->set(false);
    return restored;
}

bool Frame::checkDevice()
{
    if ((window && window->isMinimised()) || !LostDeviceFlag::get()->isSet())
        return true;
    bool restored = RestoreDevice();
    if (restored)
        lang::debugOutput("Lost Device has been successfully restored!!\n");
    return restored;
}

void Frame::RestoreDeviceIfMainThread()
{
    if (!isMainThread()) {
        platform::postMessage(this, MsgLostDevice, 0, 0);
        return;
    }
    if (isExiting())
        return;
    LostDeviceFlag::get()->set(true);
    lang::debugOutput("Forcing Restored Device in RestoreDeviceIfMainThread()\n");
    for (int32_t count = 0; count < restoreTries; ++count) {
        if (checkDevice())
            return;
        traceValue("RestoreDeviceIfMainThread(): nCount = ", count);
    }
    lang::debugOutput("RestoreDeviceIfMainThread(): forced to post message\n");
    platform::postMessage(this, MsgLostDevice, 0, 0);
}

bool Frame::getDisplayChanged() { return displayChanged; }
void Frame::setDisplayChanged(bool changed) { displayChanged = changed; }

void Frame::layout()
{
    repaint();
}

void Frame::onSize(WParam wParam, LParam lParam)
{
    traceHandle("WM_SIZE, original values.  HWND = ", window);
    traceValue("WM_SIZE, m_width = ", width);
    traceValue("WM_SIZE, m_height = ", height);
    traceValue("WM_SIZE, wParam = ", (long long)wParam);
    size.width = bounds.width = std::min(lowSigned(lParam), width);
    size.height = bounds.height = std::min(highSigned(lParam), height);
    lang::debugOutput("WM_SIZE, new values:\n");
    traceValue("WM_SIZE, m_width = ", size.width);
    traceValue("WM_SIZE, m_height = ", size.height);
}

bool Frame::isPaintingSuspended() const
{
    return (window && window->isMinimised()) || LostDeviceFlag::get()->isSet();
}

void Frame::getMinMaxInfo(MinMaxInfo* info)
{
    lang::debugOutput("Entering GetMinMaxInfo\n");
    // The platform window's frame lies outside the client area it is given.
    if (fullScreen) {
        char line[80];
        std::snprintf(line, sizeof line, "GetMinMaxInfo FullScreen: (%d, %d)\n", 0, 0);
        lang::debugOutput(line);
        info->maxPositionX = 0;
        info->maxPositionY = 0;
    }
    if (!resizable) {
        info->maxSizeWidth = width;
        info->maxSizeHeight = height;
        return;
    }
    DesktopInfo desktop = platform::getDesktop();
    info->minTrackWidth = width;
    info->minTrackHeight = height;
    info->maxTrackWidth = info->maxSizeWidth = desktop.workWidth;
    info->maxTrackHeight = info->maxSizeHeight = desktop.workHeight;
    info->maxPositionX = desktop.workX;
    info->maxPositionY = desktop.workY;
}

MessageResult Frame::handleMessage(uint32_t message, WParam wParam, LParam lParam)
{
    switch (message) {
    case MsgDestroy:
        Component::handleMessage(message, wParam, lParam);
        {
            // Whoever still holds the target must not present into a window that is gone.
            std::lock_guard<std::mutex> guard(graphicsMutex);
            if (graphics)
                graphics->detachWindow();
        }
        releaseGraphics();
        onDestroy();
        return 0;
    case MsgActivate: {
        bool active = lowWord(wParam) != Inactive;
        // Every other window belongs to another program, so deactivation is always reported.
        onActivate(active);
        traceValue("WM_ACTIVATE: active = ", active);
        return defaultHandling(message, wParam, lParam);
    }
    case MsgClose:
        onClose();
        return 0;
    case MsgGraphicsFailed:
        platform::showMessageBox(GraphicsErrorTitle, RestartFailedText);
        exit();
        return 0;
    case MsgGetMinMaxInfo:
        getMinMaxInfo(reinterpret_cast<MinMaxInfo*>(lParam));
        return 0;
    case MsgWindowPosChanging: {
        auto* position = reinterpret_cast<WindowPos*>(lParam);
        bool minimised = window && window->isMinimised();
        if (!resizable && !minimised && (position->width < width || position->height < height))
            position->flags |= WindowPos::NoMove | WindowPos::NoSize;
        return 0;
    }
    case MsgSysCommand:
        if ((wParam & 0xFFF0) == CommandMaximise && !resizable) {
            setFullScreen(true, false);
            return 0;
        }
        if ((wParam & 0xFFF0) == CommandRestore && fullScreen) {
            setFullScreen(false, false);
            return 0;
        }
        break;
    case MsgPowerBroadcast: {
        MessageResult result = Component::handleMessage(message, wParam, lParam);
        bool resumed = wParam == PowerResumeSuspend || wParam == PowerResumeCritical;
        if (resumed && fullScreen && window) {
            lang::debugOutput("WM_POWERBROADCAST: Setting FullScreen\n");
            window->setFullScreen(true);
        }
        return result;
    }
    default:
        break;
    }
    return Component::handleMessage(message, wParam, lParam);
}

bool Frame::isInstanceOf(const char* className) const
{
    return std::strcmp(className, "Frame") == 0 || Component::isInstanceOf(className);
}

const char* Frame::getClassName() const
{
    return "Frame";
}

} // namespace window

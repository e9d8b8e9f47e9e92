#include "sprite/LoaderFrame2.h"

#include "lang/Debug.h"
#include "lang/Exception.h"
#include "lang/FileSearch.h"
#include "lang/SyncGuard.h"
#include "sprite/StartupSettings.h"
#include "window/audio/AudioClip.h"
#include "window/Cursor.h"
#include "window/NativeWindow.h"
#include "window/Platform.h"

#include <cstring>

namespace sprite {

namespace {

constexpr int32_t EscapeKey = 27;
constexpr int32_t AudioRetryDelayMs = 3000;

std::atomic<GameCanvas3*> currentCanvas{nullptr};

} // namespace

LoaderFrame2::LoaderFrame2(int32_t width, int32_t height) : window::Frame(width, height) {}

LoaderFrame2::~LoaderFrame2()
{
    GameCanvas3* held = canvas.get();
    currentCanvas.compare_exchange_strong(held, nullptr);
}

GameCanvas3* LoaderFrame2::getCurrentCanvas()
{
    return currentCanvas;
}

void LoaderFrame2::setCurrentCanvas(GameCanvas3* newCanvas)
{
    currentCanvas = newCanvas;
}

void LoaderFrame2::init(GameCanvas3* newCanvas, const lang::String& dataFile, const lang::String& registryName)
{
    if (baseDir.isEmpty())
        baseDir = lang::programDirectory();
    user = lang::adopt(new User);
    user->open(registryName);
    // Saves that will not be kept, or were rolled back, are the player's to know before playing.
    const lang::String trouble = user->getTrouble();
    if (!trouble.isEmpty())
        window::platform::showMessageBox("Kipto2", trouble.c_str());
    GameCanvas3::debugMode = user->getString("Debug", "").equals("ZT");
    if (chooseFullScreen(*user, window::platform::getDesktop().bitsPerPixel))
        setFullScreen(true, false);
    if (newCanvas)
        newCanvas->setup(baseDir, user.get(), dataFile, -1);
    setCanvas(newCanvas);
}

void LoaderFrame2::setCanvas(GameCanvas3* newCanvas)
{
    if (canvas) {
        canvas->stop();
        canvas->shutdown();
        canvas.reset();
        loaderThread.reset();
        needsStart = true;
    }
    canvas = lang::retain(newCanvas);
    canvasChanged();
}

void LoaderFrame2::canvasChanged() {}

bool LoaderFrame2::initAudio()
{
    const int32_t mixBuffer = user ? user->getInt("MIXBUFFER", -1) : -1;
    const bool useWinMM = user && user->getInt("USEWINMM", 0) != 0;
    if (window::AudioClip::startEngine(window, mixBuffer, useWinMM))
        return true;
    lang::Thread::sleep(AudioRetryDelayMs);
    if (window::AudioClip::startEngine(window, mixBuffer, useWinMM))
        return true;
    return window::AudioClip::startEngine(window, mixBuffer, true);
}

void LoaderFrame2::startLoading()
{
    if (!needsStart)
        return;
    initAudio();
    loaderThread.reset();
    needsStart = false;
    loaderThread = lang::adopt(new lang::Thread(this));
    loaderThread->start();
}

void LoaderFrame2::loadNow()
{
    initAudio();
    needsStart = false;
    run();
}

void LoaderFrame2::stopCanvas()
{
    if (canvas)
        canvas->stop();
    needsStart = true;
}

void LoaderFrame2::hideLoadingScreen()
{
    SyncGuard guard(getDisplayLock());
    paintsItself = false;
    handedOver = true;
    lang::debugOutput("Hiding Frame, showing Canvas...\n");
}

void LoaderFrame2::run()
{
    lang::Ref<GameCanvas3> loading = canvas;
    if (!loading || isExiting())
        return;
    try {
        if (!loading->isReady() && !(loading->beforeLoading() && loading->loadData())) {
            loadFailed = true;
            window::platform::postMessage(this, window::MsgClose, 0, 0);
            return;
        }
    } catch (lang::Exception* exception) {
        // The canvas is shown with whatever was loaded.
        exception->release();
    }
    try {
        if (!needsStart) {
            loading->setCursor(window::Cursor::getArrow());
            loading->start();
            hideLoadingScreen();
        }
    } catch (lang::Exception* exception) {
        exception->release();
    }
}

void LoaderFrame2::repaint()
{
    lang::debugOutput("LoaderFrame2::repaint\n");
    window::Frame::repaint();
    if (canvas)
        canvas->setRepaintAll();
}

bool LoaderFrame2::RestoreDevice()
{
    const bool restored = window::Frame::RestoreDevice();
    if (canvas)
        canvas->setRepaintAll();
    return restored;
}

bool LoaderFrame2::keyDown(window::Event*, int32_t keyCode)
{
    if (!fullScreen || keyCode != EscapeKey)
        return false;
    setFullScreen(false, false);
    return true;
}

void LoaderFrame2::onPositionChanged()
{
    const bool minimised = window && window->isMinimised();
    if (!minimised && restoreFullScreen && isVisible()) {
        setFullScreen(true, false);
        restoreFullScreen = false;
    }
    if (minimised && canvas)
        canvas->windowDeactivated();
}

void LoaderFrame2::onActivate(bool active)
{
    if (fullScreen && !active && window) {
        // Another program took the screen: step aside as a minimised window.
        const bool wasVisible = isVisible();
        setFullScreen(false, true);
        window->minimise();
        if (!wasVisible)
            setVisible(false);
        restoreFullScreen = true;
    }
    window::Frame::onActivate(active);
}

void LoaderFrame2::onExit()
{
    // The frame's monitor comes before the display lock, as when leaving full screen.
    SyncGuard frameGuard(this);
    SyncGuard displayGuard(getDisplayLock());
    if (fullScreen)
        setFullScreen(false, true);
}

void LoaderFrame2::onClose()
{
    if (canvas)
        canvas->quit();
    else
        exit();
}

void LoaderFrame2::exit()
{
    setExiting(true);
    if (user)
        user->setInt("NORMALEXIT", 1);
    window::Frame::exit();
}

void LoaderFrame2::onDestroy()
{
    stopCanvas();
    if (loaderThread) {
        loaderThread->join(0);
        loaderThread.reset();
    }
    if (canvas)
        canvas->shutdown();
    window::AudioClip::stopEngine();
    window::platform::postQuit(loadFailed || hasGraphicsFailed() ? 1 : 0);
}

bool LoaderFrame2::isInstanceOf(const char* className) const
{
    return std::strcmp(className, "LoaderFrame2") == 0 || window::Frame::isInstanceOf(className)
        || std::strcmp(className, "Runnable") == 0;
}

} // namespace sprite

// The program's top-level window during start-up and at the end: it opens the settings store,
// decides between window and full screen, starts the sound engine and a loader thread that
// loads the canvas's sprite tables while the window shows a loading screen, then hands the
// window over to the canvas. It leaves full screen on Escape and when deactivated, and takes
// the program down in order: canvas threads, loader thread, canvas, sound engine.
#pragma once

#include "lang/Runnable.h"
#include "lang/Thread.h"
#include "sprite/GameCanvas3.h"
#include "sprite/User.h"
#include "window/Frame.h"

#include <atomic>

namespace sprite {

class LoaderFrame2 : public window::Frame, public lang::Runnable {
public:
    LoaderFrame2(int32_t width = 640, int32_t height = 480);
    ~LoaderFrame2() override;

    // --- the loader frame's virtual operations, in their fixed order
    // Opens the settings store on the registry name, applies the window-mode rule and gives
    // the canvas its data (`dataFile` is the top-level sprite table).
    virtual void init(GameCanvas3* canvas, const lang::String& dataFile, const lang::String& registryName);
    // Replaces the canvas; an old one is stopped and shut down.
    virtual void setCanvas(GameCanvas3* canvas);
    virtual void canvasChanged();
    // Starts the sound engine from the settings "MIXBUFFER" and "USEWINMM", trying three times.
    virtual bool initAudio();
    // Starts the loader thread, once per canvas.
    virtual void startLoading();
    // Loads on the calling thread.
    virtual void loadNow();
    virtual void stopCanvas();
    // The window stops painting the loading screen: the canvas paints from now on.
    virtual void hideLoadingScreen();

    // --- overrides of the frame
    void repaint() override;
    bool RestoreDevice() override;
    // Escape leaves full screen.
    bool keyDown(window::Event* event, int32_t keyCode) override;
    void onPositionChanged() override;
    void onActivate(bool active) override;
    // Just before the window is destroyed: leaves full screen.
    void onExit() override;
    // The close button asks the canvas to quit.
    void onClose() override;
    // The normal exit: records it in the settings and destroys the window.
    void exit() override;
    // Takes the program down and ends the message loop.
    void onDestroy() override;
    // The loading work, on the loader thread.
    void run() override;

    // The directory of disk files (loading picture, image bundles, disk tables); set before
    // init, or init takes the program's directory.
    void setBaseDir(const lang::String& directory) { baseDir = directory; }
    const lang::String& getBaseDir() const { return baseDir; }
    GameCanvas3* getCanvas() const { return canvas.get(); }
    User* getUser() const { return user.get(); }
    bool hasLoadFailed() const { return loadFailed; }
    // True once loading has ended and the canvas has the window.
    bool isHandedOver() const { return handedOver; }

    // The game canvas of the run (not counted); set by the game's frame.
    static GameCanvas3* getCurrentCanvas();
    static void setCurrentCanvas(GameCanvas3* canvas);

    bool isInstanceOf(const char* className) const override;
    const char* getClassName() const override { return "LoaderFrame2"; }

protected:
    lang::Ref<lang::Thread> loaderThread;
    lang::Ref<GameCanvas3> canvas;
    std::atomic<bool> needsStart{true};
    bool restoreFullScreen = false;
    std::atomic<bool> loadFailed{false};
    std::atomic<bool> handedOver{false};
    lang::Ref<User> user;
    lang::String baseDir;
};

} // namespace sprite

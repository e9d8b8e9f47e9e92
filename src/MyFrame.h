// The game's window: 800 x 600, with the loading screen (the logo and a progress bar that
// grows as the sprite tables load) until the game canvas takes over.
#pragma once

#include "crash/CrashReport.h"
#include "sprite/LoaderFrame2.h"
#include "window/image/ImageBase.h"

#include <mutex>
#include <optional>

class MyFrame : public sprite::LoaderFrame2 {
public:
    static constexpr int32_t Width = 800;
    static constexpr int32_t Height = 600;
    // Where the loading bar lies, and how often the loading screen is repainted.
    static constexpr int32_t BarLeft = 286;
    static constexpr int32_t BarTop = 359;
    static constexpr int32_t BarHeight = 100;
    static constexpr int32_t RepaintTimer = 1;
    static constexpr int32_t RepaintPeriodMs = 60;

    MyFrame();
    ~MyFrame() override;

    // Opens the window, the canvas and the settings, shows the loading screen and starts
    // loading.
    bool create(window::Component* parent, const util::RectangleNM& bounds) override;
    // The loading screen.
    void paint(window::Graphics* graphics) override;
    window::MessageResult handleMessage(uint32_t message, window::WParam wParam, window::LParam lParam) override;
    void onActivate(bool active) override;
    // The game saves what it keeps, then the normal exit.
    void exit() override;
    // Ends the loading screen; the crash test, when asked for, crashes right after.
    void hideLoadingScreen() override;
    // Makes the program crash on purpose once the canvas has the window (for the tests of the
    // crash reports).
    void setCrashTest(std::optional<crash::Deliberate> kind) { crashTest = kind; }

    // The share of the loading bar drawn: progress over total, 0 to 1.
    static double loadedShare(const sprite::GameCanvas3* canvas);

    const char* getClassName() const override { return "MyFrame"; }

private:
    void loadLogo();

    // Guards the pictures between the painting window thread and the loader thread that hands
    // over. Painting holds the display lock, and leaving full screen takes the frame's monitor
    // before it: the frame's monitor would be taken in both orders.
    std::mutex picturesMutex;
    lang::Ref<window::ImageBase> logo;
    lang::Ref<window::ImageBase> loadingBar;
    int32_t logoTop = 0;
    std::optional<crash::Deliberate> crashTest;
};

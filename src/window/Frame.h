// The top-level component: the game's window of a fixed picture size (800x600 for the game),
// shown in a window or full screen, with activation, closing and the restoring of a lost
// drawing device. Full screen covers the desktop with the picture scaled to fit and
// letterboxed; a window the player resizes scales the picture the same way.
#pragma once

#include "window/Component.h"

#include <mutex>
#include <string>

namespace window {

class ImageBase;

class Frame : public Component {
public:
    Frame(int32_t clientWidth = 800, int32_t clientHeight = 600);
    ~Frame() override;

    // Creates the native window; a negative width or height counts as its absolute value, and
    // a negative width fits the window into the desktop's work area. When no window that can
    // be drawn can be made, says so in a message box and answers false.
    bool create(Component* parent, const util::RectangleNM& bounds) override;
    // Switches full screen on or off. Leaving it needs a desktop a window can be shown on, or
    // `force`. A refusal shows "Unable to switch to Fullscreen mode." and stays windowed.
    virtual void setFullScreen(bool on, bool force);
    // The normal exit: posts MsgExit to the window.
    virtual void exit();
    virtual void onDestroy();
    // Destroys the window.
    virtual void onClose();
    virtual void onActivate(bool active);
    virtual void setLocation(int32_t x, int32_t y);
    virtual void setTitle(const char* cp1252Title);
    // The window's icon; nothing for a picture without pixels.
    void setIcon(ImageBase* picture);

    // The frame's window target, made on first use and kept; the caller releases it.
    Graphics* getGraphics() override;
    void releaseGraphics() override;
    // Restores a lost drawing device. A device of the platform's own (OpenGL) that cannot be
    // made again ten times in a row is given up for the software target; where that cannot be
    // shown either, the frame says so and ends the program (hasGraphicsFailed).
    bool RestoreDevice() override;
    bool checkDevice() override;
    void RestoreDeviceIfMainThread() override;
    bool getDisplayChanged() override;
    void setDisplayChanged(bool changed) override;
    void layout() override;
    void onSize(WParam wParam, LParam lParam) override;
    MessageResult handleMessage(uint32_t message, WParam wParam, LParam lParam) override;

    int32_t getLogicalWidth() const override { return width; }
    int32_t getLogicalHeight() const override { return height; }
    bool isFullScreen() const { return fullScreen; }
    // True once nothing could draw the frame any more: the program ends with a failure.
    bool hasGraphicsFailed() const { return graphicsFailed; }
    // True while painting would be lost: the window is minimised or the device is lost.
    bool isPaintingSuspended() const;
    // True on the thread that created the last frame.
    static bool isMainThread();
    // The renderer ("gl", "software") and scaling ("linear", "nearest") the stored settings ask
    // for, empty for the defaults; before create.
    void setDrawingSettings(const std::string& renderer, const std::string& scaling)
    {
        rendererSetting = renderer;
        scalingSetting = scaling;
    }
    // Desktops of these colour depths can show the game in a window.
    static bool isWindowedDepth(int32_t bitsPerPixel);

    bool isInstanceOf(const char* className) const override;
    const char* getClassName() const override;

protected:
    void getMinMaxInfo(MinMaxInfo* info);

    Graphics* graphics = nullptr;
    // Guards `graphics` alone: painting asks for it under the display lock, and the display
    // lock is taken after the frame's monitor.
    std::mutex graphicsMutex;
    int32_t width;
    int32_t height;
    bool fullScreen = false;
    bool windowedAllowed = true;
    bool resizable = false;
    bool createdFullScreen = false;
    bool displayChanged = false;
    std::string rendererSetting;
    std::string scalingSetting;
    int32_t failedRestores = 0;
    bool graphicsFailed = false;
};

} // namespace window

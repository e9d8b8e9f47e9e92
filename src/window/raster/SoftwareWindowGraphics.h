// The software window target: the frame is composited into one back image of the window's
// picture size with the image target's software drawing, and the finished picture is handed
// to the native window, which presents it scaled to fit. As with a device target, create()
// starts a frame and returns this same target, and the outermost dispose() presents it.
#pragma once

#include "lang/Ref.h"
#include "window/raster/ImageGraphics.h"

#include <cstdint>

namespace window {

class NativeWindow;

class SoftwareWindowGraphics : public ImageGraphics {
public:
    SoftwareWindowGraphics(NativeWindow* window, int32_t width, int32_t height);
    ~SoftwareWindowGraphics() override;

    // Begins a frame, saves the drawing state and returns this target with one more
    // reference (the caller releases it); null when drawing cannot begin.
    Graphics* create() override;
    // Restores the saved state and ends the frame.
    void dispose() override;
    bool beginDrawing() override;
    // The outermost end presents the picture when anything was drawn.
    void endDrawing() override;
    bool restoreDevice(bool windowed) override;
    bool recreateDevice(bool windowed) override;
    // Makes `into` a copy of the picture.
    void getBackBuffer(ImageBase* into) override;

    // The picture being drawn; not counted.
    ImageBase* getBackImage() const { return backImage.get(); }
    // The window is going away: nothing is presented any more.
    void detachWindow() override;

    // Test hooks. The device counts as lost (the frame is told as by a real loss) and the next
    // `failures` restores fail.
    void simulateDeviceLoss(int32_t failures);
    // The next `failures` restores fail.
    void failRestores(int32_t failures);
    int32_t getRestoreAttempts() const { return restoreAttempts; }

    bool isInstanceOf(const char* className) const override;
    const char* getClassName() const override { return "SoftwareWindowGraphics"; }

private:
    SoftwareWindowGraphics(NativeWindow* window, lang::Ref<ImageBase> image);
    void present();

    NativeWindow* window;
    lang::Ref<ImageBase> backImage;
    int32_t nesting = 0;
    int32_t failuresLeft = 0;
    int32_t restoreAttempts = 0;
};

} // namespace window

// The image of the software targets: its pixels are a plain buffer in memory. A window target
// that keeps textures derives from it and adds its texture cache, refreshed from the pixels
// whenever pixelsChanged is set.
#pragma once

#include "window/image/ImageBase.h"

namespace window {

class PixelImage : public ImageBase {
public:
    PixelImage() = default;
    // Loads the named picture at once (only its size in header-only mode).
    explicit PixelImage(const lang::String& name) : ImageBase(name) {}
    // Decodes the bytes at once.
    PixelImage(const uint8_t* bytes, int32_t length) : ImageBase(bytes, length) {}
    // An image of that size in memory, cleared to transparent black.
    PixelImage(int32_t width, int32_t height) : ImageBase(width, height) {}

    // A new ImageGraphics on this image, without a FancyHelper; the caller releases it.
    Graphics* getGraphics() override;
    ImageBase* copy() override;

    bool isInstanceOf(const char* className) const override;
    const char* getClassName() const override { return "PixelImage"; }
};

} // namespace window

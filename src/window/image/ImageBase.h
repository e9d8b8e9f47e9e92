// A named, lazily decoded picture of 32-bit 0xAARRGGBB pixels, rows top first. The name says
// where the bytes come from: "+item" is an item of the resource package, anything else a file;
// "picture|mask" applies a second picture as an alpha mask. While hidden containers load
// (hiddenLoadDepth above 0, forceImmediateLoad clear) a decode reads only the size.
#pragma once

#include "lang/String.h"
#include "window/image/ImageTextures.h"

#include <atomic>
#include <cstdint>
#include <memory>

namespace window {

class Graphics;
struct DecodedImage;

class ImageBase : public lang::Object {
public:
    // Raised by the sprite data loader around containers that start hidden.
    static std::atomic<int32_t> hiddenLoadDepth;
    // Set while work runs that needs pixels at once.
    static std::atomic<bool> forceImmediateLoad;
    // True while decodes read only the size.
    static bool isHeaderOnlyMode();

    ~ImageBase() override;

    // Reads the size back from a platform surface; plain pixel images have none.
    virtual void refreshSize() {}
    virtual int32_t getRowBytes() const { return width * 4; }
    // Frees the pixels; an image made in memory (no name) also forgets its size.
    virtual void unload();
    // A new drawing target on this image; the caller releases it.
    virtual Graphics* getGraphics() = 0;
    // A new image with this one's name, size, pixels and flags; the caller releases it.
    virtual ImageBase* copy() = 0;

    // Loads the pixels when they are missing; every reader and writer of pixels calls it first.
    void ensurePixels();
    // ensurePixels, then whether there are pixels.
    bool hasPixelsReady()
    {
        ensurePixels();
        return pixels != nullptr;
    }
    // Replaces the pixels from encoded bytes (GIF, PNG or JPEG).
    void decode(const uint8_t* bytes, int32_t length);
    // An image in memory of that size; clear mode 1 asks for transparent black (the memory is
    // always cleared here, whatever the mode).
    void create(int32_t width, int32_t height, int32_t clearMode);
    // Names the mask after this image's own picture and applies it: the mask is tiled over the
    // image and each pixel's alpha becomes 255 minus the mask's blue (black opaque, white clear).
    void setMask(ImageBase* mask);

    uint32_t* getPixels() const { return pixels.get(); }
    int32_t getWidth() const { return width; }
    int32_t getHeight() const { return height; }
    bool getHasAlpha() const { return hasAlpha; }
    void setHasAlpha(bool value) { hasAlpha = value; }
    bool isLoadFailed() const { return loadFailed; }
    bool isPixelsChanged() const { return pixelsChanged; }
    void setPixelsChanged(bool value) { pixelsChanged = value; }
    const lang::String& getName() const { return name; }
    // The device target's record of this picture's textures (none until it draws it); the
    // record given replaces the old one, which is discarded.
    ImageTextures* getTextures() const { return textures.get(); }
    void setTextures(std::unique_ptr<ImageTextures> record);

    bool isInstanceOf(const char* className) const override;
    const char* getClassName() const override { return "ImageBase"; }

protected:
    ImageBase();
    // Stores the name and loads at once (only the size in header-only mode).
    explicit ImageBase(const lang::String& name);
    ImageBase(const uint8_t* bytes, int32_t length);
    ImageBase(int32_t width, int32_t height);

    // Gives `target` this image's name, size, pixels and flags (for copy()).
    void copyInto(ImageBase& target);

private:
    void loadName(const lang::String& part);
    void takeDecoded(DecodedImage& decoded, bool headerOnly);
    void applyMask(const uint32_t* maskPixels, int32_t maskWidth, int32_t maskHeight);

    std::unique_ptr<uint32_t[]> pixels;
    int32_t width = 0;
    int32_t height = 0;
    bool hasAlpha = false;
    bool loadFailed = false;
    bool pixelsChanged = false;
    lang::String name;
    std::unique_ptr<ImageTextures> textures;
};

} // namespace window

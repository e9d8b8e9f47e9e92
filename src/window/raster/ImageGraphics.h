// The image target: draws into an image in memory. Pictures, single pixels and fills are
// composited in software by the blend rules (alpha or additive, tint, shadow); transformed
// pictures are filtered and blended the same way; shapes and text come from RasterGraphics.
// Its clip is the target clip rectangle: clipRect replaces it with the image bounds cut to the
// new rectangle.
#pragma once

#include "window/raster/GraphicsIMixin.h"
#include "window/raster/RasterGraphics.h"

namespace window {

struct Modulation;

class ImageGraphics : public RasterGraphics, public GraphicsIMixin {
public:
    // A target on the image with an optional helper (references are taken on both).
    explicit ImageGraphics(ImageBase* image, FancyHelper* helper = nullptr);
    ~ImageGraphics() override;

    bool drawImageTransformed(ImageBase* image, int32_t centreX, int32_t centreY, const util::RectangleNM& sourceRect,
        double scaleX, double scaleY, double angle, int32_t flip) override;
    bool drawImage(ImageBase* image, int32_t x, int32_t y) override;
    bool drawShadow(ImageBase* image, int32_t x, int32_t y) override;

    // The pen colour made opaque, within the image (the clip does not apply).
    void setPixel(int32_t x, int32_t y) override;
    // Blended by the colour's alpha into the pixel, within the image (the clip does not apply).
    void setPixel(int32_t x, int32_t y, uint32_t argb) override;
    // The pixel, or 0 outside the image.
    uint32_t getPixel(int32_t x, int32_t y) override;

    void clipRect(int32_t x, int32_t y, int32_t width, int32_t height) override;
    // A new target on the same image and helper with the same origin, clip and blend mode.
    Graphics* create() override;

    // The pen colour, each channel times the helper's multiplier (>> 7, at most 255), opaque.
    void fillRect(int32_t x, int32_t y, int32_t width, int32_t height) override;
    using RasterGraphics::fillRect;
    // The colour weighed over the target by its alpha; alpha 0 draws nothing.
    void fillRectBlended(int32_t x, int32_t y, int32_t width, int32_t height, uint32_t argb) override;

    // Our software particle renderer; the caller releases it.
    GraphicsParticle* createParticleSystem() override;
    ImageBase* getPixelTarget() override { return getSurface(); }
    FancyHelper* getFancyHelper() override { return fancyHelper(); }
    int32_t setBlendMode(int32_t mode) override;
    ImageBase* getImage() const { return getSurface(); }

    bool isInstanceOf(const char* className) const override;
    const char* getClassName() const override { return "ImageGraphics"; }

protected:
    // Blends the whole prepared source of the helper at (x, y), target coordinates.
    void blendSource(int32_t x, int32_t y);
    // The tint and corner colours of a transformed draw, opacity applied to every alpha.
    void readModulation(Modulation& modulation) const;
};

} // namespace window

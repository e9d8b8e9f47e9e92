// The blend parameters of an image target: channel multipliers taken from the tint, an
// optional shadow, and the source picture of the blend under way. Its blends clip the source
// to a rectangle of the target and run the row rules of BlendKernels.
#pragma once

#include "lang/Object.h"
#include "window/raster/detail/BlendKernels.h"
#include "window/raster/PixelRect.h"

#include <cstdint>

namespace window {

class ImageBase;

class FancyHelper : public lang::Object {
public:
    FancyHelper() = default;

    // Red, green, blue and alpha multipliers := the bytes of the tint.
    void setMultipliers(uint32_t tint) { multipliers = blend::Multipliers::fromArgb(tint); }
    const blend::Multipliers& getMultipliers() const { return multipliers; }

    void setShadow(bool enabled, int32_t offsetX, int32_t offsetY);
    bool isShadowEnabled() const { return shadowEnabled; }

    // The source of the next blends: rows of `stride` pixels, borrowed from its image.
    void setSource(const uint32_t* pixels, int32_t width, int32_t height, int32_t stride);

    // Blends the source with its top-left corner at (x, y) of the target, inside `clip`. The
    // alpha blend first runs the shadow pass when the shadow is on; nothing is drawn while the
    // alpha multiplier is 0.
    void alphaBlend(ImageBase& target, int32_t x, int32_t y, const PixelRect& clip);
    void additiveBlend(ImageBase& target, int32_t x, int32_t y, const PixelRect& clip);
    // Darkens the target under the source by its alpha times the alpha multiplier.
    void shadowBlend(ImageBase& target, int32_t x, int32_t y, const PixelRect& clip);

    bool isInstanceOf(const char* className) const override;
    const char* getClassName() const override { return "FancyHelper"; }

private:
    enum class Rule { Alpha, Additive, Shadow };
    void run(Rule rule, ImageBase& target, int32_t x, int32_t y, const PixelRect& clip);

    blend::Multipliers multipliers;
    bool shadowEnabled = false;
    int32_t shadowOffsetX = 0;
    int32_t shadowOffsetY = 0;
    const uint32_t* sourcePixels = nullptr;
    int32_t sourceWidth = 0;
    int32_t sourceHeight = 0;
    int32_t sourceStride = 0;
};

} // namespace window

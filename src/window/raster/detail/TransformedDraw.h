// Draws part of a picture scaled, rotated and mirrored into a target, with bilinear filtering,
// and blends it by the image target's rules with a tint or four corner colours.
//
// Placement: the part (width w, height h) is pinned at its point (w div 2, h div 2) to the
// centre (a pixel corner of the target), scaled there and rotated clockwise on screen; mirrors
// flip the part within its own box. A target pixel is drawn when its centre falls inside the
// part; texel centres lie at half-pixel positions, so an unscaled, unrotated draw at an integer
// centre copies the texels exactly, as drawImage does.
#pragma once

#include "window/raster/detail/BlendKernels.h"
#include "window/raster/PixelRect.h"

#include <cstdint>

namespace window {

class ImageBase;

struct TransformedSource {
    const uint32_t* pixels = nullptr;
    int32_t width = 0; // of the whole picture
    int32_t height = 0;
    int32_t stride = 0; // in pixels
    // The part to draw, in picture coordinates; it may reach beyond the picture, whose pixels
    // alone are drawn.
    PixelRect part;
};

struct Placement {
    double centreX = 0; // target coordinates
    double centreY = 0;
    double scaleX = 1;
    double scaleY = 1;
    double angleDegrees = 0;
    int32_t flip = 0; // 1 mirrors left-right, 2 top-bottom, 3 both
};

// The colour a transformed draw is modulated by: one tint, or four corner colours (top-left,
// top-right, bottom-right, bottom-left) spread bilinearly across the part.
struct Modulation {
    blend::Multipliers tint;
    bool useCorners = false;
    uint32_t corners[4] = {0, 0, 0, 0};
    bool additive = false;
};

// Draws into the target's pixels within `clip`; marks the target changed when it wrote.
void drawTransformed(ImageBase& target, const PixelRect& clip, const TransformedSource& source,
    const Placement& placement, const Modulation& modulation);

} // namespace window

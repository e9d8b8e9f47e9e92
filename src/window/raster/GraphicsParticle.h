// A particle renderer of a drawing target: a particle system hands it the points of one frame
// and lets it draw them. Each target makes its own (Graphics::createParticleSystem), so that a
// device target can keep its point buffers while the software targets blend pixels.
#pragma once

#include "lang/Object.h"

#include <cstdint>

namespace window {

class Graphics;

class GraphicsParticle : public lang::Object {
public:
    // Readies a frame for a system of `count` particles; false when this renderer cannot draw
    // so many (the system then draws nothing this frame).
    virtual bool init(int32_t count) = 0;
    // One point of the frame at (x, y) in the coordinates of the target's drawing operations
    // (its origin is added when drawn); z is the depth, 0 in front. Colour 0xAARRGGBB, the
    // alpha being the point's opacity.
    virtual void addPoint(float x, float y, float z, uint32_t argb) = 0;
    // Draws the frame's points on the target and starts an empty frame.
    virtual void draw(Graphics* target) = 0;

    bool isInstanceOf(const char* className) const override;
    const char* getClassName() const override { return "GraphicsParticle"; }
};

} // namespace window

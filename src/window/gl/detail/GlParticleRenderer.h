// The particle renderer of the OpenGL window target: the points of a frame are gathered and
// drawn as one batch of single-pixel points, blended as the target blends.
#pragma once

#include "window/gl/GlWindowGraphics.h"
#include "window/raster/GraphicsParticle.h"

#include <vector>

namespace window::gl {

class GlParticleRenderer : public GraphicsParticle {
public:
    static constexpr int32_t MaxParticles = 500;

    bool init(int32_t count) override;
    void addPoint(float x, float y, float z, uint32_t argb) override;
    // Draws on the OpenGL target; any other target only empties the frame.
    void draw(Graphics* target) override;

    bool isInstanceOf(const char* className) const override;
    const char* getClassName() const override { return "GlParticleRenderer"; }

private:
    std::vector<GlWindowGraphics::Point> points;
};

} // namespace window::gl

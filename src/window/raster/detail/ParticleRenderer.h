// The particle renderer of the software targets (the image target and the software window
// target): each point is one pixel, weighed over the target by its alpha, or added to it when
// the target's blend mode is additive. Points outside the target's clip are dropped.
#pragma once

#include "window/raster/GraphicsParticle.h"

#include <vector>

namespace window {

class ParticleRenderer : public GraphicsParticle {
public:
    // As many particles as the device target takes, so that systems behave alike on both.
    static constexpr int32_t MaxParticles = 500;

    bool init(int32_t count) override;
    void addPoint(float x, float y, float z, uint32_t argb) override;
    // Draws on the targets that give their pixels (Graphics::getPixelTarget); any other target
    // only empties the frame.
    void draw(Graphics* target) override;

    int32_t getPointCount() const { return static_cast<int32_t>(points.size()); }

    bool isInstanceOf(const char* className) const override;
    const char* getClassName() const override { return "ParticleRenderer"; }

private:
    struct Point {
        int32_t x;
        int32_t y;
        uint32_t argb;
    };
    std::vector<Point> points;
};

} // namespace window

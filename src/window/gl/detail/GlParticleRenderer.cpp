#include "window/gl/detail/GlParticleRenderer.h"

#include <cstring>

namespace window::gl {

bool GlParticleRenderer::init(int32_t count)
{
    points.clear();
    return count >= 0 && count <= MaxParticles;
}

void GlParticleRenderer::addPoint(float x, float y, float, uint32_t argb)
{
    if ((argb >> 24) != 0)
        points.push_back({x, y, argb});
}

void GlParticleRenderer::draw(Graphics* target)
{
    if (auto* device = dynamic_cast<GlWindowGraphics*>(target))
        device->drawPoints(points);
    points.clear();
}

bool GlParticleRenderer::isInstanceOf(const char* className) const
{
    return std::strcmp(className, "GlParticleRenderer") == 0 || GraphicsParticle::isInstanceOf(className);
}

} // namespace window::gl

#include "window/raster/detail/ParticleRenderer.h"

#include "lang/Ref.h"
#include "util/Region.h"
#include "window/image/ImageBase.h"
#include "window/raster/detail/BlendKernels.h"
#include "window/raster/Graphics.h"

#include <cmath>
#include <cstring>

namespace window {

bool GraphicsParticle::isInstanceOf(const char* className) const
{
    return std::strcmp(className, "GraphicsParticle") == 0 || lang::Object::isInstanceOf(className);
}

bool ParticleRenderer::init(int32_t count)
{
    points.clear();
    return count >= 0 && count <= MaxParticles;
}

void ParticleRenderer::addPoint(float x, float y, float, uint32_t argb)
{
    if ((argb >> 24) == 0)
        return;
    points.push_back({static_cast<int32_t>(std::floor(x)), static_cast<int32_t>(std::floor(y)), argb});
}

void ParticleRenderer::draw(Graphics* target)
{
    ImageBase* surface = target ? target->getPixelTarget() : nullptr;
    if (!surface || points.empty()) {
        points.clear();
        return;
    }
    surface->ensurePixels();
    uint32_t* pixels = surface->getPixels();
    if (!pixels) {
        points.clear();
        return;
    }
    const int32_t stride = surface->getRowBytes() / 4;
    const util::RectangleNM whole(0, 0, surface->getWidth(), surface->getHeight());
    lang::Ref<util::Region> clip = lang::adopt(target->getClip());
    blend::Multipliers multipliers;
    multipliers.alpha = target->getOpacity();
    const bool additive = target->getBlendMode() == Graphics::BLEND_ADDITIVE;
    const bool targetHasAlpha = surface->getHasAlpha();
    const int32_t dx = target->getTranslateX();
    const int32_t dy = target->getTranslateY();
    for (const util::RectangleNM& rectangle : clip->getRectangles()) {
        const util::RectangleNM part = rectangle.intersect(whole);
        for (const Point& point : points) {
            const int32_t px = point.x + dx;
            const int32_t py = point.y + dy;
            if (!part.contains(px, py))
                continue;
            uint32_t& pixel = pixels[static_cast<size_t>(py) * stride + px];
            pixel = additive ? blend::additivePixel(pixel, point.argb, multipliers, targetHasAlpha)
                             : blend::alphaPixel(pixel, point.argb, multipliers, targetHasAlpha);
        }
    }
    surface->setPixelsChanged(true);
    points.clear();
}

bool ParticleRenderer::isInstanceOf(const char* className) const
{
    return std::strcmp(className, "ParticleRenderer") == 0 || GraphicsParticle::isInstanceOf(className);
}

} // namespace window

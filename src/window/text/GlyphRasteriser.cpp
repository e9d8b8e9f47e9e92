#include "window/text/GlyphRasteriser.h"

#include "window/text/NullGlyphRasteriser.h"

namespace window {

namespace {

std::unique_ptr<GlyphRasteriser>& current()
{
    static std::unique_ptr<GlyphRasteriser> rasteriser = std::make_unique<NullGlyphRasteriser>();
    return rasteriser;
}

} // namespace

void GlyphRasteriser::install(std::unique_ptr<GlyphRasteriser> rasteriser)
{
    current() = rasteriser ? std::move(rasteriser) : std::make_unique<NullGlyphRasteriser>();
}

GlyphRasteriser& GlyphRasteriser::installed()
{
    return *current();
}

} // namespace window

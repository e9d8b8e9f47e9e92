#include "window/raster/PixelImage.h"

#include "window/raster/ImageGraphics.h"

#include <cstring>

namespace window {

Graphics* PixelImage::getGraphics()
{
    return new ImageGraphics(this);
}

ImageBase* PixelImage::copy()
{
    auto* duplicate = new PixelImage;
    copyInto(*duplicate);
    return duplicate;
}

bool PixelImage::isInstanceOf(const char* className) const
{
    return std::strcmp(className, "PixelImage") == 0 || ImageBase::isInstanceOf(className);
}

} // namespace window

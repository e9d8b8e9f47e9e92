// libFuzzer target: a picture decoded from arbitrary bytes through ImageBase::decode, then
// drawn, masked and copied, as the game would use it.
#include "lang/Ref.h"
#include "util/RectangleNM.h"
#include "window/raster/ImageGraphics.h"
#include "window/raster/PixelImage.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size > (1 << 20))
        return 0;
    lang::Ref<window::PixelImage> image = lang::adopt(new window::PixelImage(data, static_cast<int32_t>(size)));
    if (image->getPixels() == nullptr) {
        if (!image->isLoadFailed())
            __builtin_trap(); // a failed decode must say so
        return 0;
    }
    lang::Ref<window::PixelImage> target = lang::adopt(new window::PixelImage(64, 48));
    window::ImageGraphics g(target.get());
    g.drawImage(image.get(), -3, 5);
    g.drawImageTransformed(image.get(), 32, 24, util::RectangleNM(1, 1, image->getWidth(), image->getHeight()), 0.7, 1.3, 33.0, 1);
    lang::Ref<window::ImageBase> duplicate = lang::adopt(image->copy());
    duplicate->setMask(target.get());
    return 0;
}

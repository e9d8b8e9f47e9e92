#include "window/image/ImageDecoder.h"

#include <cstring>

namespace window {

namespace {

const uint8_t kPngSignature[4] = {0x89, 'P', 'N', 'G'};

} // namespace

bool isSaneImageSize(int64_t width, int64_t height)
{
    return width > 0 && height > 0 && width <= kMaxImageSide && height <= kMaxImageSide
        && width * height <= kMaxImagePixels;
}

bool decodeImage(const uint8_t* bytes, size_t length, bool headerOnly, DecodedImage& out)
{
    out = DecodedImage();
    if (bytes == nullptr || length < 7)
        return false;
    bool ok;
    if (std::memcmp(bytes, "GIF89a", 6) == 0 || std::memcmp(bytes, "GIF87a", 6) == 0)
        ok = decodeGif(bytes, length, headerOnly, out);
    else if (std::memcmp(bytes, kPngSignature, 4) == 0)
        ok = decodePng(bytes, length, headerOnly, out);
    else
        ok = decodeJpeg(bytes, length, headerOnly, out);
    if (!ok)
        out = DecodedImage();
    return ok;
}

} // namespace window

// libFuzzer target: our own GIF decoder on arbitrary bytes, full decode and header-only.
#include "window/image/ImageDecoder.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // Every input is made a GIF, so that mutations explore the decoder rather than the header.
    std::vector<uint8_t> bytes(data, data + size);
    if (bytes.size() >= 6)
        std::memcpy(bytes.data(), (bytes[4] & 1) ? "GIF87a" : "GIF89a", 6);
    window::DecodedImage image;
    window::decodeGif(bytes.data(), bytes.size(), false, image);
    if (image.pixels) {
        // Touch every pixel: a short buffer shows up under the address sanitizer.
        uint32_t sum = 0;
        for (size_t i = 0; i < static_cast<size_t>(image.width) * image.height; ++i)
            sum += image.pixels[i];
        (void)sum;
    }
    window::DecodedImage header;
    window::decodeGif(bytes.data(), bytes.size(), true, header);
    return 0;
}

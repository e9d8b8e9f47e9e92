// The picture decoders: GIF (our own), PNG (libpng) and JPEG (libjpeg), chosen by the first
// bytes of the data. Every decoder reads bytes in memory and turns them into 0xAARRGGBB rows;
// bad data of any kind ends in a clean failure without pixels.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

namespace window {

struct DecodedImage {
    int32_t width = 0;
    int32_t height = 0;
    // Rows of `width` pixels, top row first; null after a header-only read or a failure.
    std::unique_ptr<uint32_t[]> pixels;
    bool hasAlpha = false;
    // GIF only: the data asked to be shown in a loop (NETSCAPE2.0 extension).
    bool looping = false;
};

// Pictures larger than this are refused rather than allocated (16384 on a side, 2^24 pixels).
constexpr int32_t kMaxImageSide = 16384;
constexpr int64_t kMaxImagePixels = int64_t{1} << 24;
bool isSaneImageSize(int64_t width, int64_t height);

// Reads the size (header-only) or the whole picture. Returns true when the wanted part was
// read; on false, `out` holds no pixels and a size of 0 x 0.
bool decodeImage(const uint8_t* bytes, size_t length, bool headerOnly, DecodedImage& out);

bool decodeGif(const uint8_t* bytes, size_t length, bool headerOnly, DecodedImage& out);
bool decodePng(const uint8_t* bytes, size_t length, bool headerOnly, DecodedImage& out);
bool decodeJpeg(const uint8_t* bytes, size_t length, bool headerOnly, DecodedImage& out);

} // namespace window

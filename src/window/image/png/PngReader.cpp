// PNG through libpng, from memory. Palettes, low bit depths and transparency chunks are
// expanded and 16-bit samples stripped, so every picture arrives as 8-bit grey, grey and alpha,
// blue-green-red, or blue-green-red-alpha.
#include "window/image/ImageDecoder.h"

#include <png.h>

#include <csetjmp>
#include <cstring>
#include <vector>

namespace window {

namespace {

struct MemorySource {
    const uint8_t* bytes;
    size_t length;
    size_t position;
};

void readFromMemory(png_structp png, png_bytep into, png_size_t count)
{
    auto* source = static_cast<MemorySource*>(png_get_io_ptr(png));
    if (source->length - source->position < count)
        png_error(png, "PNG data ends early");
    std::memcpy(into, source->bytes + source->position, count);
    source->position += count;
}

void failOnError(png_structp png, png_const_charp)
{
    png_longjmp(png, 1);
}

void ignoreWarning(png_structp, png_const_charp) {}

// One row of `channels` 8-bit samples to 0xAARRGGBB pixels.
void convertRow(const uint8_t* row, int channels, int width, uint32_t* pixels)
{
    for (int x = 0; x < width; ++x, row += channels) {
        switch (channels) {
        case 1:
            pixels[x] = 0xFF000000u | uint32_t{row[0]} * 0x010101u;
            break;
        case 2:
            pixels[x] = uint32_t{row[1]} << 24 | uint32_t{row[0]} * 0x010101u;
            break;
        case 3: // blue, green, red
            pixels[x] = 0xFF000000u | uint32_t{row[2]} << 16 | uint32_t{row[1]} << 8 | row[0];
            break;
        default: // blue, green, red, alpha
            pixels[x] = uint32_t{row[3]} << 24 | uint32_t{row[2]} << 16 | uint32_t{row[1]} << 8 | row[0];
            break;
        }
    }
}

// The part of the reading that may jump back on a libpng error: nothing in here owns memory
// that a jump would leak; the buffers belong to the caller.
bool readPng(png_structp png, png_infop info, bool headerOnly, DecodedImage& out,
    std::vector<uint8_t>& samples, std::vector<png_bytep>& rows)
{
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_set_user_limits(png, kMaxImageSide, kMaxImageSide);
    png_read_info(png, info);
    const png_uint_32 width = png_get_image_width(png, info);
    const png_uint_32 height = png_get_image_height(png, info);
    if (!isSaneImageSize(width, height))
        return false;
    out.width = static_cast<int32_t>(width);
    out.height = static_cast<int32_t>(height);
    if (headerOnly)
        return true;

    png_set_expand(png);
    png_set_strip_16(png);
    png_set_bgr(png);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    const int channels = png_get_channels(png, info);
    const size_t rowBytes = png_get_rowbytes(png, info);
    if (channels < 1 || channels > 4 || rowBytes < static_cast<size_t>(channels) * width)
        return false;
    samples.resize(rowBytes * height);
    rows.resize(height);
    for (png_uint_32 y = 0; y < height; ++y)
        rows[y] = samples.data() + rowBytes * y;
    png_read_image(png, rows.data());
    png_read_end(png, nullptr);

    out.pixels.reset(new uint32_t[static_cast<size_t>(width) * height]);
    for (png_uint_32 y = 0; y < height; ++y)
        convertRow(rows[y], channels, static_cast<int>(width), out.pixels.get() + static_cast<size_t>(width) * y);
    // Grey with alpha carries meaningful alpha just as colour with alpha does.
    out.hasAlpha = channels == 2 || channels == 4;
    return true;
}

} // namespace

bool decodePng(const uint8_t* bytes, size_t length, bool headerOnly, DecodedImage& out)
{
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, failOnError, ignoreWarning);
    if (png == nullptr)
        return false;
    png_infop info = png_create_info_struct(png);
    if (info == nullptr) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        return false;
    }
    MemorySource source{bytes, length, 0};
    png_set_read_fn(png, &source, readFromMemory);

    std::vector<uint8_t> samples;
    std::vector<png_bytep> rows;
    const bool ok = readPng(png, info, headerOnly, out, samples, rows);
    png_destroy_read_struct(&png, &info, nullptr);
    if (!ok)
        out.pixels.reset();
    return ok;
}

} // namespace window

#include "Png.h"

#include "SoundFile.h"
#include "window/ImageDecoder.h"

#include <png.h>

#include <fstream>
#include <iterator>
#include <stdexcept>

namespace contentgen {

namespace {

void appendBytes(png_structp png, png_bytep data, png_size_t length)
{
    auto* out = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

void noFlush(png_structp) {}

} // namespace

std::vector<uint8_t> encodePng(int width, int height, const std::vector<uint8_t>& rgba)
{
    std::vector<uint8_t> out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info)
        throw std::runtime_error("libpng cannot start");
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        throw std::runtime_error("libpng failed to write");
    }
    png_set_write_fn(png, &out, appendBytes, noFlush);
    png_set_compression_level(png, 9);
    png_set_IHDR(png, info, png_uint_32(width), png_uint_32(height), 8, PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < height; ++y)
        png_write_row(png, rgba.data() + size_t(y) * size_t(width) * 4);
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return out;
}

std::vector<uint8_t> encodePng(const Picture& picture) { return encodePng(picture.width(), picture.height(), toRgba8(picture)); }

void writePng(const std::string& path, const Picture& picture) { writeFile(path, encodePng(picture)); }

bool decodePng(const std::vector<uint8_t>& bytes, int& width, int& height, std::vector<uint8_t>& rgba)
{
    // The engine's own decoder: what reads here is what the game will show.
    window::DecodedImage image;
    if (!window::decodePng(bytes.data(), bytes.size(), false, image))
        return false;
    width = image.width;
    height = image.height;
    const size_t count = size_t(width) * size_t(height);
    rgba.resize(count * 4);
    for (size_t i = 0; i < count; ++i) {
        const uint32_t argb = image.pixels[i];
        rgba[i * 4] = uint8_t(argb >> 16);
        rgba[i * 4 + 1] = uint8_t(argb >> 8);
        rgba[i * 4 + 2] = uint8_t(argb);
        rgba[i * 4 + 3] = uint8_t(argb >> 24);
    }
    return true;
}

Picture readPng(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    int w = 0, h = 0;
    std::vector<uint8_t> rgba;
    if (!decodePng(bytes, w, h, rgba))
        throw std::runtime_error("cannot read the picture " + path);
    Picture out(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const uint8_t* p = &rgba[(size_t(y) * size_t(w) + size_t(x)) * 4];
            const float a = p[3] / 255.0f;
            out.ref(x, y) = {p[0] / 255.0f * a, p[1] / 255.0f * a, p[2] / 255.0f * a, a};
        }
    return out;
}

} // namespace contentgen

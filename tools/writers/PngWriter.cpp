#include "PngWriter.h"

#include "window/image/ImageBase.h"

#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <memory>

namespace window {

namespace {

// The content generator keeps a PNG writer of its own (tools/content-gen/Png.cpp): its fixed
// settings keep the package's bytes the same on every build, so a change here never touches them.
void appendToVector(png_structp png, png_bytep data, png_size_t length)
{
    auto* out = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

void noFlush(png_structp) {}

void failOnError(png_structp png, png_const_charp)
{
    png_longjmp(png, 1);
}

// Rows of red, green, blue, alpha bytes.
std::vector<uint8_t> rgbaRows(ImageBase& image)
{
    const int32_t width = image.getWidth();
    const int32_t height = image.getHeight();
    const int32_t stride = image.getRowBytes() / 4;
    std::vector<uint8_t> bytes(static_cast<size_t>(width) * height * 4);
    for (int32_t y = 0; y < height; ++y) {
        const uint32_t* row = image.getPixels() + static_cast<size_t>(y) * stride;
        uint8_t* to = bytes.data() + static_cast<size_t>(y) * width * 4;
        for (int32_t x = 0; x < width; ++x, to += 4) {
            to[0] = static_cast<uint8_t>(row[x] >> 16);
            to[1] = static_cast<uint8_t>(row[x] >> 8);
            to[2] = static_cast<uint8_t>(row[x]);
            to[3] = static_cast<uint8_t>(row[x] >> 24);
        }
    }
    return bytes;
}

bool writeRows(png_structp png, png_infop info, int32_t width, int32_t height, std::vector<uint8_t>& bytes,
    std::vector<png_bytep>& rows)
{
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
        PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    rows.resize(static_cast<size_t>(height));
    for (int32_t y = 0; y < height; ++y)
        rows[static_cast<size_t>(y)] = bytes.data() + static_cast<size_t>(y) * width * 4;
    png_set_rows(png, info, rows.data());
    png_write_png(png, info, PNG_TRANSFORM_IDENTITY, nullptr);
    return true;
}

} // namespace

bool encodePng(ImageBase& image, std::vector<uint8_t>& out)
{
    image.ensurePixels();
    if (image.getPixels() == nullptr || image.getWidth() <= 0 || image.getHeight() <= 0)
        return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, failOnError, nullptr);
    if (png == nullptr)
        return false;
    png_infop info = png_create_info_struct(png);
    if (info == nullptr) {
        png_destroy_write_struct(&png, nullptr);
        return false;
    }
    out.clear();
    png_set_write_fn(png, &out, appendToVector, noFlush);
    std::vector<uint8_t> bytes = rgbaRows(image);
    std::vector<png_bytep> rows;
    const bool ok = writeRows(png, info, image.getWidth(), image.getHeight(), bytes, rows);
    png_destroy_write_struct(&png, &info);
    return ok;
}

bool writePngFile(ImageBase& image, const lang::String& path)
{
    std::vector<uint8_t> encoded;
    if (!encodePng(image, encoded))
        return false;
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "wb"), std::fclose);
    return file && std::fwrite(encoded.data(), 1, encoded.size(), file.get()) == encoded.size();
}

} // namespace window

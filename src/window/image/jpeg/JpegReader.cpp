// JPEG through libjpeg, from memory, one scanline at a time. The standard error manager is
// kept, but its exit becomes a jump back here, so an error is a clean failure. Its warnings
// (stray bytes before a marker, data that ends early and is filled with grey) leave a picture
// that is shown, as picture viewers show it.
#include "window/image/ImageDecoder.h"

#include <cstdio>
#include <jpeglib.h>

#include <csetjmp>
#include <vector>

namespace window {

namespace {

struct ErrorManager {
    jpeg_error_mgr standard;
    std::jmp_buf jumpBack;
};

void jumpBackOnError(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jumpBack, 1);
}

void stayQuiet(j_common_ptr) {}

uint32_t pixelFromSamples(const JSAMPLE* s, int components, J_COLOR_SPACE space)
{
    uint32_t red, green, blue;
    if (components == 1) {
        red = green = blue = s[0];
    } else if (components == 3) {
        red = s[0];
        green = s[1];
        blue = s[2];
    } else if (space == JCS_CMYK) {
        // Adobe writes CMYK inverted: each sample is already 255 minus the ink.
        red = s[0] * s[3] / 255;
        green = s[1] * s[3] / 255;
        blue = s[2] * s[3] / 255;
    } else {
        return 0xFF000000u;
    }
    return 0xFF000000u | red << 16 | green << 8 | blue;
}

// The part that may jump back: everything it allocates lives in the caller's buffers.
bool readJpeg(jpeg_decompress_struct& info, ErrorManager& errors, const uint8_t* bytes, size_t length,
    bool headerOnly, DecodedImage& out, std::vector<JSAMPLE>& line)
{
    if (setjmp(errors.jumpBack))
        return false;
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, bytes, static_cast<unsigned long>(length));
    jpeg_read_header(&info, TRUE);
    if (info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK)
        info.out_color_space = JCS_CMYK;
    else if (info.num_components == 1)
        info.out_color_space = JCS_GRAYSCALE;
    else
        info.out_color_space = JCS_RGB;
    jpeg_calc_output_dimensions(&info);
    if (!isSaneImageSize(info.output_width, info.output_height))
        return false;
    out.width = static_cast<int32_t>(info.output_width);
    out.height = static_cast<int32_t>(info.output_height);
    if (headerOnly)
        return true;

    jpeg_start_decompress(&info);
    const int components = info.output_components;
    if (components != 1 && components != 3 && components != 4)
        return false;
    line.resize(static_cast<size_t>(info.output_width) * components);
    out.pixels.reset(new uint32_t[static_cast<size_t>(out.width) * out.height]);
    while (info.output_scanline < info.output_height) {
        uint32_t* row = out.pixels.get() + static_cast<size_t>(info.output_scanline) * out.width;
        JSAMPROW rowPointer = line.data();
        if (jpeg_read_scanlines(&info, &rowPointer, 1) != 1)
            return false;
        for (int x = 0; x < out.width; ++x)
            row[x] = pixelFromSamples(line.data() + static_cast<size_t>(x) * components, components, info.out_color_space);
    }
    jpeg_finish_decompress(&info);
    out.hasAlpha = false;
    return true;
}

} // namespace

bool decodeJpeg(const uint8_t* bytes, size_t length, bool headerOnly, DecodedImage& out)
{
    jpeg_decompress_struct info{};
    ErrorManager errors{};
    info.err = jpeg_std_error(&errors.standard);
    errors.standard.error_exit = jumpBackOnError;
    errors.standard.output_message = stayQuiet;
    std::vector<JSAMPLE> line;
    const bool ok = readJpeg(info, errors, bytes, length, headerOnly, out, line);
    jpeg_destroy_decompress(&info);
    if (!ok)
        out.pixels.reset();
    return ok;
}

} // namespace window

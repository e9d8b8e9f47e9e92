#include "support/PictureFiles.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>
#include <map>
#include <zlib.h>

namespace testing_pictures {

namespace {

void putBigEndian(Bytes& out, uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<uint8_t>(value >> shift));
}

void putLittleEndian16(Bytes& out, int32_t value)
{
    out.push_back(static_cast<uint8_t>(value));
    out.push_back(static_cast<uint8_t>(value >> 8));
}

int channelsOf(int colourType)
{
    switch (colourType) {
    case 0: return 1; // grey
    case 2: return 3; // RGB
    case 3: return 1; // palette
    case 4: return 2; // grey and alpha
    default: return 4; // RGBA
    }
}

// The scanlines of an image with a filter byte 0 before each; with interlacing, the seven
// Adam7 passes one after another (8-bit samples only).
Bytes filteredScanlines(int32_t width, int32_t height, int bitDepth, int colourType, const Bytes& rawRows, bool interlaced)
{
    const size_t rowBytes = (static_cast<size_t>(width) * channelsOf(colourType) * bitDepth + 7) / 8;
    Bytes out;
    if (!interlaced) {
        for (int32_t y = 0; y < height; ++y) {
            out.push_back(0);
            out.insert(out.end(), rawRows.begin() + static_cast<ptrdiff_t>(y * rowBytes),
                rawRows.begin() + static_cast<ptrdiff_t>((y + 1) * rowBytes));
        }
        return out;
    }
    const size_t pixelBytes = static_cast<size_t>(channelsOf(colourType)) * bitDepth / 8;
    const int passes[7][4] = {{0, 0, 8, 8}, {4, 0, 8, 8}, {0, 4, 4, 8}, {2, 0, 4, 4}, {0, 2, 2, 4}, {1, 0, 2, 2}, {0, 1, 1, 2}};
    for (const auto& pass : passes) {
        for (int32_t y = pass[1]; y < height; y += pass[3]) {
            if (pass[0] >= width)
                break;
            out.push_back(0);
            for (int32_t x = pass[0]; x < width; x += pass[2]) {
                const size_t at = y * rowBytes + x * pixelBytes;
                out.insert(out.end(), rawRows.begin() + static_cast<ptrdiff_t>(at),
                    rawRows.begin() + static_cast<ptrdiff_t>(at + pixelBytes));
            }
        }
    }
    return out;
}

// Writes codes of growing width, least significant bit first.
class BitWriter {
public:
    void put(int code, int size)
    {
        bits |= static_cast<uint32_t>(code) << count;
        count += size;
        while (count >= 8) {
            bytes.push_back(static_cast<uint8_t>(bits));
            bits >>= 8;
            count -= 8;
        }
    }
    Bytes finish()
    {
        if (count > 0)
            bytes.push_back(static_cast<uint8_t>(bits));
        return bytes;
    }

private:
    Bytes bytes;
    uint32_t bits = 0;
    int count = 0;
};

Bytes interlacedOrder(const Bytes& indices, int32_t width, int32_t height)
{
    Bytes out;
    const int starts[4] = {0, 4, 2, 1};
    const int steps[4] = {8, 8, 4, 2};
    for (int pass = 0; pass < 4; ++pass)
        for (int32_t y = starts[pass]; y < height; y += steps[pass])
            out.insert(out.end(), indices.begin() + y * width, indices.begin() + (y + 1) * width);
    return out;
}

void putColourTable(Bytes& out, const std::vector<uint32_t>& table)
{
    for (uint32_t rgb : table) {
        out.push_back(static_cast<uint8_t>(rgb >> 16));
        out.push_back(static_cast<uint8_t>(rgb >> 8));
        out.push_back(static_cast<uint8_t>(rgb));
    }
}

// The size bits of a colour table's flags: the table holds 2 << bits entries.
int tableSizeBits(size_t entries)
{
    int bits = 0;
    while ((size_t{2} << bits) < entries)
        ++bits;
    return bits;
}

} // namespace

Bytes pngChunk(const std::string& type, const Bytes& data)
{
    Bytes out;
    putBigEndian(out, static_cast<uint32_t>(data.size()));
    Bytes typed(type.begin(), type.end());
    typed.insert(typed.end(), data.begin(), data.end());
    out.insert(out.end(), typed.begin(), typed.end());
    putBigEndian(out, static_cast<uint32_t>(crc32(0, typed.data(), static_cast<uInt>(typed.size()))));
    return out;
}

Bytes makePng(int32_t width, int32_t height, int bitDepth, int colourType, const Bytes& rawRows,
    const std::vector<std::pair<std::string, Bytes>>& extraChunks, bool interlaced)
{
    Bytes out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    Bytes header;
    putBigEndian(header, static_cast<uint32_t>(width));
    putBigEndian(header, static_cast<uint32_t>(height));
    header.insert(header.end(), {static_cast<uint8_t>(bitDepth), static_cast<uint8_t>(colourType), 0, 0,
                                    static_cast<uint8_t>(interlaced ? 1 : 0)});
    Bytes chunk = pngChunk("IHDR", header);
    out.insert(out.end(), chunk.begin(), chunk.end());
    for (const auto& [type, data] : extraChunks) {
        chunk = pngChunk(type, data);
        out.insert(out.end(), chunk.begin(), chunk.end());
    }
    const Bytes scanlines = filteredScanlines(width, height, bitDepth, colourType, rawRows, interlaced);
    uLongf packedSize = compressBound(static_cast<uLong>(scanlines.size()));
    Bytes packed(packedSize);
    compress(packed.data(), &packedSize, scanlines.data(), static_cast<uLong>(scanlines.size()));
    packed.resize(packedSize);
    chunk = pngChunk("IDAT", packed);
    out.insert(out.end(), chunk.begin(), chunk.end());
    chunk = pngChunk("IEND", {});
    out.insert(out.end(), chunk.begin(), chunk.end());
    return out;
}

Bytes lzwSubBlocks(const Bytes& indices, int minCodeSize)
{
    const int clearCode = 1 << minCodeSize;
    BitWriter writer;
    std::map<std::pair<int, int>, int> table;
    int size = minCodeSize + 1;
    int next = clearCode + 2;
    writer.put(clearCode, size);
    int prefix = -1;
    for (uint8_t index : indices) {
        if (prefix < 0) {
            prefix = index;
            continue;
        }
        const auto found = table.find({prefix, index});
        if (found != table.end()) {
            prefix = found->second;
            continue;
        }
        writer.put(prefix, size);
        table[{prefix, index}] = next++;
        if (next > (1 << size) && size < 12)
            ++size;
        if (next == 4096) {
            writer.put(clearCode, size);
            table.clear();
            size = minCodeSize + 1;
            next = clearCode + 2;
        }
        prefix = index;
    }
    if (prefix >= 0)
        writer.put(prefix, size);
    writer.put(clearCode + 1, size);
    const Bytes data = writer.finish();
    Bytes out;
    for (size_t at = 0; at < data.size(); at += 255) {
        const size_t piece = std::min<size_t>(255, data.size() - at);
        out.push_back(static_cast<uint8_t>(piece));
        out.insert(out.end(), data.begin() + static_cast<ptrdiff_t>(at), data.begin() + static_cast<ptrdiff_t>(at + piece));
    }
    out.push_back(0);
    return out;
}

Bytes makeGif(const GifImage& image)
{
    Bytes out(image.version, image.version + 6);
    putLittleEndian16(out, image.screenWidth);
    putLittleEndian16(out, image.screenHeight);
    out.push_back(image.globalTable.empty() ? 0 : static_cast<uint8_t>(0x80 | tableSizeBits(image.globalTable.size())));
    out.push_back(0);
    out.push_back(0);
    putColourTable(out, image.globalTable);
    if (image.netscapeLoop) {
        const char* id = "NETSCAPE2.0";
        out.insert(out.end(), {0x21, 0xFF, 11});
        out.insert(out.end(), id, id + 11);
        out.insert(out.end(), {3, 1, 0, 0, 0});
    }
    if (image.transparentIndex >= 0)
        out.insert(out.end(), {0x21, 0xF9, 4, 1, 0, 0, static_cast<uint8_t>(image.transparentIndex), 0});
    out.push_back(0x2C);
    putLittleEndian16(out, image.left);
    putLittleEndian16(out, image.top);
    putLittleEndian16(out, image.width);
    putLittleEndian16(out, image.height);
    uint8_t flags = image.interlaced ? 0x40 : 0;
    if (!image.localTable.empty())
        flags |= static_cast<uint8_t>(0x80 | tableSizeBits(image.localTable.size()));
    out.push_back(flags);
    putColourTable(out, image.localTable);
    out.push_back(static_cast<uint8_t>(image.minCodeSize));
    const Bytes order = image.interlaced ? interlacedOrder(image.indices, image.width, image.height) : image.indices;
    const Bytes data = lzwSubBlocks(order, image.minCodeSize);
    out.insert(out.end(), data.begin(), data.end());
    out.push_back(0x3B);
    return out;
}

Bytes makeJpeg(int32_t width, int32_t height, int components, const Bytes& samples, int quality)
{
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = components;
    info.in_color_space = components == 1 ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPLE*>(samples.data()) + static_cast<size_t>(info.next_scanline) * width * components;
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    Bytes out(buffer, buffer + size);
    jpeg_destroy_compress(&info);
    std::free(buffer);
    return out;
}

} // namespace testing_pictures

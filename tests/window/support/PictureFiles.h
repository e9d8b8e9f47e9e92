// Picture files made in memory for the decoder tests: PNG chunks written by hand over zlib,
// GIF with a real LZW encoder, JPEG through libjpeg.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace testing_pictures {

using Bytes = std::vector<uint8_t>;

// A PNG of raw rows (without filter bytes; each row is given filter type 0). `extraChunks` are
// inserted before IDAT as (type, data) pairs, e.g. "PLTE" and "tRNS".
Bytes makePng(int32_t width, int32_t height, int bitDepth, int colourType, const Bytes& rawRows,
    const std::vector<std::pair<std::string, Bytes>>& extraChunks = {}, bool interlaced = false);
// One PNG chunk: length, type, data and CRC.
Bytes pngChunk(const std::string& type, const Bytes& data);

struct GifImage {
    int32_t screenWidth = 0;
    int32_t screenHeight = 0;
    std::vector<uint32_t> globalTable; // RGB values; empty for none
    int32_t left = 0;
    int32_t top = 0;
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint32_t> localTable;
    bool interlaced = false;
    int transparentIndex = -1;
    bool netscapeLoop = false;
    int minCodeSize = 8;
    // Colour indices, row by row in image order (the encoder interlaces them itself).
    Bytes indices;
    const char* version = "GIF89a";
};

Bytes makeGif(const GifImage& image);
// The LZW data of the indices in sub-blocks, ended by an empty sub-block.
Bytes lzwSubBlocks(const Bytes& indices, int minCodeSize);

// A baseline JPEG of 1 (grey) or 3 (RGB) components; samples row by row.
Bytes makeJpeg(int32_t width, int32_t height, int components, const Bytes& samples, int quality);

} // namespace testing_pictures

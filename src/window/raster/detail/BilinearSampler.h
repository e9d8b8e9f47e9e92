// Bilinear samples of a picture along a row of target pixels, in 16.16 fixed point with 6-bit
// weights: a sample at (u, v) mixes the texels at (u >> 16, v >> 16) and their right and lower
// neighbours, clamped to the valid part of the picture. Every path gives the same bits as
// sampleBilinear, the per-pixel reference.
#pragma once

#include "window/raster/PixelRect.h"

#include <cstdint>
#include <vector>

namespace window {

// Rows of `stride` pixels; `valid` is the part that samples may read.
struct SampleSource {
    const uint32_t* pixels = nullptr;
    int32_t stride = 0;
    PixelRect valid;
};

uint32_t sampleBilinear(const SampleSource& source, int32_t u, int32_t v);

// Samples stepping (du, dv) per pixel from (u, v): any direction, as rotated draws need.
void sampleLine(const SampleSource& source, int32_t u, int32_t v, int32_t du, int32_t dv, int32_t count, uint32_t* out);

// Samples rows of an axis-aligned (scaled, maybe mirrored) draw. Every row steps along the same
// columns, so their positions and weights are worked out once, and each row first mixes its two
// picture rows over the columns it needs, then mixes neighbouring columns.
class AxisSampler {
public:
    AxisSampler(const SampleSource& source, int32_t u, int32_t du, int32_t count);

    void sampleRow(int32_t v, uint32_t* out);

private:
    void mixRows(int32_t rowA, int32_t rowB, uint32_t weightB);

    SampleSource source;
    int32_t count;
    // Per target pixel: the left column of its texel pair, as an index into `mixed`, and the
    // weights (64 - wx, wx) packed into one word.
    std::vector<int32_t> pairIndex;
    std::vector<uint32_t> pairWeights;
    // The columns the row needs, from firstColumn on; those outside the valid part repeat its
    // edge. Four 16-bit channels each.
    int32_t firstColumn = 0;
    int32_t columnCount = 0;
    std::vector<uint16_t> mixed;
};

} // namespace window

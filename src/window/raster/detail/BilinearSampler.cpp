#include "window/raster/detail/BilinearSampler.h"

#include <algorithm>

#if defined(__SSE4_1__)
#include <smmintrin.h>
#endif

namespace window {

namespace {

constexpr uint32_t kWeightOne = 64;

// The 6-bit weight of the lower or right texel of a pair.
uint32_t weightOf(int32_t fixed)
{
    return static_cast<uint32_t>(fixed >> 10) & 0x3F;
}

// (64 - w) in the low half, w in the high half: the weights of a texel pair.
uint32_t pairWeightsOf(uint32_t w)
{
    return w << 16 | (kWeightOne - w);
}

// Channels mixed vertically (0..16320 each) and then across a pair, back to a pixel.
uint32_t mixPair(const uint16_t* left, const uint16_t* right, uint32_t weights)
{
    const uint32_t wLeft = weights & 0xFFFF;
    const uint32_t wRight = weights >> 16;
    uint32_t pixel = 0;
    for (int c = 0; c < 4; ++c)
        pixel |= ((left[c] * wLeft + right[c] * wRight) >> 12) << (8 * c);
    return pixel;
}

// One channel of a texel of the upper and of the lower row, mixed.
uint16_t mixRowsOf(uint32_t top, uint32_t bottom, int shift, uint32_t weightBottom)
{
    return static_cast<uint16_t>((top >> shift & 0xFF) * (kWeightOne - weightBottom) + (bottom >> shift & 0xFF) * weightBottom);
}

#if defined(__SSE4_1__)

// Bytes that put the channels of two texels side by side: (t0 c0, t1 c0, t0 c1, t1 c1, ...).
inline __m128i interleavePairs()
{
    return _mm_setr_epi8(0, 1, 8, 9, 2, 3, 10, 11, 4, 5, 12, 13, 6, 7, 14, 15);
}

// The four channels of the pixel a pair of vertically mixed texels (eight 16-bit lanes) gives.
inline __m128i finishPair(__m128i pair, uint32_t weights)
{
    const __m128i sum = _mm_madd_epi16(_mm_shuffle_epi8(pair, interleavePairs()), _mm_set1_epi32(static_cast<int32_t>(weights)));
    return _mm_srli_epi32(sum, 12);
}

inline uint32_t toPixel(__m128i channels)
{
    return static_cast<uint32_t>(_mm_cvtsi128_si32(_mm_packus_epi16(_mm_packs_epi32(channels, channels), channels)));
}

// (64 - w, w) in every pair of bytes: the row weights for _mm_maddubs_epi16.
inline __m128i rowWeights(uint32_t weightBottom)
{
    return _mm_set1_epi16(static_cast<int16_t>(weightBottom << 8 | (kWeightOne - weightBottom)));
}

// Texels of two rows mixed channel by channel: the bytes of the upper and lower texels are
// interleaved and weighed in one multiply-add. Two texels give eight 16-bit lanes.
inline __m128i mixInterleaved(__m128i top, __m128i bottom, __m128i weights, bool high)
{
    return _mm_maddubs_epi16(high ? _mm_unpackhi_epi8(top, bottom) : _mm_unpacklo_epi8(top, bottom), weights);
}

#endif

} // namespace

uint32_t sampleBilinear(const SampleSource& source, int32_t u, int32_t v)
{
    const PixelRect& valid = source.valid;
    const int32_t x0 = u >> 16;
    const int32_t y0 = v >> 16;
    const uint32_t wx = weightOf(u);
    const uint32_t wy = weightOf(v);
    const int32_t xa = std::clamp(x0, valid.x, valid.right() - 1);
    const int32_t xb = std::clamp(x0 + 1, valid.x, valid.right() - 1);
    const uint32_t* rowA = source.pixels + static_cast<size_t>(std::clamp(y0, valid.y, valid.bottom() - 1)) * source.stride;
    const uint32_t* rowB = source.pixels + static_cast<size_t>(std::clamp(y0 + 1, valid.y, valid.bottom() - 1)) * source.stride;
    uint16_t left[4], right[4];
    for (int c = 0; c < 4; ++c) {
        left[c] = mixRowsOf(rowA[xa], rowB[xa], 8 * c, wy);
        right[c] = mixRowsOf(rowA[xb], rowB[xb], 8 * c, wy);
    }
    return mixPair(left, right, pairWeightsOf(wx));
}

void sampleLine(const SampleSource& source, int32_t u, int32_t v, int32_t du, int32_t dv, int32_t count, uint32_t* out)
{
#if defined(__SSE4_1__)
    // Locals, not the structure's fields: stores to `out` could alias them and force reloads.
    const uint32_t* pixels = source.pixels;
    const size_t stride = static_cast<size_t>(source.stride);
    const int32_t left = source.valid.x;
    const int32_t lastLeft = source.valid.right() - 1;
    const int32_t top = source.valid.y;
    const int32_t lastTop = source.valid.bottom() - 1;
    for (int32_t i = 0; i < count; ++i, u += du, v += dv) {
        const int32_t x0 = u >> 16;
        const int32_t y0 = v >> 16;
        if (x0 < left || x0 >= lastLeft || y0 < top || y0 >= lastTop) {
            out[i] = sampleBilinear(source, u, v);
            continue;
        }
        const uint32_t* upper = pixels + static_cast<size_t>(y0) * stride + x0;
        const __m128i pair = mixInterleaved(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(upper)),
            _mm_loadl_epi64(reinterpret_cast<const __m128i*>(upper + stride)), rowWeights(weightOf(v)), false);
        out[i] = toPixel(finishPair(pair, pairWeightsOf(weightOf(u))));
    }
#else
    for (int32_t i = 0; i < count; ++i, u += du, v += dv)
        out[i] = sampleBilinear(source, u, v);
#endif
}

AxisSampler::AxisSampler(const SampleSource& source, int32_t u, int32_t du, int32_t count)
    : source(source), count(count), pairIndex(static_cast<size_t>(count)), pairWeights(static_cast<size_t>(count))
{
    // Columns below valid.x - 1 or from valid.right() on repeat the edge, as clamping does.
    int32_t lowest = source.valid.right();
    int32_t highest = source.valid.x - 1;
    for (int32_t i = 0; i < count; ++i, u += du) {
        const int32_t column = std::clamp(u >> 16, source.valid.x - 1, source.valid.right() - 1);
        pairIndex[i] = column;
        pairWeights[i] = pairWeightsOf(weightOf(u));
        lowest = std::min(lowest, column);
        highest = std::max(highest, column);
    }
    firstColumn = lowest;
    columnCount = std::max(0, highest + 2 - lowest);
    for (int32_t& index : pairIndex)
        index = (index - firstColumn) * 4;
    mixed.assign(static_cast<size_t>(columnCount) * 4, 0);
}

void AxisSampler::mixRows(int32_t rowA, int32_t rowB, uint32_t weightB)
{
    const PixelRect& valid = source.valid;
    const uint32_t* top = source.pixels + static_cast<size_t>(rowA) * source.stride;
    const uint32_t* bottom = source.pixels + static_cast<size_t>(rowB) * source.stride;
    auto mixColumn = [&](int32_t k) {
        const int32_t column = std::clamp(firstColumn + k, valid.x, valid.right() - 1);
        for (int c = 0; c < 4; ++c)
            mixed[static_cast<size_t>(k) * 4 + c] = mixRowsOf(top[column], bottom[column], 8 * c, weightB);
    };
    int32_t k = 0;
#if defined(__SSE4_1__)
    // The edge column left of the part, then four columns at a time that all lie inside it.
    for (; k < columnCount && firstColumn + k < valid.x; ++k)
        mixColumn(k);
    const __m128i weights = rowWeights(weightB);
    for (; k + 4 <= columnCount && firstColumn + k + 3 < valid.right(); k += 4) {
        const int32_t column = firstColumn + k;
        const __m128i upper = _mm_loadu_si128(reinterpret_cast<const __m128i*>(top + column));
        const __m128i lower = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bottom + column));
        uint16_t* to = &mixed[static_cast<size_t>(k) * 4];
        _mm_storeu_si128(reinterpret_cast<__m128i*>(to), mixInterleaved(upper, lower, weights, false));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(to + 8), mixInterleaved(upper, lower, weights, true));
    }
#endif
    for (; k < columnCount; ++k)
        mixColumn(k);
}

void AxisSampler::sampleRow(int32_t v, uint32_t* out)
{
    const PixelRect& valid = source.valid;
    const int32_t y0 = v >> 16;
    mixRows(std::clamp(y0, valid.y, valid.bottom() - 1), std::clamp(y0 + 1, valid.y, valid.bottom() - 1), weightOf(v));
    const uint16_t* columns = mixed.data();
    int32_t i = 0;
#if defined(__SSE4_1__)
    auto channelsOf = [&](int32_t k) {
        return finishPair(_mm_loadu_si128(reinterpret_cast<const __m128i*>(columns + pairIndex[k])), pairWeights[k]);
    };
    for (; i + 4 <= count; i += 4) {
        const __m128i low = _mm_packs_epi32(channelsOf(i), channelsOf(i + 1));
        const __m128i high = _mm_packs_epi32(channelsOf(i + 2), channelsOf(i + 3));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), _mm_packus_epi16(low, high));
    }
#endif
    for (; i < count; ++i)
        out[i] = mixPair(columns + pairIndex[i], columns + pairIndex[i] + 4, pairWeights[i]);
}

} // namespace window

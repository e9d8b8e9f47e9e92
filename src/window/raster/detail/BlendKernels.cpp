#include "window/raster/detail/BlendKernels.h"

#if defined(__SSE4_1__)
#include <smmintrin.h>
#endif

namespace window::blend {

namespace {

#if defined(__SSE4_1__)

// Four pixels at a time over an opaque target, on 16-bit channels. The rule
// c_d + ((c_s - c_d) * a >> 8) is taken as c_d + mulhi((c_s - c_d) << 7, a << 1): the product
// is (c_s - c_d) * a * 256 and its high half rounds down exactly as the shift does.
template <bool kPlain, bool kColoursUnchanged>
class AlphaRowSse {
public:
    explicit AlphaRowSse(const Multipliers& m)
        : alphaMultiplier(_mm_set1_epi32(m.alpha)),
          colourMultipliers(_mm_setr_epi16(static_cast<int16_t>(m.blue), static_cast<int16_t>(m.green),
              static_cast<int16_t>(m.red), 0, static_cast<int16_t>(m.blue), static_cast<int16_t>(m.green),
              static_cast<int16_t>(m.red), 0))
    {
    }

    // Returns how many pixels it did; the rest (fewer than four) are left to the caller.
    int32_t run(uint32_t* target, const uint32_t* source, int32_t count) const
    {
        int32_t i = 0;
        for (; i + 4 <= count; i += 4)
            four(target + i, source + i);
        return i;
    }

private:
    void four(uint32_t* target, const uint32_t* source) const
    {
        const __m128i zero = _mm_setzero_si128();
        const __m128i s = _mm_loadu_si128(reinterpret_cast<const __m128i*>(source));
        __m128i a = _mm_srli_epi32(s, 24);
        if (!kPlain)
            a = _mm_min_epi32(_mm_srli_epi32(_mm_mullo_epi32(a, alphaMultiplier), 7), _mm_set1_epi32(255));
        const __m128i opaque = _mm_cmpeq_epi32(a, _mm_set1_epi32(255));
        const int opaqueBits = _mm_movemask_ps(_mm_castsi128_ps(opaque));
        if (kColoursUnchanged && opaqueBits == 0xF) {
            _mm_storeu_si128(reinterpret_cast<__m128i*>(target), s);
            return;
        }
        const __m128i clear = _mm_cmpeq_epi32(a, zero);
        const int clearBits = _mm_movemask_ps(_mm_castsi128_ps(clear));
        if (clearBits == 0xF)
            return;
        __m128i sLow = _mm_unpacklo_epi8(s, zero);
        __m128i sHigh = _mm_unpackhi_epi8(s, zero);
        __m128i opaqueResult = s;
        if (!kColoursUnchanged) {
            const __m128i c255 = _mm_set1_epi16(255);
            sLow = _mm_min_epu16(_mm_srli_epi16(_mm_mullo_epi16(sLow, colourMultipliers), 7), c255);
            sHigh = _mm_min_epu16(_mm_srli_epi16(_mm_mullo_epi16(sHigh, colourMultipliers), 7), c255);
            opaqueResult = _mm_or_si128(_mm_packus_epi16(sLow, sHigh), opaqueAlpha());
            if (opaqueBits == 0xF) {
                _mm_storeu_si128(reinterpret_cast<__m128i*>(target), opaqueResult);
                return;
            }
        }
        const __m128i d = _mm_loadu_si128(reinterpret_cast<const __m128i*>(target));
        // Each pixel's 2a, spread over its four 16-bit channels.
        const __m128i doubled = _mm_slli_epi32(a, 1);
        const __m128i weightLow = _mm_shuffle_epi8(doubled, _mm_setr_epi8(0, 1, 0, 1, 0, 1, 0, 1, 4, 5, 4, 5, 4, 5, 4, 5));
        const __m128i weightHigh = _mm_shuffle_epi8(doubled, _mm_setr_epi8(8, 9, 8, 9, 8, 9, 8, 9, 12, 13, 12, 13, 12, 13, 12, 13));
        const __m128i dLow = _mm_unpacklo_epi8(d, zero);
        const __m128i dHigh = _mm_unpackhi_epi8(d, zero);
        const __m128i mixedLow = _mm_add_epi16(dLow, _mm_mulhi_epi16(_mm_slli_epi16(_mm_sub_epi16(sLow, dLow), 7), weightLow));
        const __m128i mixedHigh = _mm_add_epi16(dHigh, _mm_mulhi_epi16(_mm_slli_epi16(_mm_sub_epi16(sHigh, dHigh), 7), weightHigh));
        __m128i result = _mm_or_si128(_mm_packus_epi16(mixedLow, mixedHigh), opaqueAlpha());
        if (opaqueBits != 0)
            result = _mm_blendv_epi8(result, opaqueResult, opaque);
        if (clearBits != 0)
            result = _mm_blendv_epi8(result, d, clear);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(target), result);
    }

    static __m128i opaqueAlpha() { return _mm_set1_epi32(static_cast<int32_t>(0xFF000000u)); }

    __m128i alphaMultiplier;
    __m128i colourMultipliers;
};

template <bool kPlain, bool kColoursUnchanged>
void alphaBlockSse(const Block& block, const Multipliers& m)
{
    const AlphaRowSse<kPlain, kColoursUnchanged> rows(m);
    for (int32_t y = 0; y < block.height; ++y) {
        uint32_t* target = block.target + static_cast<size_t>(y) * block.targetStride;
        const uint32_t* source = block.source + static_cast<size_t>(y) * block.sourceStride;
        for (int32_t i = rows.run(target, source, block.width); i < block.width; ++i)
            target[i] = alphaPixel(target[i], source[i], m, false);
    }
}

#endif

// Runs the per-pixel rule over every row of the block.
template <class Rule>
void eachPixel(const Block& block, Rule rule)
{
    for (int32_t y = 0; y < block.height; ++y) {
        uint32_t* target = block.target + static_cast<size_t>(y) * block.targetStride;
        const uint32_t* source = block.source + static_cast<size_t>(y) * block.sourceStride;
        for (int32_t i = 0; i < block.width; ++i)
            target[i] = rule(target[i], source[i]);
    }
}

} // namespace

void alphaBlock(const Block& block, const Multipliers& m, bool targetHasAlpha)
{
#if defined(__SSE4_1__)
    if (!targetHasAlpha) {
        if (!m.coloursUnchanged())
            alphaBlockSse<false, false>(block, m);
        else if (m.alpha == 128)
            alphaBlockSse<true, true>(block, m);
        else
            alphaBlockSse<false, true>(block, m);
        return;
    }
#endif
    eachPixel(block, [&](uint32_t d, uint32_t s) { return alphaPixel(d, s, m, targetHasAlpha); });
}

void additiveBlock(const Block& block, const Multipliers& m, bool targetHasAlpha)
{
    eachPixel(block, [&](uint32_t d, uint32_t s) { return additivePixel(d, s, m, targetHasAlpha); });
}

void shadowBlock(const Block& block, int32_t alphaMultiplier)
{
    eachPixel(block, [&](uint32_t d, uint32_t s) { return shadowPixel(d, s, alphaMultiplier); });
}

void alphaRow(uint32_t* target, const uint32_t* source, int32_t count, const Multipliers& m, bool targetHasAlpha)
{
    alphaBlock({target, count, source, count, count, 1}, m, targetHasAlpha);
}

void additiveRow(uint32_t* target, const uint32_t* source, int32_t count, const Multipliers& m, bool targetHasAlpha)
{
    additiveBlock({target, count, source, count, count, 1}, m, targetHasAlpha);
}

void blendedFillRow(uint32_t* target, int32_t count, uint32_t argb)
{
    const uint32_t a = argb >> 24;
    const uint32_t red = channel(argb, 16) * a;
    const uint32_t green = channel(argb, 8) * a;
    const uint32_t blue = channel(argb, 0) * a;
    const uint32_t keep = 256 - a;
    for (int32_t i = 0; i < count; ++i) {
        const uint32_t d = target[i];
        target[i] = 0xFF000000u
            | rgb((channel(d, 16) * keep + red) >> 8, (channel(d, 8) * keep + green) >> 8, (channel(d, 0) * keep + blue) >> 8);
    }
}

} // namespace window::blend

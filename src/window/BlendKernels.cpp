#include "window/BlendKernels.h"

#if defined(__SSE4_1__)
#include <smmintrin.h>
#endif

namespace window::blend {

namespace {

#if defined(__SSE4_1__)

// Four pixels at a time over an opaque target. The channels are widened to 16 bits, where
// c_d * (256 - a) + c_s * a stays below 65536, so the rule is computed exactly.
template <bool kPlain, bool kColoursUnchanged>
int32_t alphaRowSse(uint32_t* target, const uint32_t* source, int32_t count, const Multipliers& m)
{
    const __m128i zero = _mm_setzero_si128();
    const __m128i opaqueAlpha = _mm_set1_epi32(static_cast<int32_t>(0xFF000000u));
    const __m128i limit = _mm_set1_epi32(255);
    const __m128i c256 = _mm_set1_epi16(256);
    const __m128i c255 = _mm_set1_epi16(255);
    const __m128i alphaMultiplier = _mm_set1_epi32(m.alpha);
    // Byte 0 of each pixel's weight, spread over the four 16-bit channels of that pixel.
    const __m128i spreadLow = _mm_setr_epi8(0, -1, 0, -1, 0, -1, 0, -1, 4, -1, 4, -1, 4, -1, 4, -1);
    const __m128i spreadHigh = _mm_setr_epi8(8, -1, 8, -1, 8, -1, 8, -1, 12, -1, 12, -1, 12, -1, 12, -1);
    const __m128i colourMultipliers = _mm_setr_epi16(static_cast<int16_t>(m.blue), static_cast<int16_t>(m.green),
        static_cast<int16_t>(m.red), 0, static_cast<int16_t>(m.blue), static_cast<int16_t>(m.green),
        static_cast<int16_t>(m.red), 0);

    int32_t i = 0;
    for (; i + 4 <= count; i += 4) {
        const __m128i s = _mm_loadu_si128(reinterpret_cast<const __m128i*>(source + i));
        __m128i a = _mm_srli_epi32(s, 24);
        if (!kPlain)
            a = _mm_srli_epi32(_mm_mullo_epi32(a, alphaMultiplier), 7);
        const __m128i clear = _mm_cmpeq_epi32(a, zero);
        const __m128i opaque = _mm_cmpgt_epi32(a, _mm_set1_epi32(254));
        const int clearBits = _mm_movemask_ps(_mm_castsi128_ps(clear));
        if (clearBits == 0xF)
            continue;
        __m128i sLow = _mm_unpacklo_epi8(s, zero);
        __m128i sHigh = _mm_unpackhi_epi8(s, zero);
        __m128i opaqueResult = s;
        if (!kColoursUnchanged) {
            sLow = _mm_min_epu16(_mm_srli_epi16(_mm_mullo_epi16(sLow, colourMultipliers), 7), c255);
            sHigh = _mm_min_epu16(_mm_srli_epi16(_mm_mullo_epi16(sHigh, colourMultipliers), 7), c255);
            opaqueResult = _mm_or_si128(_mm_packus_epi16(sLow, sHigh), opaqueAlpha);
        }
        const int opaqueBits = _mm_movemask_ps(_mm_castsi128_ps(opaque));
        if (opaqueBits == 0xF) {
            _mm_storeu_si128(reinterpret_cast<__m128i*>(target + i), opaqueResult);
            continue;
        }
        const __m128i d = _mm_loadu_si128(reinterpret_cast<const __m128i*>(target + i));
        const __m128i weight = _mm_min_epi32(a, limit);
        const __m128i aLow = _mm_shuffle_epi8(weight, spreadLow);
        const __m128i aHigh = _mm_shuffle_epi8(weight, spreadHigh);
        const __m128i dLow = _mm_unpacklo_epi8(d, zero);
        const __m128i dHigh = _mm_unpackhi_epi8(d, zero);
        const __m128i mixedLow = _mm_srli_epi16(
            _mm_add_epi16(_mm_mullo_epi16(dLow, _mm_sub_epi16(c256, aLow)), _mm_mullo_epi16(sLow, aLow)), 8);
        const __m128i mixedHigh = _mm_srli_epi16(
            _mm_add_epi16(_mm_mullo_epi16(dHigh, _mm_sub_epi16(c256, aHigh)), _mm_mullo_epi16(sHigh, aHigh)), 8);
        __m128i result = _mm_or_si128(_mm_packus_epi16(mixedLow, mixedHigh), opaqueAlpha);
        result = _mm_blendv_epi8(result, opaqueResult, opaque);
        result = _mm_blendv_epi8(result, d, clear);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(target + i), result);
    }
    return i;
}

// The pixels the vector loop has done; the rest are left to the per-pixel rule.
int32_t alphaRowVector(uint32_t* target, const uint32_t* source, int32_t count, const Multipliers& m)
{
    if (m.coloursUnchanged())
        return m.alpha == 128 ? alphaRowSse<true, true>(target, source, count, m)
                              : alphaRowSse<false, true>(target, source, count, m);
    return alphaRowSse<false, false>(target, source, count, m);
}

#else

int32_t alphaRowVector(uint32_t*, const uint32_t*, int32_t, const Multipliers&)
{
    return 0;
}

#endif

} // namespace

void alphaRow(uint32_t* target, const uint32_t* source, int32_t count, const Multipliers& m, bool targetHasAlpha)
{
    int32_t i = targetHasAlpha ? 0 : alphaRowVector(target, source, count, m);
    for (; i < count; ++i)
        target[i] = alphaPixel(target[i], source[i], m, targetHasAlpha);
}

void additiveRow(uint32_t* target, const uint32_t* source, int32_t count, const Multipliers& m, bool targetHasAlpha)
{
    for (int32_t i = 0; i < count; ++i)
        target[i] = additivePixel(target[i], source[i], m, targetHasAlpha);
}

void shadowRow(uint32_t* target, const uint32_t* source, int32_t count, int32_t alphaMultiplier)
{
    for (int32_t i = 0; i < count; ++i)
        target[i] = shadowPixel(target[i], source[i], alphaMultiplier);
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

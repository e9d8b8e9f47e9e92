// The software blend rules of the image targets, one row at a time, in exact integer
// arithmetic: channel multipliers in 1/128 units (>> 7), alpha weights in 1/256 (>> 8).
// The row functions take the SSE4.1 path when the compiler targets it and give the same
// results as the per-pixel rules below, which are the reference.
#pragma once

#include <algorithm>
#include <cstdint>

namespace window::blend {

// Multipliers of the red, green, blue and alpha channels (128 leaves a channel unchanged).
struct Multipliers {
    int32_t red = 128;
    int32_t green = 128;
    int32_t blue = 128;
    int32_t alpha = 128;

    static Multipliers fromArgb(uint32_t argb)
    {
        return {static_cast<int32_t>(argb >> 16 & 0xFF), static_cast<int32_t>(argb >> 8 & 0xFF),
            static_cast<int32_t>(argb & 0xFF), static_cast<int32_t>(argb >> 24)};
    }
    bool coloursUnchanged() const { return red == 128 && green == 128 && blue == 128; }
};

inline uint32_t channel(uint32_t argb, int shift)
{
    return argb >> shift & 0xFF;
}

// min(255, c * m >> 7)
inline uint32_t scaled(uint32_t c, int32_t multiplier)
{
    return std::min<uint32_t>(255, c * static_cast<uint32_t>(multiplier) >> 7);
}

inline uint32_t rgb(uint32_t red, uint32_t green, uint32_t blue)
{
    return red << 16 | green << 8 | blue;
}

// The source with each colour channel scaled by its multiplier, made opaque.
inline uint32_t scaledOpaque(uint32_t s, const Multipliers& m)
{
    return 0xFF000000u | rgb(scaled(channel(s, 16), m.red), scaled(channel(s, 8), m.green), scaled(channel(s, 0), m.blue));
}

// (c_d * (256 - a) + c_s * a) >> 8, which equals c_d + ((c_s - c_d) * a >> 8) rounded down.
inline uint32_t mix(uint32_t target, uint32_t source, uint32_t a)
{
    return (target * (256 - a) + source * a) >> 8;
}

// The source weighed over an opaque target; a is the source's alpha times the alpha
// multiplier >> 7 and lies in 1..254.
inline uint32_t mixedOpaque(uint32_t d, uint32_t sScaled, uint32_t a)
{
    return 0xFF000000u | rgb(mix(channel(d, 16), channel(sScaled, 16), a), mix(channel(d, 8), channel(sScaled, 8), a),
        mix(channel(d, 0), channel(sScaled, 0), a));
}

// A translucent source over a translucent target: the "over" rule for both alphas.
inline uint32_t composite(uint32_t d, uint32_t sScaled, uint32_t a)
{
    const uint32_t targetAlpha = d >> 24;
    const uint32_t sourceWeight = a * 255;
    const uint32_t targetWeight = targetAlpha * (255 - a);
    const uint32_t total = sourceWeight + targetWeight;
    auto over = [&](int shift) {
        return (channel(sScaled, shift) * sourceWeight + channel(d, shift) * targetWeight + total / 2) / total;
    };
    const uint32_t alpha = (total + 127) / 255;
    return alpha << 24 | rgb(over(16), over(8), over(0));
}

// The alpha blend of one pixel. A clear pixel of a target with alpha takes the source with
// the tint applied and the weight as its alpha, so with the plain tint it takes the source as
// it is.
inline uint32_t alphaPixel(uint32_t d, uint32_t s, const Multipliers& m, bool targetHasAlpha)
{
    const uint32_t a = (s >> 24) * static_cast<uint32_t>(m.alpha) >> 7;
    if (a == 0)
        return d;
    if (targetHasAlpha && (d >> 24) == 0)
        return std::min<uint32_t>(a, 255) << 24 | ((m.coloursUnchanged() ? s : scaledOpaque(s, m)) & 0x00FFFFFFu);
    if (a >= 255)
        return m.coloursUnchanged() ? s : scaledOpaque(s, m);
    const uint32_t sScaled = m.coloursUnchanged() ? s : scaledOpaque(s, m);
    if (targetHasAlpha && (d >> 24) != 255)
        return composite(d, sScaled, a);
    return mixedOpaque(d, sScaled, a);
}

// The additive blend of one pixel.
inline uint32_t additivePixel(uint32_t d, uint32_t s, const Multipliers& m, bool targetHasAlpha)
{
    const uint32_t a = (s >> 24) * static_cast<uint32_t>(m.alpha) >> 7;
    if (a == 0)
        return d;
    if (targetHasAlpha && (d >> 24) == 0)
        return s;
    auto add = [&](int shift, int32_t multiplier) {
        const uint32_t c = channel(s, shift);
        const uint32_t weighted = a >= 255 ? c : c * a >> 8;
        return std::min<uint32_t>(255, channel(d, shift) + (weighted * static_cast<uint32_t>(multiplier) >> 7));
    };
    return 0xFF000000u | rgb(add(16, m.red), add(8, m.green), add(0, m.blue));
}

// The shadow of one pixel: the target darkened by the source's alpha, its alpha kept.
inline uint32_t shadowPixel(uint32_t d, uint32_t s, int32_t alphaMultiplier)
{
    const uint32_t k = (s >> 24) * static_cast<uint32_t>(alphaMultiplier) >> 8;
    if (k == 0)
        return d;
    auto darken = [&](int shift) {
        const uint32_t c = channel(d, shift);
        return c - (c * k >> 8);
    };
    return (d & 0xFF000000u) | rgb(darken(16), darken(8), darken(0));
}

// One colour weighed over the target by its own alpha (1..255); the result is opaque.
inline uint32_t blendedFillPixel(uint32_t d, uint32_t argb)
{
    return mixedOpaque(d, argb, argb >> 24);
}

// A rectangle of target pixels and the source pixels blended into it, rows apart by strides.
struct Block {
    uint32_t* target;
    int32_t targetStride;
    const uint32_t* source;
    int32_t sourceStride;
    int32_t width;
    int32_t height;
};

void alphaBlock(const Block& block, const Multipliers& m, bool targetHasAlpha);
void additiveBlock(const Block& block, const Multipliers& m, bool targetHasAlpha);
void shadowBlock(const Block& block, int32_t alphaMultiplier);

// One row: `count` pixels of the source blended into the target.
void alphaRow(uint32_t* target, const uint32_t* source, int32_t count, const Multipliers& m, bool targetHasAlpha);
void additiveRow(uint32_t* target, const uint32_t* source, int32_t count, const Multipliers& m, bool targetHasAlpha);
void blendedFillRow(uint32_t* target, int32_t count, uint32_t argb);

} // namespace window::blend

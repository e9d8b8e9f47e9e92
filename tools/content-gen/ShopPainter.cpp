#include "ShopPainter.h"

#include <algorithm>
#include <cmath>

namespace contentgen {

Mask Painter::maskIn(const Shape& shape, int x0, int y0, int w, int h) const
{
    Mask mask(std::max(0, w), std::max(0, h));
    for (int y = 0; y < mask.height(); ++y)
        for (int x = 0; x < mask.width(); ++x)
            mask.ref(x, y) = std::clamp(0.5f - shape(float(x0 + x) + 0.5f, float(y0 + y) + 0.5f), 0.0f, 1.0f);
    return mask;
}

namespace {

struct PixelBox {
    int x0, y0, w, h;
};

PixelBox clipped(const Box& box, int width, int height)
{
    const int x0 = std::max(0, int(std::floor(box.x)) - 1), y0 = std::max(0, int(std::floor(box.y)) - 1);
    const int x1 = std::min(width, int(std::ceil(box.right())) + 1),
              y1 = std::min(height, int(std::ceil(box.bottom())) + 1);
    return {x0, y0, x1 - x0, y1 - y0};
}

} // namespace

void Painter::fill(const Shape& shape, const Box& box, const Paint& paint)
{
    const PixelBox b = clipped(box, target_.width(), target_.height());
    if (b.w > 0 && b.h > 0)
        target_.fill(maskIn(shape, b.x0, b.y0, b.w, b.h), paint, b.x0, b.y0);
}

void Painter::shadow(const Shape& shape, const Box& box, float blur, float dy, Color color)
{
    const PixelBox b = clipped(box.grown(blur * 2 + std::fabs(dy)), target_.width(), target_.height());
    if (b.w <= 0 || b.h <= 0)
        return;
    const int drop = int(std::lround(dy));
    const Mask mask
        = maskIn([&](float x, float y) { return shape(x, y - float(drop)); }, b.x0, b.y0, b.w, b.h);
    target_.fill(blur > 0 ? blurred(mask, blur) : mask, solid(color), b.x0, b.y0);
}

void Painter::stroke(const Shape& shape, const Box& box, float width, const Paint& paint)
{
    fill([&](float x, float y) { return std::fabs(shape(x, y)) - width / 2; }, box.grown(width), paint);
}

void Painter::panel(const Box& box, float radius, const Paint& face, Color rim, float rimWidth)
{
    const Shape outer = roundedRect(box.x, box.y, box.w, box.h, radius);
    fill(outer, box, solid(rim));
    fill(grow(outer, -rimWidth), box, face);
}

void Painter::picture(const Picture& picture, float x, float y, float opacity)
{
    target_.draw(picture, int(std::lround(x)), int(std::lround(y)), opacity);
}

void Painter::text(
    const Font& font, const std::string& utf8, float x, float baseline, int alignment, const TextLook& look)
{
    const int width = font.textWidth(utf8);
    const int pad = int(std::ceil(look.outline + look.shadow)) + 3;
    const int left = int(std::lround(alignment == 1 ? x - width / 2.0f : x));
    const int top = int(std::lround(baseline)) - font.ascent() - pad;
    const int height = font.ascent() + font.descent() + 2 * pad;
    Picture word(width + 2 * pad, height);
    paintDecorated(word, font.textMask(utf8, word.width(), height, pad, font.ascent() + pad), look);
    target_.draw(word, left - pad, top);
}

Paint stripes(Color a, Color b, float width, bool vertical)
{
    return [=](float x, float y) {
        const float u = (vertical ? x : y) / width;
        // Anti-aliased band edges: the distance to the nearest edge decides the blend.
        const float f = u - std::floor(u);
        const float edge = std::min(std::fabs(f - 0.5f), std::min(f, 1.0f - f)) * width;
        const bool first = f < 0.5f;
        const float t = std::clamp(edge + 0.5f, 0.0f, 1.0f);
        return first ? b.mix(a, t) : a.mix(b, t);
    };
}

Paint polkaDots(Color ground, Color dot, float spacing, float radius)
{
    return [=](float x, float y) {
        const float row = std::floor(y / spacing);
        const float shift = std::fmod(row, 2.0f) == 0 ? 0.0f : spacing / 2;
        const float cx = (std::floor((x - shift) / spacing) + 0.5f) * spacing + shift;
        const float cy = (row + 0.5f) * spacing;
        const float d = std::hypot(x - cx, y - cy) - radius;
        return ground.mix(dot, std::clamp(0.5f - d, 0.0f, 1.0f));
    };
}

Paint tiles(Color face, Color grout, float size, float groutWidth, float originX, float originY)
{
    return [=](float x, float y) {
        const float u = std::fmod(x - originX + 1000 * size, size),
                    v = std::fmod(y - originY + 1000 * size, size);
        const float d = std::min({u, size - u, v, size - v});
        const Color shaded
            = face.mix(face.lighter(0.25f), std::clamp((size - u - v) / (2 * size), 0.0f, 1.0f) * 0.6f);
        return grout.mix(shaded, std::clamp(d - groutWidth / 2 + 0.5f, 0.0f, 1.0f));
    };
}

Paint checker(Color a, Color b, float size, float originX, float originY)
{
    return [=](float x, float y) {
        const int i = int(std::floor((x - originX) / size)), j = int(std::floor((y - originY) / size));
        return (i + j) % 2 == 0 ? a : b;
    };
}

Paint bricks(Color brick, Color mortar, float width, float height, float originY)
{
    return [=](float x, float y) {
        const float row = std::floor((y - originY) / height);
        const float shift = std::fmod(std::fabs(row), 2.0f) == 0 ? 0.0f : width / 2;
        const float u = std::fmod(x + shift + 1000 * width, width), v = y - originY - row * height;
        const float d = std::min({u, width - u, v, height - v});
        const int index = int(std::floor((x + shift) / width)) * 7 + int(row) * 3;
        const Color tone = index % 3 == 0 ? brick.darker(0.06f)
            : index % 3 == 1              ? brick
                                          : brick.lighter(0.05f);
        return mortar.mix(tone, std::clamp(d - 1.0f, 0.0f, 1.0f));
    };
}

Paint planks(Color wood, Color seam, float boardHeight, float originY, bool vertical)
{
    return [=](float x, float y) {
        const float p = (vertical ? x : y) - originY;
        const float board = std::floor(p / boardHeight);
        const float v = p - board * boardHeight;
        const int index = int(board);
        const Color tone = index % 3 == 0 ? wood : index % 3 == 1 ? wood.darker(0.05f) : wood.lighter(0.04f);
        const float d = std::min(v, boardHeight - v);
        return seam.mix(tone, std::clamp(d - 0.3f, 0.0f, 1.0f));
    };
}

namespace {

float motifDistance(Motif kind, float u, float v, float size)
{
    switch (kind) {
    case Motif::Star: {
        // A small five-pointed star from its polar form.
        const float r = std::hypot(u, v), a = std::atan2(v, u) + 1.5708f;
        const float k = 0.5f + 0.5f * std::cos(5 * a);
        return r - size * (0.45f + 0.55f * k * k);
    }
    case Motif::Flower: {
        const float r = std::hypot(u, v), a = std::atan2(v, u);
        return r - size * (0.55f + 0.45f * std::fabs(std::cos(2.5f * a)));
    }
    case Motif::Diamond:
        return (std::fabs(u) + std::fabs(v) * 0.7f - size) * 0.8f;
    case Motif::Note: {
        const float head = std::hypot((u + size * 0.3f) / 1.3f, v - size * 0.55f) - size * 0.38f;
        const float stem
            = std::max(std::fabs(u - size * 0.12f) - size * 0.09f, std::fabs(v + size * 0.1f) - size * 0.7f);
        return std::min(head, stem);
    }
    }
    return 1.0f;
}

} // namespace

Paint wallpaper(Color ground, Color motif, Motif kind, float spacing)
{
    return [=](float x, float y) {
        const float row = std::floor(y / spacing);
        const float shift = std::fmod(std::fabs(row), 2.0f) == 0 ? 0.0f : spacing / 2;
        const float cx = (std::floor((x - shift) / spacing) + 0.5f) * spacing + shift;
        const float cy = (row + 0.5f) * spacing;
        const float d = motifDistance(kind, x - cx, y - cy, spacing * 0.16f);
        return ground.mix(motif, std::clamp(0.5f - d, 0.0f, 1.0f));
    };
}

} // namespace contentgen

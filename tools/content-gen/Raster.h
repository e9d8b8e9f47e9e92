// The picture generator's drawing kit: coverage masks made from signed-distance shapes or
// text, and a float RGBA picture that masks are painted into with solid colours or
// gradients. Shapes are anti-aliased from their distance fields, so edges stay smooth at
// any size, and every operation is plain arithmetic (same pixels on every run).
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace contentgen {

struct Color {
    float r = 0, g = 0, b = 0, a = 0; // straight (not premultiplied), 0..1

    static Color hex(uint32_t rgb, float alpha = 1.0f)
    {
        return {((rgb >> 16) & 255) / 255.0f, ((rgb >> 8) & 255) / 255.0f, (rgb & 255) / 255.0f, alpha};
    }
    Color withAlpha(float alpha) const { return {r, g, b, alpha}; }
    Color mix(const Color& other, float t) const
    {
        return {r + (other.r - r) * t, g + (other.g - g) * t, b + (other.b - b) * t, a + (other.a - a) * t};
    }
    Color lighter(float t) const { return mix(Color{1, 1, 1, a}, t); }
    Color darker(float t) const { return mix(Color{0, 0, 0, a}, t); }
};

// A colour per pixel position; gradients are paints.
using Paint = std::function<Color(float x, float y)>;
Paint solid(Color color);
Paint vertical(float top, Color topColor, float bottom, Color bottomColor);
Paint radial(float cx, float cy, float radius, Color inner, Color outer);

// Signed distance to a shape's edge in pixels: negative inside.
using Shape = std::function<float(float x, float y)>;
Shape roundedRect(float left, float top, float width, float height, float radius);
Shape circle(float cx, float cy, float radius);
Shape ellipse(float cx, float cy, float rx, float ry);
Shape polygon(std::vector<std::pair<float, float>> points);
Shape star(float cx, float cy, float outer, float inner, int points, float rotationDegrees);
Shape unite(Shape a, Shape b);
Shape subtract(Shape a, Shape b);
Shape intersect(Shape a, Shape b);
Shape grow(Shape a, float by); // positive grows, negative shrinks

class Mask {
public:
    Mask(int width, int height) : width_(width), height_(height), a_(size_t(width) * size_t(height), 0.0f) {}
    int width() const { return width_; }
    int height() const { return height_; }
    float at(int x, int y) const
    {
        return x < 0 || y < 0 || x >= width_ || y >= height_ ? 0.0f : a_[size_t(y) * size_t(width_) + size_t(x)];
    }
    float& ref(int x, int y) { return a_[size_t(y) * size_t(width_) + size_t(x)]; }

private:
    int width_, height_;
    std::vector<float> a_;
};

Mask shapeMask(int width, int height, const Shape& shape);
// Only the band within `width` of the shape's edge (inside and out equally).
Mask outlineMask(int width, int height, const Shape& shape, float lineWidth);
Mask blurred(const Mask& mask, float radius);   // three box passes ~ a Gaussian
Mask dilated(const Mask& mask, float radius);   // grows coverage by a disc of the radius
Mask shifted(const Mask& mask, int dx, int dy);
Mask minus(const Mask& mask, const Mask& cut); // mask × (1 − cut)
Mask scaled(const Mask& mask, float factor);   // multiplies coverage

struct Rgba {
    float r = 0, g = 0, b = 0, a = 0; // premultiplied
};

class Picture {
public:
    Picture(int width, int height) : width_(width), height_(height), px_(size_t(width) * size_t(height)) {}
    int width() const { return width_; }
    int height() const { return height_; }
    const Rgba& at(int x, int y) const { return px_[size_t(y) * size_t(width_) + size_t(x)]; }
    Rgba& ref(int x, int y) { return px_[size_t(y) * size_t(width_) + size_t(x)]; }

    // Paints `paint` through `mask` placed with its top-left corner at (x, y), source over.
    void fill(const Mask& mask, const Paint& paint, int x = 0, int y = 0);
    void fillShape(const Shape& shape, const Paint& paint);
    // Draws `source` with its top-left corner at (x, y), source over, scaled in opacity.
    void draw(const Picture& source, int x, int y, float opacity = 1.0f);
    // The picture's coverage as a mask (its alpha).
    Mask alpha() const;

private:
    int width_, height_;
    std::vector<Rgba> px_;
};

// Area-averaging resize in premultiplied space (for shrinking emoji and sheets).
Picture resized(const Picture& source, int width, int height);
// The part of `source` at (x, y) of the given size.
Picture cropped(const Picture& source, int x, int y, int width, int height);

// 8-bit straight RGBA rows, as PNG stores them.
std::vector<uint8_t> toRgba8(const Picture& picture);

} // namespace contentgen

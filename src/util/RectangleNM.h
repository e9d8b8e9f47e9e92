// An axis-aligned rectangle in pixels: the left and top edges belong to it, the right and
// bottom edges (x + width, y + height) do not. Its class name is "Rectangle".
#pragma once

#include "lang/Object.h"

namespace util {

class RectangleNM : public lang::Object {
public:
    RectangleNM() = default;
    RectangleNM(int32_t x, int32_t y, int32_t width, int32_t height) : x(x), y(y), width(width), height(height) {}

    bool isEmpty() const { return width <= 0 || height <= 0; }
    bool contains(int32_t px, int32_t py) const;
    // The smallest rectangle holding both.
    RectangleNM unionWith(const RectangleNM& other) const;
    // The overlap, or (0, 0, 0, 0) when there is none; rectangles that only touch do not overlap.
    RectangleNM intersect(const RectangleNM& other) const;

    bool equals(const lang::Object* other) const override;
    int32_t hashCode() const override;
    bool isInstanceOf(const char* className) const override;
    const char* getClassName() const override { return "Rectangle"; }

    int32_t x = 0;
    int32_t y = 0;
    int32_t width = 0;
    int32_t height = 0;
};

} // namespace util

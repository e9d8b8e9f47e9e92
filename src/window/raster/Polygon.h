// The points of a polyline or polygon: parallel arrays of x and y values and a point count.
#pragma once

#include "lang/Object.h"

#include <cstdint>
#include <vector>

namespace window {

class Polygon : public lang::Object {
public:
    Polygon() = default;
    Polygon(const int32_t* xs, const int32_t* ys, int32_t count);

    void addPoint(int32_t x, int32_t y);
    int32_t getPointCount() const { return static_cast<int32_t>(xpoints.size()); }
    int32_t getX(int32_t index) const { return xpoints[static_cast<size_t>(index)]; }
    int32_t getY(int32_t index) const { return ypoints[static_cast<size_t>(index)]; }

    bool isInstanceOf(const char* className) const override;
    const char* getClassName() const override { return "Polygon"; }

private:
    std::vector<int32_t> xpoints;
    std::vector<int32_t> ypoints;
};

} // namespace window

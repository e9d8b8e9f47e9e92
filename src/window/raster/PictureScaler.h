// Shows a picture letterboxed in a pixel buffer of any size: scaled into one rectangle of the
// buffer, whole pixels repeated (nearest) or blended from the four nearest (linear), with
// black bars beside it. The software window target presents through it. Where each
// column and row of the rectangle reads from is worked out once per size, not per frame.
#pragma once

#include "window/raster/PixelRect.h"

#include <cstdint>
#include <vector>

namespace window {

class PictureScaler {
public:
    enum class Filter { Nearest, Linear };

    // 0xAARRGGBB pixels: rows of `pitch` bytes.
    struct Pixels {
        uint32_t* pixels = nullptr;
        int32_t width = 0, height = 0, pitch = 0;
    };

    // Scales `source` into the rectangle `picture` of `target`, which the rectangle must lie
    // in. A target pixel shows the source at the point under its centre, as a pointer there
    // maps back into the picture: nearest takes the pixel there, linear blends the four pixels
    // whose centres surround it (beyond the outer centres, the edge pixels).
    void scale(const Pixels& source, const Pixels& target, const PixelRect& picture, Filter filter);
    // Paints the target black outside the rectangle: the bars, needed once for every new target.
    static void paintBars(const Pixels& target, const PixelRect& picture);

private:
    // Where one target column or row reads: the first of two source pixels and the weight of
    // the second, in 1/128 units (always 0 for nearest).
    struct Step {
        int32_t index;
        uint32_t weight;
    };

    static std::vector<Step> stepsAcross(int32_t sourceSize, int32_t targetSize, Filter filter);
    void prepare(int32_t sourceWidth, int32_t sourceHeight, const PixelRect& picture, Filter filter);
    void scaleNearest(const Pixels& source, const Pixels& target, const PixelRect& picture);
    void scaleLinear(const Pixels& source, const Pixels& target, const PixelRect& picture);
    // The source row scaled across the picture's width, kept while target rows read it.
    const uint32_t* widenedRow(const Pixels& source, int32_t row, int32_t slot);

    std::vector<Step> columns, rows;
    // The weight of every column, once for each of its four bytes.
    std::vector<uint8_t> columnWeights;
    // The two source pixels each column blends, gathered from a source row.
    std::vector<uint32_t> left, right;
    int32_t preparedFor[5] = {};
    // Two source rows scaled across: the pair a linear target row blends between.
    std::vector<uint32_t> widened[2];
    int32_t widenedFrom[2] = {-1, -1};
};

} // namespace window

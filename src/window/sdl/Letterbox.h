// Where a picture of a fixed logical size lies in a window of any size: scaled to fit while
// keeping its proportions and centred, with black bars on the two other sides. Maps pointer
// positions of the window back into the picture.
#pragma once

#include <cstdint>

namespace window::sdl {

class Letterbox {
public:
    Letterbox(int32_t logicalWidth, int32_t logicalHeight, int32_t windowWidth, int32_t windowHeight);

    // The picture's rectangle in window units.
    int32_t pictureX() const { return x; }
    int32_t pictureY() const { return y; }
    int32_t pictureWidth() const { return width; }
    int32_t pictureHeight() const { return height; }

    // The picture point under a window point; the centre of the window pixel decides, so a
    // picture shown at its own size maps every point to itself. Points on the bars map outside
    // the picture (negative, or beyond its size).
    void toLogical(int32_t windowX, int32_t windowY, int32_t& logicalX, int32_t& logicalY) const;
    // The window point under the centre of a picture pixel.
    void toWindow(int32_t logicalX, int32_t logicalY, int32_t& windowX, int32_t& windowY) const;

private:
    int32_t logicalWidth, logicalHeight;
    int32_t x = 0, y = 0, width = 0, height = 0;
};

} // namespace window::sdl

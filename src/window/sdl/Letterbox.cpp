#include "window/sdl/Letterbox.h"

#include <algorithm>

namespace window::sdl {

namespace {

int64_t floorDivide(int64_t numerator, int64_t denominator)
{
    int64_t quotient = numerator / denominator;
    if ((numerator % denominator != 0) && ((numerator < 0) != (denominator < 0)))
        --quotient;
    return quotient;
}

} // namespace

Letterbox::Letterbox(int32_t logicalWidth, int32_t logicalHeight, int32_t windowWidth, int32_t windowHeight)
    : logicalWidth(std::max(1, logicalWidth)), logicalHeight(std::max(1, logicalHeight))
{
    windowWidth = std::max(1, windowWidth);
    windowHeight = std::max(1, windowHeight);
    // The limiting side fills the window exactly; the other is scaled by the same factor.
    if (int64_t(windowWidth) * this->logicalHeight <= int64_t(windowHeight) * this->logicalWidth) {
        width = windowWidth;
        height = int32_t((int64_t(windowWidth) * this->logicalHeight + this->logicalWidth / 2) / this->logicalWidth);
    } else {
        height = windowHeight;
        width = int32_t((int64_t(windowHeight) * this->logicalWidth + this->logicalHeight / 2) / this->logicalHeight);
    }
    width = std::clamp(width, 1, windowWidth);
    height = std::clamp(height, 1, windowHeight);
    x = (windowWidth - width) / 2;
    y = (windowHeight - height) / 2;
}

void Letterbox::toLogical(int32_t windowX, int32_t windowY, int32_t& logicalX, int32_t& logicalY) const
{
    logicalX = int32_t(floorDivide((2 * int64_t(windowX - x) + 1) * logicalWidth, 2 * int64_t(width)));
    logicalY = int32_t(floorDivide((2 * int64_t(windowY - y) + 1) * logicalHeight, 2 * int64_t(height)));
}

void Letterbox::toWindow(int32_t logicalX, int32_t logicalY, int32_t& windowX, int32_t& windowY) const
{
    windowX = x + int32_t(floorDivide((2 * int64_t(logicalX) + 1) * width, 2 * int64_t(logicalWidth)));
    windowY = y + int32_t(floorDivide((2 * int64_t(logicalY) + 1) * height, 2 * int64_t(logicalHeight)));
}

} // namespace window::sdl

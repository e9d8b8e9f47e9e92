// How close a picture of the OpenGL target must come to the software target's.
//
// Channels may differ by Tolerance: the card blends with alpha / 255 where the software target
// shifts by 8 bits, and filters with 8-bit weights where the software target has 6 (up to 6 on
// one channel of a filtered pixel). A pixel on the edge of a turned picture or a line may fall
// inside on one target and outside on the other: such a pixel matches when one of its
// neighbours does.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace gltest {

constexpr int32_t Tolerance = 6;

inline int32_t channelDifference(uint32_t a, uint32_t b)
{
    int32_t most = 0;
    for (int shift = 0; shift < 24; shift += 8)
        most = std::max(most, std::abs(int32_t(a >> shift & 0xFF) - int32_t(b >> shift & 0xFF)));
    return most;
}

struct Mismatches {
    int32_t count = 0;
    int32_t firstX = 0, firstY = 0;
};

// Pixels of `expected` that no pixel of `actual` at or beside them matches within `tolerance`.
inline Mismatches compare(const uint32_t* expected, const uint32_t* actual, int32_t width, int32_t height,
    int32_t tolerance = Tolerance)
{
    Mismatches found;
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x) {
            bool matched = false;
            for (int32_t dy = -1; dy <= 1 && !matched; ++dy) {
                for (int32_t dx = -1; dx <= 1 && !matched; ++dx) {
                    const int32_t px = std::clamp(x + dx, 0, width - 1),
                                  py = std::clamp(y + dy, 0, height - 1);
                    matched
                        = channelDifference(actual[py * width + px], expected[y * width + x]) <= tolerance;
                }
            }
            if (!matched && found.count++ == 0) {
                found.firstX = x;
                found.firstY = y;
            }
        }
    }
    return found;
}

} // namespace gltest

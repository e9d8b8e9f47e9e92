#include "window/raster/PictureScaler.h"

#include <algorithm>
#include <cstring>

namespace window {

namespace {

// Weights count in 1/128 units, so that a channel difference times a weight fits in 16 bits and
// the byte loops below become vector instructions of eight 16-bit lanes.
constexpr int32_t WeightBits = 7;
constexpr int32_t WeightOne = 1 << WeightBits;

// Two rows blended byte by byte (every channel alike), the lower one's share `weight`: the
// upper value moved that share of the way to the lower one (rounding down).
[[gnu::always_inline]] inline void blendRowsLoop(const uint8_t* __restrict upper,
    const uint8_t* __restrict lower, uint8_t* __restrict out, size_t bytes, uint32_t weight)
{
    const auto take = int16_t(weight);
    for (size_t i = 0; i < bytes; ++i)
        out[i] = uint8_t(upper[i] + ((int16_t(lower[i] - upper[i]) * take) >> WeightBits));
}

// The same with a weight of its own for every byte.
[[gnu::always_inline]] inline void blendBytesLoop(const uint8_t* __restrict first,
    const uint8_t* __restrict second, uint8_t* __restrict out, const uint8_t* __restrict weights,
    size_t bytes)
{
    for (size_t i = 0; i < bytes; ++i)
        out[i] = uint8_t(first[i] + ((int16_t(second[i] - first[i]) * int16_t(weights[i])) >> WeightBits));
}

// The loops above compiled for the distribution's baseline and, on x86-64, once more for AVX2,
// which blends twice the bytes per instruction; the processor decides which run. Not on Windows:
// GCC there keeps the stack aligned to 16 bytes only, and a spilled 32-byte register would fault.
struct BlendLoops {
    void (*rows)(const uint8_t*, const uint8_t*, uint8_t*, size_t, uint32_t);
    void (*bytes)(const uint8_t*, const uint8_t*, uint8_t*, const uint8_t*, size_t);
};

void blendRowsBaseline(
    const uint8_t* upper, const uint8_t* lower, uint8_t* out, size_t bytes, uint32_t weight)
{
    blendRowsLoop(upper, lower, out, bytes, weight);
}

void blendBytesBaseline(
    const uint8_t* first, const uint8_t* second, uint8_t* out, const uint8_t* weights, size_t bytes)
{
    blendBytesLoop(first, second, out, weights, bytes);
}

#if defined(__x86_64__) && !defined(_WIN32)
[[gnu::target("avx2")]] void blendRowsAvx2(
    const uint8_t* upper, const uint8_t* lower, uint8_t* out, size_t bytes, uint32_t weight)
{
    blendRowsLoop(upper, lower, out, bytes, weight);
}

[[gnu::target("avx2")]] void blendBytesAvx2(
    const uint8_t* first, const uint8_t* second, uint8_t* out, const uint8_t* weights, size_t bytes)
{
    blendBytesLoop(first, second, out, weights, bytes);
}
#endif

const BlendLoops& blendLoops()
{
    static const BlendLoops chosen = [] {
#if defined(__x86_64__) && !defined(_WIN32)
        __builtin_cpu_init();
        if (__builtin_cpu_supports("avx2"))
            return BlendLoops{blendRowsAvx2, blendBytesAvx2};
#endif
        return BlendLoops{blendRowsBaseline, blendBytesBaseline};
    }();
    return chosen;
}

uint32_t* rowOf(const PictureScaler::Pixels& pixels, int32_t row)
{
    return reinterpret_cast<uint32_t*>(
        reinterpret_cast<uint8_t*>(pixels.pixels) + size_t(row) * size_t(pixels.pitch));
}

int64_t floorDivide(int64_t numerator, int64_t denominator)
{
    const int64_t quotient = numerator / denominator;
    return (numerator % denominator != 0 && numerator < 0) ? quotient - 1 : quotient;
}

} // namespace

void PictureScaler::paintBars(const Pixels& target, const PixelRect& picture)
{
    for (int32_t y = 0; y < target.height; ++y) {
        uint32_t* row = rowOf(target, y);
        if (y < picture.y || y >= picture.bottom()) {
            std::fill(row, row + target.width, 0xFF000000u);
            continue;
        }
        std::fill(row, row + picture.x, 0xFF000000u);
        std::fill(row + picture.right(), row + target.width, 0xFF000000u);
    }
}

std::vector<PictureScaler::Step> PictureScaler::stepsAcross(
    int32_t sourceSize, int32_t targetSize, Filter filter)
{
    std::vector<Step> steps;
    steps.reserve(size_t(targetSize));
    const int64_t last = sourceSize - 1;
    for (int32_t i = 0; i < targetSize; ++i) {
        // The centre of target pixel i lies at (i + 1/2) * sourceSize / targetSize in the source.
        const int64_t twiceCentre = (2 * int64_t(i) + 1) * sourceSize;
        if (filter == Filter::Nearest) {
            steps.push_back({int32_t(std::min(twiceCentre / (2 * int64_t(targetSize)), last)), 0});
            continue;
        }
        // Its distance from the first source pixel centre in weight units, rounded; beyond the
        // outer centres the edge pixel stands alone. The pair read is always whole.
        const int64_t position
            = floorDivide((twiceCentre - targetSize) * WeightOne + targetSize, 2 * int64_t(targetSize));
        const int64_t clamped = std::clamp<int64_t>(position, 0, last * WeightOne);
        const int64_t first = std::min(clamped >> WeightBits, last - 1);
        steps.push_back({int32_t(first), uint32_t(clamped - first * WeightOne)});
    }
    return steps;
}

void PictureScaler::prepare(
    int32_t sourceWidth, int32_t sourceHeight, const PixelRect& picture, Filter filter)
{
    const int32_t key[5] = {sourceWidth, sourceHeight, picture.width, picture.height, int32_t(filter)};
    if (std::equal(key, key + 5, preparedFor) && !columns.empty())
        return;
    std::copy(key, key + 5, preparedFor);
    columns = stepsAcross(sourceWidth, picture.width, filter);
    rows = stepsAcross(sourceHeight, picture.height, filter);
    widened[0].assign(size_t(picture.width), 0);
    widened[1].assign(size_t(picture.width), 0);
    left.assign(size_t(picture.width), 0);
    right.assign(size_t(picture.width), 0);
    columnWeights.clear();
    for (const Step& column : columns)
        columnWeights.insert(columnWeights.end(), 4, uint8_t(column.weight));
}

void PictureScaler::scale(const Pixels& source, const Pixels& target, const PixelRect& picture, Filter filter)
{
    if (picture.isEmpty() || source.width <= 0 || source.height <= 0)
        return;
    if (picture.width == source.width && picture.height == source.height) {
        for (int32_t y = 0; y < picture.height; ++y)
            std::memcpy(
                rowOf(target, picture.y + y) + picture.x, rowOf(source, y), size_t(picture.width) * 4);
        return;
    }
    // Blending needs two source pixels each way; a picture one pixel thin is all edge.
    if (source.width < 2 || source.height < 2)
        filter = Filter::Nearest;
    prepare(source.width, source.height, picture, filter);
    if (filter == Filter::Nearest)
        scaleNearest(source, target, picture);
    else
        scaleLinear(source, target, picture);
}

void PictureScaler::scaleNearest(const Pixels& source, const Pixels& target, const PixelRect& picture)
{
    const uint32_t* previous = nullptr;
    for (int32_t y = 0; y < picture.height; ++y) {
        uint32_t* out = rowOf(target, picture.y + y) + picture.x;
        const uint32_t* in = rowOf(source, rows[size_t(y)].index);
        // A source row shown on several target rows is scaled once and copied.
        if (y > 0 && rows[size_t(y)].index == rows[size_t(y) - 1].index) {
            std::memcpy(out, previous, size_t(picture.width) * 4);
        } else {
            const Step* column = columns.data();
            for (int32_t x = 0; x < picture.width; ++x)
                out[x] = in[column[x].index];
        }
        previous = out;
    }
}

const uint32_t* PictureScaler::widenedRow(const Pixels& source, int32_t row, int32_t slot)
{
    std::vector<uint32_t>& into = widened[slot];
    if (widenedFrom[slot] == row)
        return into.data();
    widenedFrom[slot] = row;
    // The two source pixels of every column side by side (read as one pair), then blended
    // channel by channel.
    const uint32_t* in = rowOf(source, row);
    for (size_t x = 0; x < into.size(); ++x) {
        uint32_t pair[2];
        std::memcpy(pair, in + columns[x].index, sizeof pair);
        left[x] = pair[0];
        right[x] = pair[1];
    }
    blendLoops().bytes(reinterpret_cast<const uint8_t*>(left.data()),
        reinterpret_cast<const uint8_t*>(right.data()), reinterpret_cast<uint8_t*>(into.data()),
        columnWeights.data(), columnWeights.size());
    return into.data();
}

void PictureScaler::scaleLinear(const Pixels& source, const Pixels& target, const PixelRect& picture)
{
    widenedFrom[0] = widenedFrom[1] = -1;
    for (int32_t y = 0; y < picture.height; ++y) {
        const Step& row = rows[size_t(y)];
        const int32_t below = row.index + 1;
        // The slot that holds the upper row stays; the lower one goes into the other.
        const int32_t upperSlot = widenedFrom[1] == row.index ? 1 : 0;
        const uint32_t* upper = widenedRow(source, row.index, upperSlot);
        uint32_t* out = rowOf(target, picture.y + y) + picture.x;
        if (row.weight == 0) {
            std::memcpy(out, upper, size_t(picture.width) * 4);
            continue;
        }
        const uint32_t* lower = widenedRow(source, below, 1 - upperSlot);
        blendLoops().rows(reinterpret_cast<const uint8_t*>(upper), reinterpret_cast<const uint8_t*>(lower),
            reinterpret_cast<uint8_t*>(out), size_t(picture.width) * 4, row.weight);
    }
}

} // namespace window

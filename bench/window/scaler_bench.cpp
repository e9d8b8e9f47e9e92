// The software target's letterbox scaler alone: an 800x600 picture scaled into a display-sized
// buffer, nearest and linear, at the common full-screen sizes. No display is needed; the
// present_bench numbers add what SDL and the X server cost on top.
//
// Arguments: the filter (0 nearest, 1 linear), then the display's width and height.
#include "window/raster/PictureScaler.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

void BM_ScaleToDisplay(benchmark::State& state)
{
    const auto filter = state.range(0) == 0 ? window::PictureScaler::Filter::Nearest
                                            : window::PictureScaler::Filter::Linear;
    const auto displayWidth = int32_t(state.range(1));
    const auto displayHeight = int32_t(state.range(2));
    std::vector<uint32_t> picture(800 * 600);
    uint32_t seed = 12345;
    for (uint32_t& pixel : picture) {
        seed = seed * 1664525u + 1013904223u;
        pixel = seed | 0xFF000000u;
    }
    std::vector<uint32_t> display(size_t(displayWidth) * size_t(displayHeight));
    const window::PictureScaler::Pixels source{picture.data(), 800, 600, 800 * 4};
    const window::PictureScaler::Pixels target{display.data(), displayWidth, displayHeight, displayWidth * 4};
    // Letterboxed: the full height, the width that keeps 4:3.
    const int32_t width = displayHeight * 4 / 3;
    const window::PixelRect area{(displayWidth - width) / 2, 0, width, displayHeight};
    window::PictureScaler scaler;
    window::PictureScaler::paintBars(target, area);
    for (auto _ : state) {
        scaler.scale(source, target, area, filter);
        benchmark::DoNotOptimize(display.data());
        benchmark::ClobberMemory();
    }
}

} // namespace

BENCHMARK(BM_ScaleToDisplay)
    ->ArgNames({"linear", "width", "height"})
    ->Args({0, 1920, 1080})
    ->Args({1, 1920, 1080})
    ->Args({1, 2560, 1440})
    ->Args({1, 3840, 2160})
    ->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();

// Presenting one 800x600 frame: the outermost dispose() of the software window target copies
// the picture to the window's staging buffer and scales it letterboxed onto the window's
// surface (or, the accelerated way, uploads it to a streaming texture that SDL's renderer
// draws scaled); the OpenGL window target draws the picture's texture scaled into the window
// and swaps. Needs an X display (run it under Xvfb, -screen 0 1920x1080x24 for the full
// screen numbers). The CPU time counts every thread of the process, so work that SDL or the GL
// driver does on threads of their own is included (with Mesa's software OpenGL that is the
// card's work); the counter "own_cpu_us" is the CPU time of the drawing thread alone, what the
// game's own threads pay.
//
// Arguments: the way of presenting, then the window: 0 at the picture's own size, 1 full
// screen (scaled to fit the display).
#include "lang/Ref.h"
#include "util/RectangleNM.h"
#include "window/Frame.h"
#include "window/Platform.h"
#include "window/raster/Graphics.h"
#include "window/sdl/SdlPlatform.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <ctime>

namespace {

struct PresentWay {
    const char* name;
    const char* target;               // KIPTO2_RENDERER
    const char* renderer;             // KIPTO2_PRESENT
    const char* framebufferThroughGl; // SDL_FRAMEBUFFER_ACCELERATION
    const char* scaling; // KIPTO2_SCALING
};

const PresentWay ways[] = {
    {"software target, own scaler, X11 shared memory", "software", "software", "0", "linear"},
    {"software target, own scaler (nearest), X11 shared memory", "software", "software", "0", "nearest"},
    {"software target, own scaler, surface through OpenGL", "software", "software", "1", "linear"},
    {"software target, SDL accelerated renderer", "software", "accelerated", "1", "linear"},
    {"OpenGL target", "gl", "software", "0", "linear"},
};

double threadCpuMicroseconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e6 + double(now.tv_nsec) / 1e3;
}

void BM_PresentFrame(benchmark::State& state)
{
    if (!std::getenv("DISPLAY")) {
        state.SkipWithError("no X display: run under Xvfb");
        return;
    }
    const PresentWay& way = ways[state.range(0)];
    setenv("KIPTO2_RENDERER", way.target, 1);
    setenv("KIPTO2_PRESENT", way.renderer, 1);
    setenv("SDL_FRAMEBUFFER_ACCELERATION", way.framebufferThroughGl, 1);
    setenv("KIPTO2_SCALING", way.scaling, 1);
    window::platform::install(std::make_unique<window::sdl::SdlPlatform>());
    if (!window::platform::initialise()) {
        state.SkipWithError("SDL video did not start");
        return;
    }
    {
        lang::Ref<window::Frame> frame = lang::adopt(new window::Frame(800, 600));
        if (!frame->create(nullptr, util::RectangleNM(0, 0, 800, 600))) {
            state.SkipWithError("no window");
            return;
        }
        frame->setVisible(true);
        if (state.range(1) == 1)
            frame->setFullScreen(true, false);
        window::platform::pumpMessages(200);
        lang::Ref<window::Graphics> target = lang::adopt(frame->getGraphics());
        const bool wantsGl = std::strcmp(way.target, "gl") == 0;
        if (wantsGl != (std::strcmp(target->getClassName(), "GlWindowGraphics") == 0)) {
            state.SkipWithError("no OpenGL context");
            return;
        }
        uint32_t shade = 0;
        const double ownStart = threadCpuMicroseconds();
        for (auto _ : state) {
            lang::Ref<window::Graphics> frameTarget = lang::adopt(target->create());
            // One changed pixel block is enough to make the frame count as drawn.
            frameTarget->fillRect(0, 0, 16, 16, 0xFF000000u | (++shade & 0xFF));
            frameTarget->dispose();
        }
        state.counters["own_cpu_us"] = benchmark::Counter(
            (threadCpuMicroseconds() - ownStart) / double(state.iterations()));
        state.SetLabel(way.name);
        frame->destroyWindow();
    }
    window::platform::shutdown();
}

BENCHMARK(BM_PresentFrame)
    ->ArgsProduct({{0, 1, 2, 3, 4}, {0, 1}})
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();

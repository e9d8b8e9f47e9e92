// Presenting one 800x600 frame through SDL: the outermost dispose() of the software window
// target copies the picture to the window's staging buffer, uploads it to the streaming
// texture and draws it scaled to the window. Needs an X display (run it under Xvfb); the CPU
// time counts every thread of the process, so work that SDL or the GL driver does on threads
// of their own is included.
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

namespace {

struct PresentWay {
    const char* name;
    const char* renderer;            // KIPTO2_PRESENT
    const char* framebufferThroughGl; // SDL_FRAMEBUFFER_ACCELERATION
};

const PresentWay ways[] = {
    {"software renderer, X11 shared memory", "software", "0"},
    {"software renderer, surface through OpenGL", "software", "1"},
    {"accelerated renderer", "accelerated", "1"},
};

void BM_PresentFrame(benchmark::State& state)
{
    if (!std::getenv("DISPLAY")) {
        state.SkipWithError("no X display: run under Xvfb");
        return;
    }
    const PresentWay& way = ways[state.range(0)];
    setenv("KIPTO2_PRESENT", way.renderer, 1);
    setenv("SDL_FRAMEBUFFER_ACCELERATION", way.framebufferThroughGl, 1);
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
        uint32_t shade = 0;
        for (auto _ : state) {
            lang::Ref<window::Graphics> frameTarget = lang::adopt(target->create());
            // One changed pixel block is enough to make the frame count as drawn.
            frameTarget->fillRect(0, 0, 16, 16, 0xFF000000u | (++shade & 0xFF));
            frameTarget->dispose();
        }
        state.SetLabel(way.name);
        frame->destroyWindow();
    }
    window::platform::shutdown();
}

BENCHMARK(BM_PresentFrame)
    ->ArgsProduct({{0, 1, 2}, {0, 1}})
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();

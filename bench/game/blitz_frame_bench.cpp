// The game's frame while the online best times are asked for and the score service stalls: the
// Blitz menu of the game's package with its best-times panel in global mode, the service a
// loopback server that takes the request and never answers. The same screen with the local
// list (argument 0) is the baseline. One iteration is the canvas's frame step and a paint of
// the whole picture, as the render thread does; the counter longest_ms is the slowest
// iteration, and waiting shows that the request was still under way at the end (the frames
// never waited for it).
#include "GameBench.h"
#include "game/blitz/BlitzMenu.h"
#include "game/blitz/BlitzTimes.h"
#include "game/blitz/ScoreServiceLocation.h"
#include "lang/SyncGuard.h"
#include "net/loopback_server.h"

#include <algorithm>
#include <chrono>

namespace {

constexpr int32_t WarmUpFrames = 25;

void BM_BlitzFrameWhileTheServiceStalls(benchmark::State& state)
{
    LoopbackServer service;
    service.on("/", [](const std::string&, const LoopbackServer::Reply& reply) {
        while (reply.pause(100)) {
        }
    });
    setenv(ScoreServiceLocation::EnvironmentVariable, service.url("").c_str(), 1);
    gamebench::BenchHome home;
    lang::Ref<Kipto2Canvas> canvas = home.ready() ? gamebench::loadCanvas<Kipto2Canvas>(state) : lang::Ref<Kipto2Canvas>();
    if (!canvas)
        return;
    SyncGuard guard(canvas.get());
    auto* menu = dynamic_cast<BlitzMenu*>(canvas->getDialogs().blitzMenu());
    BlitzTimes* panel = menu ? menu->getTimes() : nullptr;
    if (!panel) {
        state.SkipWithError("the package has no Blitz menu");
        canvas->shutdown();
        return;
    }
    canvas->onAction(nullptr, "btn_besttimes");
    panel->setGlobal(state.range(0) != 0);
    gamebench::Screen screen;
    // The first frames decode the pictures of the screens just shown.
    for (int32_t frame = 0; frame < WarmUpFrames; ++frame) {
        canvas->frameStep();
        screen.paint(*canvas);
    }
    double longest = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        canvas->frameStep();
        screen.paint(*canvas);
        longest = std::max(longest, std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    state.counters["longest_ms"] = longest;
    state.counters["waiting"] = panel->getBoard()->isBusy() ? 1 : 0;
    canvas->shutdown();
    unsetenv(ScoreServiceLocation::EnvironmentVariable);
}
BENCHMARK(BM_BlitzFrameWhileTheServiceStalls)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();

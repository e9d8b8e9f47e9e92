// The game's frame while the online best times are asked for and the score service stalls: the
// Blitz menu of the game's package with its best-times panel in global mode, the service a
// loopback port that takes the connection and never answers. The same screen with the local
// list (argument 0) is the baseline. One iteration is the canvas's frame step and a paint of
// the whole picture, as the render thread does; the counter longest_ms is the slowest
// iteration, and waiting shows that the request was still under way at the end (the frames
// never waited for it).
#include "game/Kipto2Canvas.h"
#include "game/blitz/BlitzMenu.h"
#include "game/blitz/BlitzTimes.h"
#include "game/blitz/ScoreServiceLocation.h"
#include "lang/ResourceFile.h"
#include "lang/SyncGuard.h"
#include "sprite/User.h"
#include "window/raster/ImageGraphics.h"
#include "window/raster/PixelImage.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

constexpr int32_t WarmUpFrames = 25;

// A loopback port whose connections the kernel accepts into the backlog; nobody reads them.
class SilentPort {
public:
    SilentPort()
    {
        socket = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        bind(socket, reinterpret_cast<sockaddr*>(&address), sizeof address);
        listen(socket, 16);
        socklen_t length = sizeof address;
        getsockname(socket, reinterpret_cast<sockaddr*>(&address), &length);
        port = ntohs(address.sin_port);
    }
    ~SilentPort() { ::close(socket); }
    std::string url() const { return "http://127.0.0.1:" + std::to_string(port); }

private:
    int socket = -1;
    int port = 0;
};

void paint(Kipto2Canvas& canvas, window::Graphics& target)
{
    for (int32_t i = 0; i < canvas.getSpriteCount(); ++i) {
        lang::Ref<sprite::SpriteBase> sprite = lang::adopt(canvas.getSpriteAt(i));
        if (sprite->isVisible())
            sprite->render(&target);
    }
}

void BM_BlitzFrameWhileTheServiceStalls(benchmark::State& state)
{
    char home[] = "/tmp/kipto2-bench-XXXXXX";
    if (!mkdtemp(home)) {
        state.SkipWithError("no temporary folder");
        return;
    }
    setenv("KIPTO2_HOME", home, 1);
    SilentPort service;
    setenv(ScoreServiceLocation::EnvironmentVariable, service.url().c_str(), 1);
    lang::ResourceFile::add(KIPTO2_PACKAGE_DIR "/Kipto2.bin");
    {
        lang::Ref<Kipto2Canvas> canvas = lang::adopt(new Kipto2Canvas);
        lang::Ref<sprite::User> settings = lang::adopt(new sprite::User);
        settings->open(lang::ResourceFile::loadText("REGISTRYNAME"));
        canvas->setup(KIPTO2_PACKAGE_DIR, settings.get(), "+datfile", -1);
        canvas->beforeLoading();
        if (!canvas->loadData()) {
            state.SkipWithError("the game's package does not load");
            return;
        }
        SyncGuard guard(canvas.get());
        auto* menu = dynamic_cast<BlitzMenu*>(canvas->getDialogs().blitzMenu());
        BlitzTimes* panel = menu ? menu->getTimes() : nullptr;
        if (!panel) {
            state.SkipWithError("the package has no Blitz menu");
            return;
        }
        canvas->onAction(nullptr, "btn_besttimes");
        panel->setGlobal(state.range(0) != 0);
        lang::Ref<window::ImageBase> screen = lang::adopt<window::ImageBase>(new window::PixelImage(800, 600));
        lang::Ref<window::ImageGraphics> target = lang::adopt(new window::ImageGraphics(screen.get()));
        // The first frames decode the pictures of the screens just shown.
        for (int32_t frame = 0; frame < WarmUpFrames; ++frame) {
            canvas->frameStep();
            paint(*canvas, *target);
        }
        double longest = 0;
        for (auto _ : state) {
            const auto start = std::chrono::steady_clock::now();
            canvas->frameStep();
            paint(*canvas, *target);
            longest = std::max(longest, std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        }
        state.counters["longest_ms"] = longest;
        state.counters["waiting"] = panel->getBoard()->isBusy() ? 1 : 0;
        canvas->shutdown();
    }
    unsetenv(ScoreServiceLocation::EnvironmentVariable);
    lang::ResourceFile::closeAll();
    std::filesystem::remove_all(home);
}
BENCHMARK(BM_BlitzFrameWhileTheServiceStalls)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();

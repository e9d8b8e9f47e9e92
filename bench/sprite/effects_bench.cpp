// Particle bursts: three radial bursts of 180 particles stepped and drawn on an 800 x 600
// software target, one frame per iteration; a burst that ends is restarted, so every frame
// draws three full systems. The frame budget is 40 ms; these should take well under 1 ms.
#include "sprite/ExplosionSpritePSX.h"
#include "sprite/RadialSpritePSX.h"

#include "lang/Ref.h"
#include "util/Region.h"
#include "window/raster/Graphics.h"
#include "window/raster/PixelImage.h"

#include <benchmark/benchmark.h>

namespace {

using lang::Ref;

void frame(sprite::ParticleSpritePSX& system, window::Graphics* graphics, int32_t frameNo)
{
    util::RectangleNM bounds;
    util::Region dirty;
    system.update(frameNo, bounds, dirty);
    if (!system.isRunning())
        system.start();
    system.render(graphics);
}

void BM_ThreeRadialBursts(benchmark::State& state)
{
    sprite::RadialSpritePSX::seedGenerator(7);
    const int32_t patterns[3] = {3, 2, 4};
    Ref<sprite::RadialSpritePSX> bursts[3];
    for (int32_t i = 0; i < 3; ++i) {
        bursts[i] = lang::adopt(new sprite::RadialSpritePSX(patterns[i], 3));
        bursts[i]->setLocation(-200 + i * 200, -100);
        bursts[i]->start();
    }
    Ref<window::PixelImage> screen = lang::adopt(new window::PixelImage(800, 600));
    Ref<window::Graphics> graphics = lang::adopt(screen->getGraphics());
    int32_t frameNo = 0;
    for (auto _ : state) {
        ++frameNo;
        for (Ref<sprite::RadialSpritePSX>& burst : bursts)
            frame(*burst, graphics.get(), frameNo);
    }
    state.SetItemsProcessed(state.iterations() * 3 * 180);
}
BENCHMARK(BM_ThreeRadialBursts)->Unit(benchmark::kMicrosecond);

void BM_Explosion500(benchmark::State& state)
{
    Ref<sprite::ExplosionSpritePSX> explosion = lang::adopt(new sprite::ExplosionSpritePSX(500, sprite::ExplosionSpritePSX::ModeRandomSpin));
    explosion->setRandomLifetime(40, 30);
    explosion->start();
    Ref<window::PixelImage> screen = lang::adopt(new window::PixelImage(800, 600));
    Ref<window::Graphics> graphics = lang::adopt(screen->getGraphics());
    int32_t frameNo = 0;
    for (auto _ : state)
        frame(*explosion, graphics.get(), ++frameNo);
    state.SetItemsProcessed(state.iterations() * 500);
}
BENCHMARK(BM_Explosion500)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();

// One frame step of the canvas with 1,000 top-level sprites: half of them moving, a quarter
// fading and a quarter animating through a sprite sheet.
#include "sprite/AnimateSprite.h"
#include "sprite/GameCanvas3.h"
#include "window/raster/PixelImage.h"

#include <benchmark/benchmark.h>

namespace {

void BM_FrameStep(benchmark::State& state)
{
    const int count = int(state.range(0));
    lang::Ref<sprite::GameCanvas3> canvas = lang::adopt(new sprite::GameCanvas3);
    lang::Ref<window::ImageBase> sheet = lang::adopt<window::ImageBase>(new window::PixelImage(256, 64));
    for (int i = 0; i < count; ++i) {
        lang::Ref<sprite::AnimateSprite> sprite = lang::adopt(new sprite::AnimateSprite);
        sprite->setImage(sheet.get(), 4, 1);
        sprite->setLocation(i % 800, i % 600);
        canvas->addSprite(sprite.get());
    }
    int32_t round = 0;
    for (auto _ : state) {
        // Every 50 steps the sprites get new work, so that most of them are busy all the time.
        if (round++ % 50 == 0) {
            for (int i = 0; i < count; ++i) {
                lang::Ref<sprite::SpriteBase> base = lang::adopt(canvas->getSpriteAt(i));
                auto* sprite = static_cast<sprite::AnimateSprite*>(base.get());
                switch (i % 4) {
                case 0:
                case 1: sprite->moveTo((i * 7 + round) % 800, (i * 13 + round) % 600, 50); break;
                case 2: sprite->fadeTo(round % 2 ? 128 : 0, 50, false); break;
                default: sprite->setAnimation(1, true); break;
                }
            }
        }
        canvas->frameStep();
    }
    state.counters["sprites"] = count;
}
BENCHMARK(BM_FrameStep)->Arg(1000)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();

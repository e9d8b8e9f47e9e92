// The real shop frame: shop 3 of the game's package on the software image target, with five
// customers and their bubbles, the clock running, a row of stars and a find burst playing. One
// frame is the canvas's frame step and a paint of the whole picture, as the render thread does.
#include "game/Kipto2Canvas.h"
#include "game/shop/Kipto2Shop.h"
#include "lang/ResourceFile.h"
#include "lang/SyncGuard.h"
#include "sprite/User.h"
#include "window/Event.h"
#include "window/raster/ImageGraphics.h"
#include "window/raster/PixelImage.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace {

// The game's canvas with a way to click, as the input thread would.
class BenchCanvas : public Kipto2Canvas {
public:
    void click(int32_t x, int32_t y)
    {
        for (int32_t id : {window::Event::MouseDown, window::Event::MouseUp}) {
            currentEvent = lang::adopt(new window::Event(id, x, y, 0, 0, 0));
            dispatchEvent();
            currentEvent.reset();
        }
    }
};

sprite::RadialSpritePSX* findBurstOf(Kipto2Shop& shop)
{
    for (int32_t i = 0; i < shop.childCount(); ++i) {
        lang::Ref<sprite::SpriteBase> child = lang::adopt(shop.getChild(i));
        if (child->isInstanceOf("RadialSpritePSX"))
            return static_cast<sprite::RadialSpritePSX*>(child.get());
    }
    return nullptr;
}

// Hands one wished item over; false when no customer wants one that stands on the shelves.
bool serveOne(BenchCanvas& canvas, Kipto2Shop& shop)
{
    for (int32_t place = 0; place < Kipto2Shop::Places; ++place) {
        Customer* customer = shop.customerAt(place);
        if (!customer || customer->wantedItems() == 0)
            continue;
        for (sprite::ShopItemSprite* item : customer->wishedSprites()) {
            if (item->isVisible()) {
                const util::RectangleNM& area = item->getBounds();
                canvas.click(area.x + area.width / 2, area.y + area.height / 2);
                return true;
            }
        }
    }
    return false;
}

void paint(BenchCanvas& canvas, window::Graphics& target)
{
    for (int32_t i = 0; i < canvas.getSpriteCount(); ++i) {
        lang::Ref<sprite::SpriteBase> sprite = lang::adopt(canvas.getSpriteAt(i));
        if (sprite->isVisible())
            sprite->render(&target);
    }
}

void BM_ShopFrame(benchmark::State& state)
{
    char home[] = "/tmp/kipto2-bench-XXXXXX";
    if (!mkdtemp(home)) {
        state.SkipWithError("no temporary folder");
        return;
    }
    setenv("KIPTO2_HOME", home, 1);
    lang::ResourceFile::add(KIPTO2_PACKAGE_DIR "/Kipto2.bin");
    {
        lang::Ref<BenchCanvas> canvas = lang::adopt(new BenchCanvas);
        lang::Ref<sprite::User> settings = lang::adopt(new sprite::User);
        settings->open(lang::ResourceFile::loadText("REGISTRYNAME"));
        canvas->setup(KIPTO2_PACKAGE_DIR, settings.get(), "+datfile", -1);
        canvas->beforeLoading();
        if (!canvas->loadData()) {
            state.SkipWithError("the game's package does not load");
            return;
        }
        SyncGuard guard(canvas.get());
        canvas->onAction(nullptr, "EnterShop3_2");
        auto* shop = dynamic_cast<Kipto2Shop*>(canvas->getCurrentShop());
        if (!shop) {
            state.SkipWithError("shop 3 does not open");
            return;
        }
        // Nine served light the first stars; then five new customers fill the places.
        for (int32_t frame = 0; frame < 3000 && shop->getServed() < 9; ++frame) {
            if (frame % 3 == 0)
                serveOne(*canvas, *shop);
            canvas->frameStep();
        }
        for (int32_t frame = 0; frame < 500 && shop->getArrived() - shop->getServed() < 5; ++frame)
            canvas->frameStep();
        sprite::RadialSpritePSX* burst = findBurstOf(*shop);
        lang::Ref<window::ImageBase> screen = lang::adopt<window::ImageBase>(new window::PixelImage(800, 600));
        lang::Ref<window::ImageGraphics> target = lang::adopt(new window::ImageGraphics(screen.get()));
        int32_t frame = 0;
        for (auto _ : state) {
            if (burst && frame++ % 40 == 0) {
                burst->restart(3, 3);
                burst->setVisible(true);
            }
            canvas->frameStep();
            paint(*canvas, *target);
        }
        state.counters["customers"] = shop->getArrived() - shop->getServed();
        state.counters["served"] = shop->getServed();
        canvas->shutdown();
    }
    lang::ResourceFile::closeAll();
    std::filesystem::remove_all(home);
}
BENCHMARK(BM_ShopFrame)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();

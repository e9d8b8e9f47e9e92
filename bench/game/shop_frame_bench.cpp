// The real shop frame: shop 3 of the game's package on the software image target, with five
// customers and their bubbles, the clock running, a row of stars and a find burst playing. One
// frame is the canvas's frame step and a paint of the whole picture, as the render thread does.
#include "GameBench.h"
#include "game/shop/Kipto2Shop.h"
#include "lang/SyncGuard.h"
#include "window/Event.h"

namespace {

// The game's canvas with a way to click, as the input thread would.
class BenchCanvas : public Kipto2Canvas {
public:
    void click(int32_t x, int32_t y)
    {
        for (int32_t id : {window::Event::MouseDown, window::Event::MouseUp}) {
            lang::Ref<window::Event> event = lang::adopt(new window::Event(id, x, y, 0, 0, 0));
            input.setCurrentEvent(event.get());
            dispatchEvent();
            input.setCurrentEvent(nullptr);
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
            if (!item->isVisible())
                continue;
            // A point the picture shows (a ring has none in its middle).
            const util::RectangleNM area = item->getBounds();
            for (int32_t y = area.y; y < area.y + area.height; y += 4) {
                for (int32_t x = area.x; x < area.x + area.width; x += 4) {
                    int32_t taker = 0;
                    if (shop.wishedItemAt(x, y, taker)) {
                        canvas.click(shop.getX() + x, shop.getY() + y);
                        return true;
                    }
                }
            }
        }
    }
    return false;
}

void BM_ShopFrame(benchmark::State& state)
{
    gamebench::BenchHome home;
    lang::Ref<BenchCanvas> canvas = home.ready() ? gamebench::loadCanvas<BenchCanvas>(state) : lang::Ref<BenchCanvas>();
    if (!canvas)
        return;
    {
        SyncGuard guard(canvas.get());
        // As from the calendar: the menus and the loading pictures have gone.
        for (int32_t i = 0; i < canvas->getSpriteCount(); ++i)
            lang::adopt(canvas->getSpriteAt(i))->setVisible(false);
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
        if (shop->getServed() < 9) {
            state.SkipWithError("the first nine customers were not served");
            return;
        }
        sprite::RadialSpritePSX* burst = findBurstOf(*shop);
        gamebench::Screen screen;
        int32_t frame = 0;
        for (auto _ : state) {
            if (burst && frame++ % 40 == 0) {
                burst->restart(3, 3);
                burst->setVisible(true);
            }
            canvas->frameStep();
            screen.paint(*canvas);
        }
        state.counters["customers"] = shop->getArrived() - shop->getServed();
        state.counters["served"] = shop->getServed();
        canvas->shutdown();
    }
}
BENCHMARK(BM_ShopFrame)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();

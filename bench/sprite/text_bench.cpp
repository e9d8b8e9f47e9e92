// Bitmap text: laying out and drawing a 204-character paragraph (wrapped to 320 pixels, two
// faces, per-character colours) on the software target, as a dialog's text costs per change
// and per frame. The fonts are the test pictures of tests/data/sprite.
#include "sprite/NewFontSprite.h"

#include "lang/Ref.h"
#include "window/raster/Graphics.h"
#include "window/raster/PixelImage.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

const std::string DataFolder = (std::filesystem::path(__FILE__).parent_path() / "../../tests/data/sprite/").string();

const char Paragraph[] =
    "Welcome to the corner shop! Fresh bread, ripe apples and cold milk wait on the shelves. "
    "Serve every customer before the bell rings, mind the prices and keep the queue moving today. "
    "Have a lovely day, all!";

lang::Ref<window::PixelImage> picture(const char* name)
{
    return lang::adopt(new window::PixelImage(lang::String((DataFolder + name).c_str())));
}

class ParagraphFixture {
public:
    ParagraphFixture()
        : regular(picture("font_regular.png")), regularMetrics(picture("font_regular_m.png")),
          bold(picture("font_bold.png")), boldMetrics(picture("font_bold_m.png")),
          text(lang::adopt(new sprite::NewFontSprite(regular.get(), regularMetrics.get())))
    {
        text->setFace(1, bold.get(), boldMetrics.get());
        text->setWrapWidth(320);
        text->setAlignment(1);
        text->setAlignEachLine(true);
        text->setLocation(400, 100);
    }

    void setParagraph()
    {
        text->setText(Paragraph);
        std::vector<uint8_t> styles(sizeof Paragraph - 1, 0);
        std::fill_n(styles.begin(), 7, 1);
        text->setCharStyles(styles);
        std::vector<uint32_t> colors(sizeof Paragraph - 1, 0x808080u);
        std::fill_n(colors.begin() + 40, 20, 0xFF4030u);
        text->setCharColors(colors);
    }

    lang::Ref<window::PixelImage> regular;
    lang::Ref<window::PixelImage> regularMetrics;
    lang::Ref<window::PixelImage> bold;
    lang::Ref<window::PixelImage> boldMetrics;
    lang::Ref<sprite::NewFontSprite> text;
};

void BM_LayOutParagraph(benchmark::State& state)
{
    ParagraphFixture fixture;
    for (auto _ : state) {
        fixture.setParagraph();
        benchmark::DoNotOptimize(fixture.text->getWidth());
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(sizeof Paragraph - 1));
}
BENCHMARK(BM_LayOutParagraph)->Unit(benchmark::kMicrosecond);

void BM_DrawParagraph(benchmark::State& state)
{
    ParagraphFixture fixture;
    fixture.setParagraph();
    lang::Ref<window::PixelImage> screen = lang::adopt(new window::PixelImage(800, 600));
    lang::Ref<window::Graphics> graphics = lang::adopt(screen->getGraphics());
    for (auto _ : state)
        fixture.text->render(graphics.get());
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(sizeof Paragraph - 1));
}
BENCHMARK(BM_DrawParagraph)->Unit(benchmark::kMicrosecond);

void BM_LayOutAndDrawParagraph(benchmark::State& state)
{
    ParagraphFixture fixture;
    lang::Ref<window::PixelImage> screen = lang::adopt(new window::PixelImage(800, 600));
    lang::Ref<window::Graphics> graphics = lang::adopt(screen->getGraphics());
    for (auto _ : state) {
        fixture.setParagraph();
        fixture.text->render(graphics.get());
    }
}
BENCHMARK(BM_LayOutAndDrawParagraph)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();

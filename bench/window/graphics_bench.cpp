// The software image target side by side with pixman doing the same work: sprite blends,
// a full-frame translucent blend, bilinear scaled and rotated draws, the opaque background copy
// and a representative game frame. After the runs a table gives each case's ratio ours / pixman
// (at most 1.0 is the aim) and the frame's time against its budget.
#include "lang/Ref.h"
#include "util/RectangleNM.h"
#include "window/raster/ImageGraphics.h"
#include "window/raster/PixelImage.h"

#include <benchmark/benchmark.h>

#include <pixman.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <algorithm>
#include <array>
#include <map>
#include <memory>
#include <string>
#include <vector>

using lang::adopt;
using lang::Ref;
using window::ImageGraphics;
using window::PixelImage;

namespace {

constexpr int32_t kFrameWidth = 800;
constexpr int32_t kFrameHeight = 600;

uint32_t noise(uint32_t& seed)
{
    seed = seed * 1664525u + 1013904223u;
    return seed;
}

// A round picture with a soft edge: opaque inside, transparent corners, a ring of partial alpha.
Ref<PixelImage> roundPicture(int32_t width, int32_t height, uint32_t seed)
{
    Ref<PixelImage> image = adopt(new PixelImage(width, height));
    image->setHasAlpha(true);
    const double rx = width / 2.0, ry = height / 2.0;
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x) {
            const double dx = (x + 0.5 - rx) / rx, dy = (y + 0.5 - ry) / ry;
            const double edge = (1 - std::sqrt(dx * dx + dy * dy)) * std::min(rx, ry);
            const uint32_t alpha = edge >= 1 ? 255 : edge <= 0 ? 0 : static_cast<uint32_t>(edge * 255);
            image->getPixels()[y * width + x] = alpha << 24 | (noise(seed) & 0x00FFFFFFu);
        }
    }
    return image;
}

Ref<PixelImage> filledPicture(int32_t width, int32_t height, uint32_t alpha, uint32_t seed)
{
    Ref<PixelImage> image = adopt(new PixelImage(width, height));
    image->setHasAlpha(alpha != 255);
    for (int32_t i = 0; i < width * height; ++i)
        image->getPixels()[i] = alpha << 24 | (noise(seed) & 0x00FFFFFFu);
    return image;
}

// A sheet of 16 x 8 glyph cells of 12 x 16 pixels, mostly clear with opaque strokes.
Ref<PixelImage> glyphSheet()
{
    Ref<PixelImage> sheet = adopt(new PixelImage(16 * 12, 8 * 16));
    sheet->setHasAlpha(true);
    uint32_t seed = 5;
    for (int32_t i = 0; i < sheet->getWidth() * sheet->getHeight(); ++i) {
        const uint32_t r = noise(seed) >> 24;
        const uint32_t alpha = r < 150 ? 0 : r < 200 ? 255 : r;
        sheet->getPixels()[i] = alpha << 24 | 0xFFFFFF;
    }
    return sheet;
}

// Where the parts of the representative frame go.
struct FrameLayout {
    struct Item {
        int32_t x, y;
    };
    std::vector<Item> items, customers, bubbles, glyphs, turned;
    std::vector<util::RectangleNM> glyphCells;

    FrameLayout()
    {
        for (int32_t i = 0; i < 150; ++i)
            items.push_back({40 + (i % 15) * 50, 200 + (i / 15) * 38});
        for (int32_t i = 0; i < 5; ++i) {
            customers.push_back({80 + i * 160, 100});
            bubbles.push_back({110 + i * 160, 20});
        }
        uint32_t seed = 9;
        for (int32_t line = 0; line < 20; ++line) {
            for (int32_t c = 0; c < 25; ++c) {
                glyphs.push_back({20 + c * 11 + (line % 2) * 400, 10 + line * 28});
                const uint32_t cell = noise(seed) % 128;
                glyphCells.emplace_back(static_cast<int32_t>(cell % 16) * 12, static_cast<int32_t>(cell / 16) * 16, 12, 16);
            }
        }
        for (int32_t i = 0; i < 6; ++i)
            turned.push_back({100 + i * 120, 540});
    }
};

struct Pictures {
    Ref<PixelImage> sprite64 = roundPicture(64, 64, 1);
    Ref<PixelImage> translucent = filledPicture(kFrameWidth, kFrameHeight, 0x80, 2);
    Ref<PixelImage> background = filledPicture(kFrameWidth, kFrameHeight, 0xFF, 3);
    Ref<PixelImage> picture256 = roundPicture(256, 256, 4);
    Ref<PixelImage> item = roundPicture(48, 48, 5);
    Ref<PixelImage> customer = roundPicture(120, 150, 6);
    Ref<PixelImage> bubble = roundPicture(100, 80, 7);
    Ref<PixelImage> glyphs = glyphSheet();
    FrameLayout layout;
};

Pictures& pictures()
{
    static Pictures shared;
    return shared;
}

util::RectangleNM wholeOf(PixelImage& image)
{
    return util::RectangleNM(0, 0, image.getWidth(), image.getHeight());
}

// --- ours

void oursSprite(benchmark::State& state, uint32_t tint)
{
    Ref<PixelImage> target = filledPicture(kFrameWidth, kFrameHeight, 0xFF, 10);
    ImageGraphics g(target.get());
    g.setTint(tint);
    PixelImage& sprite = *pictures().sprite64;
    int32_t i = 0;
    for (auto _ : state) {
        g.drawImage(&sprite, (i * 67) % 700, (i * 31) % 500);
        ++i;
    }
    state.counters["MP/s"] = benchmark::Counter(64.0 * 64 * state.iterations() / 1e6, benchmark::Counter::kIsRate);
}

void BM_ours_sprite64_tint128(benchmark::State& state)
{
    oursSprite(state, 0x80808080u);
}

void BM_ours_sprite64_tinted(benchmark::State& state)
{
    oursSprite(state, 0x60C0A070u);
}

void BM_ours_frame_translucent(benchmark::State& state)
{
    Ref<PixelImage> target = filledPicture(kFrameWidth, kFrameHeight, 0xFF, 11);
    ImageGraphics g(target.get());
    for (auto _ : state)
        g.drawImage(pictures().translucent.get(), 0, 0);
    state.counters["MP/s"] = benchmark::Counter(double(kFrameWidth) * kFrameHeight * state.iterations() / 1e6, benchmark::Counter::kIsRate);
}

void oursScaled(benchmark::State& state, double angle)
{
    Ref<PixelImage> target = filledPicture(kFrameWidth, kFrameHeight, 0xFF, 12);
    ImageGraphics g(target.get());
    PixelImage& picture = *pictures().picture256;
    for (auto _ : state)
        g.drawImageTransformed(&picture, 400, 300, wholeOf(picture), 1.3, 1.3, angle, 0);
    const double side = 256 * 1.3;
    state.counters["MP/s"] = benchmark::Counter(side * side * state.iterations() / 1e6, benchmark::Counter::kIsRate);
}

void BM_ours_bilinear_scaled(benchmark::State& state)
{
    oursScaled(state, 0.0);
}

void BM_ours_bilinear_rotated(benchmark::State& state)
{
    oursScaled(state, 10.0);
}

void BM_ours_background_copy(benchmark::State& state)
{
    Ref<PixelImage> target = filledPicture(kFrameWidth, kFrameHeight, 0xFF, 13);
    ImageGraphics g(target.get());
    PixelImage& background = *pictures().background;
    for (auto _ : state)
        g.drawImageTransformed(&background, 400, 300, wholeOf(background), 1, 1, 0, 0);
}

void BM_memcpy_frame(benchmark::State& state)
{
    std::vector<uint32_t> from(kFrameWidth * kFrameHeight, 1), to(kFrameWidth * kFrameHeight);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), from.size() * 4);
        benchmark::ClobberMemory();
    }
}

void BM_ours_game_frame(benchmark::State& state)
{
    Pictures& p = pictures();
    const FrameLayout& layout = p.layout;
    Ref<PixelImage> target = adopt(new PixelImage(kFrameWidth, kFrameHeight));
    ImageGraphics g(target.get());
    for (auto _ : state) {
        g.drawImageTransformed(p.background.get(), 400, 300, wholeOf(*p.background), 1, 1, 0, 0);
        for (const auto& at : layout.items)
            g.drawImageTransformed(p.item.get(), at.x, at.y, wholeOf(*p.item), 1, 1, 0, 0);
        for (size_t i = 0; i < layout.customers.size(); ++i) {
            g.drawImageTransformed(p.customer.get(), layout.customers[i].x, layout.customers[i].y, wholeOf(*p.customer), 1, 1, 0, 0);
            g.drawImageTransformed(p.bubble.get(), layout.bubbles[i].x, layout.bubbles[i].y, wholeOf(*p.bubble), 1, 1, 0, 0);
        }
        for (size_t i = 0; i < layout.glyphs.size(); ++i)
            g.drawImageTransformedAt(p.glyphs.get(), layout.glyphs[i].x, layout.glyphs[i].y, layout.glyphCells[i], 1, 1, 0, 0);
        for (size_t i = 0; i < layout.turned.size(); ++i)
            g.drawImageTransformed(p.sprite64.get(), layout.turned[i].x, layout.turned[i].y, wholeOf(*p.sprite64), 1.25, 1.25, 15.0 * (i + 1), 0);
    }
}

BENCHMARK(BM_ours_sprite64_tint128);
BENCHMARK(BM_ours_sprite64_tinted);
BENCHMARK(BM_ours_frame_translucent);
BENCHMARK(BM_ours_bilinear_scaled);
BENCHMARK(BM_ours_bilinear_rotated);
BENCHMARK(BM_ours_background_copy);
BENCHMARK(BM_memcpy_frame);
BENCHMARK(BM_ours_game_frame)->Unit(benchmark::kMicrosecond);

// pixman works on premultiplied pixels: the same pictures, converted once.
struct PixmanPicture {
    std::vector<uint32_t> pixels;
    pixman_image_t* image = nullptr;

    explicit PixmanPicture(PixelImage& from)
    {
        const int32_t count = from.getWidth() * from.getHeight();
        pixels.resize(static_cast<size_t>(count));
        for (int32_t i = 0; i < count; ++i) {
            const uint32_t p = from.getPixels()[i];
            const uint32_t a = p >> 24;
            auto premultiplied = [&](int shift) { return ((p >> shift & 0xFF) * a + 127) / 255 << shift; };
            pixels[i] = a << 24 | premultiplied(16) | premultiplied(8) | premultiplied(0);
        }
        image = pixman_image_create_bits(PIXMAN_a8r8g8b8, from.getWidth(), from.getHeight(), pixels.data(), from.getWidth() * 4);
    }
    ~PixmanPicture() { pixman_image_unref(image); }
};

struct PixmanTarget {
    std::vector<uint32_t> pixels = std::vector<uint32_t>(kFrameWidth * kFrameHeight, 0xFF204060u);
    pixman_image_t* image = pixman_image_create_bits(PIXMAN_x8r8g8b8, kFrameWidth, kFrameHeight, pixels.data(), kFrameWidth * 4);
    ~PixmanTarget() { pixman_image_unref(image); }
};

void over(pixman_image_t* source, pixman_image_t* mask, PixmanTarget& target, int32_t x, int32_t y, int32_t width, int32_t height)
{
    pixman_image_composite32(PIXMAN_OP_OVER, source, mask, target.image, 0, 0, 0, 0, x, y, width, height);
}

void pixmanSprite(benchmark::State& state, bool tinted)
{
    PixmanPicture sprite(*pictures().sprite64);
    PixmanTarget target;
    const pixman_color_t half = {0x8000, 0x8000, 0x8000, 0xC000};
    pixman_image_t* mask = tinted ? pixman_image_create_solid_fill(&half) : nullptr;
    int32_t i = 0;
    for (auto _ : state) {
        over(sprite.image, mask, target, (i * 67) % 700, (i * 31) % 500, 64, 64);
        ++i;
    }
    if (mask)
        pixman_image_unref(mask);
    state.counters["MP/s"] = benchmark::Counter(64.0 * 64 * state.iterations() / 1e6, benchmark::Counter::kIsRate);
}

void BM_pixman_sprite64_tint128(benchmark::State& state)
{
    pixmanSprite(state, false);
}

void BM_pixman_sprite64_tinted(benchmark::State& state)
{
    pixmanSprite(state, true);
}

void BM_pixman_frame_translucent(benchmark::State& state)
{
    PixmanPicture translucent(*pictures().translucent);
    PixmanTarget target;
    for (auto _ : state)
        over(translucent.image, nullptr, target, 0, 0, kFrameWidth, kFrameHeight);
    state.counters["MP/s"] = benchmark::Counter(double(kFrameWidth) * kFrameHeight * state.iterations() / 1e6, benchmark::Counter::kIsRate);
}

// Scales and turns the picture about its centre onto the target's centre.
void setTransform(pixman_image_t* image, int32_t width, int32_t height, double scale, double degrees, int32_t centreX, int32_t centreY)
{
    const double radians = degrees * 3.14159265358979323846 / 180.0;
    const double c = std::cos(radians) / scale, s = std::sin(radians) / scale;
    // Target point p maps to the picture point R^-1 (p - centre) / scale + size / 2.
    pixman_transform_t t;
    pixman_transform_init_identity(&t);
    t.matrix[0][0] = pixman_double_to_fixed(c);
    t.matrix[0][1] = pixman_double_to_fixed(s);
    t.matrix[0][2] = pixman_double_to_fixed(width / 2.0 - c * centreX - s * centreY);
    t.matrix[1][0] = pixman_double_to_fixed(-s);
    t.matrix[1][1] = pixman_double_to_fixed(c);
    t.matrix[1][2] = pixman_double_to_fixed(height / 2.0 + s * centreX - c * centreY);
    pixman_image_set_transform(image, &t);
    pixman_image_set_filter(image, PIXMAN_FILTER_BILINEAR, nullptr, 0);
}

// The box the turned picture covers on the target.
void coveredBox(int32_t width, int32_t height, double scale, double degrees, int32_t centreX, int32_t centreY, int32_t box[4])
{
    const double radians = degrees * 3.14159265358979323846 / 180.0;
    const double halfW = std::abs(width * scale / 2 * std::cos(radians)) + std::abs(height * scale / 2 * std::sin(radians));
    const double halfH = std::abs(width * scale / 2 * std::sin(radians)) + std::abs(height * scale / 2 * std::cos(radians));
    box[0] = static_cast<int32_t>(centreX - halfW);
    box[1] = static_cast<int32_t>(centreY - halfH);
    box[2] = static_cast<int32_t>(2 * halfW + 1);
    box[3] = static_cast<int32_t>(2 * halfH + 1);
}

void pixmanScaled(benchmark::State& state, double angle)
{
    PixmanPicture picture(*pictures().picture256);
    PixmanTarget target;
    setTransform(picture.image, 256, 256, 1.3, angle, 400, 300);
    int32_t box[4];
    coveredBox(256, 256, 1.3, angle, 400, 300, box);
    for (auto _ : state)
        pixman_image_composite32(PIXMAN_OP_OVER, picture.image, nullptr, target.image, box[0], box[1], 0, 0, box[0], box[1], box[2], box[3]);
    const double side = 256 * 1.3;
    state.counters["MP/s"] = benchmark::Counter(side * side * state.iterations() / 1e6, benchmark::Counter::kIsRate);
}

void BM_pixman_bilinear_scaled(benchmark::State& state)
{
    pixmanScaled(state, 0.0);
}

void BM_pixman_bilinear_rotated(benchmark::State& state)
{
    pixmanScaled(state, 10.0);
}

void BM_pixman_game_frame(benchmark::State& state)
{
    Pictures& p = pictures();
    const FrameLayout& layout = p.layout;
    PixmanPicture background(*p.background), item(*p.item), customer(*p.customer), bubble(*p.bubble), glyphs(*p.glyphs);
    std::vector<std::unique_ptr<PixmanPicture>> turned;
    std::vector<std::array<int32_t, 4>> turnedBoxes;
    for (size_t i = 0; i < layout.turned.size(); ++i) {
        turned.push_back(std::make_unique<PixmanPicture>(*p.sprite64));
        setTransform(turned.back()->image, 64, 64, 1.25, 15.0 * (i + 1), layout.turned[i].x, layout.turned[i].y);
        std::array<int32_t, 4> box;
        coveredBox(64, 64, 1.25, 15.0 * (i + 1), layout.turned[i].x, layout.turned[i].y, box.data());
        turnedBoxes.push_back(box);
    }
    PixmanTarget target;
    for (auto _ : state) {
        pixman_image_composite32(PIXMAN_OP_SRC, background.image, nullptr, target.image, 0, 0, 0, 0, 0, 0, kFrameWidth, kFrameHeight);
        for (const auto& at : layout.items)
            over(item.image, nullptr, target, at.x - 24, at.y - 24, 48, 48);
        for (size_t i = 0; i < layout.customers.size(); ++i) {
            over(customer.image, nullptr, target, layout.customers[i].x - 60, layout.customers[i].y - 75, 120, 150);
            over(bubble.image, nullptr, target, layout.bubbles[i].x - 50, layout.bubbles[i].y - 40, 100, 80);
        }
        for (size_t i = 0; i < layout.glyphs.size(); ++i) {
            const util::RectangleNM& cell = layout.glyphCells[i];
            pixman_image_composite32(PIXMAN_OP_OVER, glyphs.image, nullptr, target.image, cell.x, cell.y, 0, 0,
                layout.glyphs[i].x, layout.glyphs[i].y, cell.width, cell.height);
        }
        for (size_t i = 0; i < turned.size(); ++i) {
            const auto& box = turnedBoxes[i];
            pixman_image_composite32(PIXMAN_OP_OVER, turned[i]->image, nullptr, target.image, box[0], box[1], 0, 0, box[0], box[1], box[2], box[3]);
        }
    }
}

BENCHMARK(BM_pixman_sprite64_tint128);
BENCHMARK(BM_pixman_sprite64_tinted);
BENCHMARK(BM_pixman_frame_translucent);
BENCHMARK(BM_pixman_bilinear_scaled);
BENCHMARK(BM_pixman_bilinear_rotated);
BENCHMARK(BM_pixman_game_frame)->Unit(benchmark::kMicrosecond);


// Keeps every run's processor time per iteration (other work on a shared machine distorts
// wall time), the best of the repetitions, to print the ratios after the console report.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Iteration)
                continue;
            // With --benchmark_repetitions the fastest repetition counts: the least disturbed.
            const double time = run.GetAdjustedCPUTime() * multiplierToNanoseconds(run.time_unit);
            const std::string name = run.run_name.function_name;
            const auto known = nanoseconds.find(name);
            nanoseconds[name] = known == nanoseconds.end() ? time : std::min(known->second, time);
        }
        ConsoleReporter::ReportRuns(runs);
    }

    void printSummary() const
    {
        std::printf("\n%-28s %12s %12s %8s  %s\n", "case", "ours (us)", "other (us)", "ratio", "target");
        const char* cases[] = {"sprite64_tint128", "sprite64_tinted", "frame_translucent", "bilinear_scaled", "bilinear_rotated", "game_frame"};
        for (const char* name : cases)
            compare(name, "BM_ours_" + std::string(name), "BM_pixman_" + std::string(name), 1.0, "<= 1.0 (pixman)");
        compare("background_copy", "BM_ours_background_copy", "BM_memcpy_frame", 2.0, "<= 2.0 (memcpy)");
        const auto frame = nanoseconds.find("BM_ours_game_frame");
        if (frame != nanoseconds.end())
            std::printf("%-28s %12.1f %12s %8s  %s\n", "game_frame budget", frame->second / 1000, "1500.0", "",
                frame->second <= 1.5e6 ? "met (< 1.5 ms)" : "MISSED (< 1.5 ms)");
    }

private:
    static double multiplierToNanoseconds(benchmark::TimeUnit unit)
    {
        switch (unit) {
        case benchmark::kSecond: return 1e9;
        case benchmark::kMillisecond: return 1e6;
        case benchmark::kMicrosecond: return 1e3;
        default: return 1;
        }
    }

    void compare(const char* label, const std::string& ours, const std::string& other, double limit, const char* target) const
    {
        const auto a = nanoseconds.find(ours);
        const auto b = nanoseconds.find(other);
        if (a == nanoseconds.end() || b == nanoseconds.end())
            return;
        const double ratio = a->second / b->second;
        std::printf("%-28s %12.2f %12.2f %8.2f  %s %s\n", label, a->second / 1000, b->second / 1000, ratio, target,
            ratio <= limit ? "met" : "MISSED");
    }

    std::map<std::string, double> nanoseconds;
};

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printSummary();
    benchmark::Shutdown();
    return 0;
}

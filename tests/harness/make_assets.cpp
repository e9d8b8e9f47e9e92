// Writes the pictures and sprite tables of the harness's test package into a folder: a
// background, the loading logo and bar, a button sheet with normal, hover, disabled and pressed
// cells, and the panels of a menu dialog and its pop-up. Everything is drawn from code, so the
// package is the same on every build.
#include "lang/Ref.h"
#include "PngWriter.h"
#include "window/raster/PixelImage.h"

#include <cstdio>
#include <fstream>
#include <functional>
#include <string>

namespace {

using Painter = std::function<uint32_t(int32_t x, int32_t y)>;

bool writePicture(const std::string& folder, const char* name, int32_t width, int32_t height, const Painter& paint)
{
    lang::Ref<window::ImageBase> image = lang::adopt<window::ImageBase>(new window::PixelImage(width, height));
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x)
            image->getPixels()[y * width + x] = paint(x, y);
    }
    image->setHasAlpha(true);
    return window::writePngFile(*image, lang::String((folder + "/" + name + ".png").c_str()));
}

bool writeText(const std::string& folder, const char* name, const char* text)
{
    std::ofstream out(folder + "/" + name, std::ios::binary | std::ios::trunc);
    out << text;
    return bool(out);
}

uint32_t rgb(int32_t red, int32_t green, int32_t blue)
{
    return 0xFF000000u | uint32_t(red & 255) << 16 | uint32_t(green & 255) << 8 | uint32_t(blue & 255);
}

// A rounded panel of a colour with a darker two-pixel border; transparent outside the corners.
Painter panel(int32_t width, int32_t height, uint32_t fill, uint32_t border)
{
    return [=](int32_t x, int32_t y) -> uint32_t {
        const int32_t radius = 12;
        const int32_t dx = x < radius ? radius - x : x >= width - radius ? x - (width - radius - 1) : 0;
        const int32_t dy = y < radius ? radius - y : y >= height - radius ? y - (height - radius - 1) : 0;
        const int32_t distance = dx * dx + dy * dy;
        if (distance > radius * radius)
            return 0u;
        if (distance > (radius - 2) * (radius - 2) || x < 2 || y < 2 || x >= width - 2 || y >= height - 2)
            return border;
        return fill;
    };
}

// Button cells of 160 x 40: normal, hover, disabled, pressed.
uint32_t buttonSheet(int32_t x, int32_t y)
{
    static const uint32_t fills[4] = {rgb(40, 110, 200), rgb(90, 170, 250), rgb(130, 130, 130), rgb(20, 60, 130)};
    static const uint32_t borders[4] = {rgb(10, 40, 90), rgb(250, 250, 255), rgb(80, 80, 80), rgb(250, 200, 40)};
    const int32_t cell = x / 160;
    const uint32_t colour = panel(160, 40, fills[cell], borders[cell])(x % 160, y);
    // A small light bar across the middle stands for the label.
    const int32_t local = x % 160;
    if (colour == fills[cell] && y >= 17 && y < 23 && local >= 50 && local < 110)
        return cell == 2 ? rgb(170, 170, 170) : rgb(240, 240, 240);
    return colour;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_assets FOLDER\n");
        return 2;
    }
    const std::string folder = argv[1];
    bool ok = writePicture(folder, "background", 800, 600, [](int32_t x, int32_t y) {
        const bool check = ((x / 40) + (y / 40)) % 2 == 0;
        return rgb(30 + y / 12, 60 + x / 20, check ? 70 : 90);
    });
    ok = ok && writePicture(folder, "logo", 400, 200, panel(400, 200, rgb(200, 120, 40), rgb(90, 40, 10)));
    ok = ok && writePicture(folder, "loading", 228, 20, [](int32_t x, int32_t) { return rgb(60 + x / 2, 200, 80); });
    ok = ok && writePicture(folder, "button", 640, 40, buttonSheet);
    ok = ok && writePicture(folder, "panel", 400, 300, panel(400, 300, rgb(235, 225, 200), rgb(120, 90, 50)));
    ok = ok && writePicture(folder, "popuppanel", 300, 220, panel(300, 220, rgb(250, 245, 235), rgb(200, 60, 60)));
    ok = ok && writePicture(folder, "marker", 20, 20, [](int32_t, int32_t) { return rgb(250, 40, 40); });
    ok = ok && writeText(folder, "registry.txt", "HarnessTest");
    ok = ok && writeText(folder, "title.txt", "Kipto2 harness");
    // The top-level table: the background, a gate that can hold the loading half-way, the menu.
    ok = ok && writeText(folder, "datfile.txt",
        "; The harness's top-level sprite table.\n"
        "<images>\n"
        "marker1 +marker marker2 +marker marker3 +marker\n"
        "<strings> \"Harness\"\n"
        "<sprites>\n"
        "background Sprite background 0 0\n"
        "gate HarnessGate 0 0 0 0\n"
        "Menu HarnessDialog:+menu 200 150 400 300 0 1\n"
        "corner Sprite marker1 0 0\n"
        "<end>\n");
    // The menu: two enabled buttons, a disabled one and a hidden modal pop-up.
    ok = ok && writeText(folder, "menu.txt",
        "<sprites>\n"
        "panel Sprite panel 0 0\n"
        "open_Popup ButtonSprite button 120 60 4 1 1 0 2 1\n"
        "other ButtonSprite button 120 120 4 1 1 0 2 1\n"
        "off ButtonSprite button 120 180 4 1 1 0 2\n"
        "Popup DialogSprite:+popup 50 40 300 220 1 0\n"
        "<end>\n");
    ok = ok && writeText(folder, "popup.txt",
        "<sprites>\n"
        "popuppanel Sprite popuppanel 0 0\n"
        "close_Popup ButtonSprite button 70 90 4 1 1 0 2 1\n"
        "<end>\n");
    if (!ok) {
        std::fprintf(stderr, "make_assets: cannot write into %s\n", folder.c_str());
        return 1;
    }
    return 0;
}

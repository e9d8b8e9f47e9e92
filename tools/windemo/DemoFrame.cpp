#include "DemoFrame.h"

#include "lang/Ref.h"
#include "util/RectangleNM.h"
#include "window/Event.h"
#include "window/Platform.h"
#include "window/raster/Graphics.h"
#include "window/raster/PixelImage.h"
#include "window/text/Font.h"

#include <algorithm>
#include <cstdarg>

void say(const char* format, ...)
{
    va_list arguments;
    va_start(arguments, format);
    std::vprintf(format, arguments);
    va_end(arguments);
    std::putchar('\n');
    std::fflush(stdout);
}

namespace {

// A 64x64 tile: a colour gradient whose alpha fades from the centre out, with a dark frame.
lang::Ref<window::ImageBase> makeTile()
{
    lang::Ref<window::ImageBase> tile = lang::adopt<window::ImageBase>(new window::PixelImage(64, 64));
    uint32_t* pixels = tile->getPixels();
    for (int32_t y = 0; y < 64; ++y) {
        for (int32_t x = 0; x < 64; ++x) {
            int32_t dx = x - 32, dy = y - 32;
            int32_t alpha = std::max(0, 255 - (dx * dx + dy * dy) / 5);
            bool edge = x < 3 || y < 3 || x > 60 || y > 60;
            uint32_t colour = edge ? 0x202020u : uint32_t(x * 4) << 16 | uint32_t(y * 4) << 8 | 0xC0u;
            pixels[y * 64 + x] = uint32_t(edge ? 255 : alpha) << 24 | colour;
        }
    }
    tile->setHasAlpha(true);
    tile->setPixelsChanged(true);
    return tile;
}

// Colour bars across the top, a grey ramp, a checker board, a circle, a diagonal, a tile drawn
// plain and turned, a line of text and four corner squares of known colours (red, green,
// blue, white) that a screenshot can be checked by.
void drawTestPicture(window::Graphics* g, int32_t width, int32_t height)
{
    const uint32_t bars[] = {0xFFC0C0C0, 0xFFC0C000, 0xFF00C0C0, 0xFF00C000, 0xFFC000C0, 0xFFC00000, 0xFF0000C0};
    for (int32_t i = 0; i < 7; ++i)
        g->fillRect(i * width / 7, 0, (i + 1) * width / 7 - i * width / 7, height / 3, bars[i]);
    for (int32_t i = 0; i < 32; ++i) {
        uint32_t level = uint32_t(i * 255 / 31);
        g->fillRect(i * width / 32, height / 3, width / 32 + 1, 40, 0xFF000000 | level << 16 | level << 8 | level);
    }
    for (int32_t row = 0; row < 8; ++row) {
        for (int32_t column = 0; column < 8; ++column) {
            uint32_t colour = ((row + column) % 2) ? 0xFF202020 : 0xFFE0E0E0;
            g->fillRect(80 + column * 20, 300 + row * 20, 20, 20, colour);
        }
    }
    g->setColor(0xFFFF8000);
    g->fillOval(340, 290, 160, 160);
    g->setColor(0xFFFFFFFF);
    g->drawLine(520, 300, 720, 460, 3);
    static lang::Ref<window::ImageBase> tile = makeTile();
    g->drawImage(tile.get(), 240, 480);
    g->drawImageTransformed(tile.get(), 620, 520, util::RectangleNM(0, 0, 64, 64), 1.5, 1.5, 30.0, window::Graphics::FLIP_NONE);
    lang::Ref<window::Font> font = lang::adopt(new window::Font("Arial", window::Font::STYLE_BOLD, 28));
    g->setFont(font.get());
    g->drawString("Kipto2 window demo", 300, 262);
    const int32_t corner = 24;
    g->fillRect(0, height - corner, corner, corner, 0xFF0000FF);
    g->fillRect(width - corner, height - corner, corner, corner, 0xFFFFFFFF);
    g->fillRect(0, height / 3 + 48, corner, corner, 0xFFFF0000);
    g->fillRect(width - corner, height / 3 + 48, corner, corner, 0xFF00FF00);
}

} // namespace

void DemoFrame::setFullScreen(bool on, bool force)
{
    window::Frame::setFullScreen(on, force);
    say("fullscreen %s", isFullScreen() ? "on" : "off");
}

void DemoFrame::onDestroy()
{
    say("destroyed");
    window::platform::postQuit(0);
}

bool DemoFrame::keyDown(window::Event*, int32_t keyCode)
{
    if (keyCode != window::VkEscape)
        return false;
    if (isFullScreen())
        setFullScreen(false, false);
    else
        exit();
    return true;
}

void DemoFrame::paintContent(window::Graphics* graphics)
{
    drawTestPicture(graphics, width, height);
    if (clickX >= 0)
        graphics->fillRect(clickX - 4, clickY - 4, 9, 9, 0xFFFFFF00);
}

window::MessageResult DemoFrame::handleMessage(uint32_t message, window::WParam wParam, window::LParam lParam)
{
    if (message == window::MsgActivate)
        say("activate %d", window::lowWord(wParam) != window::Inactive);
    window::MessageResult result = window::Frame::handleMessage(message, wParam, lParam);
    // Once the paint message is handled the picture is on the screen.
    if (message == window::MsgPaint && ++paints == 1)
        say("ready");
    else if (message == window::MsgPaint)
        say("painted %d", paints);
    return result;
}

void DemoFrame::markClick(int32_t x, int32_t y)
{
    clickX = x;
    clickY = y;
    repaint();
}

bool DemoCanvas::mouseDown(window::Event* event, int32_t x, int32_t y)
{
    say("mouseDown x=%d y=%d modifiers=%d", x, y, event->modifiers);
    frame->markClick(x, y);
    return true;
}

bool DemoCanvas::mouseUp(window::Event* event, int32_t x, int32_t y)
{
    say("mouseUp x=%d y=%d modifiers=%d drags=%d", x, y, event->modifiers, drags);
    drags = 0;
    return true;
}

bool DemoCanvas::mouseDrag(window::Event*, int32_t, int32_t)
{
    ++drags;
    return true;
}

bool DemoCanvas::keyDown(window::Event* event, int32_t keyCode)
{
    say("keyDown code=%d modifiers=%d first=%d", keyCode, event->modifiers, event->firstPress ? 1 : 0);
    // Escape goes on to the frame.
    return keyCode != window::VkEscape;
}

bool DemoCanvas::keyUp(window::Event*, int32_t keyCode)
{
    say("keyUp code=%d", keyCode);
    return true;
}
